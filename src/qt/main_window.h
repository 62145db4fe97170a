// The main window on Qt 6 Widgets: a dialog holding the word box, the
// headword list and the article viewer, with the menu bar as a tool bar at
// the bottom. It is the platform of MainDialog: frame, timers, menu bar and
// on-screen keyboard, and it delivers key, focus, close and help events.
#pragma once

#include <QDialog>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "qt/article_viewer.h"
#include "qt/hint_line.h"
#include "qt/list_widget.h"
#include "qt/word_box.h"
#include "ui/main_dialog.h"

namespace orva {

// What the window asks of the desktop. Tests replace it to keep modal boxes
// and the desktop's document viewer out of the way.
class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  virtual std::string programDirectory();
  virtual DeviceSettings deviceSettings();
  virtual void showMessage(QWidget* owner, const QString& caption, const QString& text, bool error);
  virtual bool openDocument(const QString& path);
  virtual void runAbout(QWidget* owner);
  virtual void exitProcess(int exitCode);
};

// The About box: the product and version, a second line and the icon; no
// buttons (the close button or Escape dismiss it).
class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

QIcon applicationIcon();

// The menu bar: a tool bar built from the menu-bar description. The two
// direction buttons are pressed and released only by the logic, so pressing
// the button already in force runs its whole command again.
class QtMenuBar : public MenuBar {
 public:
  QtMenuBar(QToolBar* toolBar, std::function<void(uint16_t)> command)
      : toolBar_(toolBar), command_(std::move(command)) {}
  void create(const MenuBarDescription& description, std::span<const std::u16string_view> tooltips) override;
  void pressButton(uint16_t command, bool pressed) override;
  void destroy() override;
  QToolButton* button(uint16_t command) const;

 private:
  QToolBar* toolBar_;
  std::function<void(uint16_t)> command_;
  std::map<uint16_t, QToolButton*> buttons_;
};

// Window timers on QTimer; each fires MainDialog's timer handler.
class QtTimers : public Timers {
 public:
  QtTimers(QObject* owner, std::function<void(uint32_t)> fire) : owner_(owner), fire_(std::move(fire)) {}
  void start(uint32_t id, uint32_t periodMs) override;
  void stop(uint32_t id) override;
  void stopAll();
  int interval(uint32_t id) const;

 private:
  QObject* owner_;
  std::function<void(uint32_t)> fire_;
  std::map<uint32_t, QTimer*> timers_;
};

// The desktop's input method; on a desktop without a virtual keyboard it is
// simply never up.
class QtKeyboard : public OnScreenKeyboard {
 public:
  bool isUp() const override;
  void lower() override;
};

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
  bool eventFilter(QObject* watched, QEvent* event) override;
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

  bool ownsWidget(QObject* object) const;

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
};

}  // namespace orva
