// The main window on Qt 6 Widgets: a dialog holding the word box, the
// headword list and the article viewer, with the menu bar as a tool bar at
// the bottom. It is the platform of MainDialog's frame; it puts the other
// platform parts together and delivers resize and close events.
#pragma once

#include <QDialog>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <string>

#include "qt/about_dialog.h"
#include "qt/article_viewer.h"
#include "qt/desktop_services.h"
#include "qt/hint_line.h"
#include "qt/input_method_keyboard.h"
#include "qt/list_widget.h"
#include "qt/menu_bar.h"
#include "qt/program_images.h"
#include "qt/window_key_filter.h"
#include "qt/window_shortcuts.h"
#include "qt/window_timers.h"
#include "qt/word_box.h"
#include "ui/main_dialog.h"

namespace orva {

class MainWindow : public QDialog, private WindowFrame {
 public:
  explicit MainWindow(DesktopServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The window's initialisation, menu bar and first focus; call once, after
  // giving the window its size.
  void start();

  MainDialog& dialog() { return *dialog_; }
  QtWordBox& wordBox() { return *wordBox_; }
  QtListControl& list() { return *list_; }
  QtHintLine& hintLine() { return *hintLine_; }
  QtArticleView* articleView() { return view_.get(); }
  QToolBar* menuBarWidget() { return toolBar_; }
  QToolButton* directionButton(uint16_t command) const { return menuBar_->button(command); }
  // The period of a running timer, or -1.
  int timerInterval(uint32_t id) const { return timers_->interval(id); }

  static constexpr int kMenuBarHeight = 32;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Enter and Escape never reach the dialog's accept and reject.
  void accept() override {}
  void reject() override {}

 private:
  // WindowFrame
  std::string programDirectory() const override;
  DeviceSettings deviceSettings() const override;
  void setTitle(std::u16string_view title) override;
  void setIcon() override;
  void centre() override;
  Size clientSize() const override;
  ArticleView& createArticleView(const Rect& rect) override;
  void moveArticleView(const Rect& rect) override;
  void destroyArticleView() override;
  void minimise() override { showMinimized(); }
  void showMessage(std::u16string_view caption, std::u16string_view text) override;
  bool openDocument(const std::string& path) override;
  void runAbout() override;
  void destroyAndExit(int exitCode) override;

  DesktopServices& services_;
  QtWordBox* wordBox_;
  QtListControl* list_;
  QtHintLine* hintLine_;
  QToolBar* toolBar_;
  std::unique_ptr<QtArticleView> view_;
  std::unique_ptr<QtTimers> timers_;
  QtKeyboard keyboard_;
  std::unique_ptr<QtMenuBar> menuBar_;
  std::unique_ptr<MainDialog> dialog_;
  std::unique_ptr<WindowKeyFilter> keyFilter_;
  std::unique_ptr<WindowShortcuts> shortcuts_;
};

}  // namespace orva
