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
#include "qt/zoom_level.h"
#include "ui/main_dialog.h"

namespace orva {

class MainWindow : public QDialog, private WindowFrame {
 public:
  explicit MainWindow(DesktopServices& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The window's initialisation, menu bar and first focus; call once, after
  // giving the window its size.
  void start();

  // Gives the window its smallest size and its first size and place on its
  // screen: the wished size where the screen has room for it, less where
  // it has not.
  void fitToScreen();
  // The size the window opens with on a screen large enough: twice the
  // reference screen of 240 x 268, with the menu bar below it.
  QSize wishedSize() const;
  // The smallest size that still shows the word box, some rows and the
  // article: the reference screen with the menu bar.
  QSize smallestSize() const;

  // The zoom of the list and the article (Ctrl+plus, Ctrl+minus, Ctrl+0).
  void zoomIn();
  void zoomOut();
  void resetZoom();
  int zoomPercent() const { return zoom_.percent(); }

  MainDialog& dialog() { return *dialog_; }
  QtWordBox& wordBox() { return *wordBox_; }
  QtListControl& list() { return *list_; }
  QtHintLine& hintLine() { return *hintLine_; }
  QtArticleView* articleView() { return view_.get(); }
  QToolBar* menuBarWidget() { return toolBar_; }
  QToolButton* directionButton(uint16_t command) const { return menuBar_->button(command); }
  // The period of a running timer, or -1.
  int timerInterval(uint32_t id) const { return timers_->interval(id); }

  // The menu bar's height at the reference font; a larger desktop font
  // makes it taller.
  static constexpr int kMenuBarHeight = 32;
  int menuBarHeight() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
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

  // Sets the zoomed fonts on the list and the article and lays the rows out
  // again.
  void applyZoom();
  // The direction buttons' images at a whole multiple of their size that
  // suits the desktop's font.
  void scaleIcons();

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
  ZoomLevel zoom_;
};

}  // namespace orva
