// The window's keyboard shortcuts: a direction each (Ctrl+1, Ctrl+2) and
// the switch between them (Ctrl+Tab), the word box with its text selected
// (Ctrl+L, F6), Back and Forward through the session's history (Alt+Left,
// Alt+Right, and a mouse's back and forward buttons) and the copy of the
// whole article (Ctrl+Shift+C). They work wherever the focus is in the
// window.
#pragma once

#include <QKeySequence>
#include <QShortcut>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/main_dialog.h"

namespace orva {

class PageBrowser;

class WindowShortcuts : public QObject {
 public:
  static QKeySequence russianHebrew() { return QKeySequence(Qt::CTRL | Qt::Key_1); }
  static QKeySequence hebrewRussian() { return QKeySequence(Qt::CTRL | Qt::Key_2); }
  static QKeySequence switchDirection() { return QKeySequence(Qt::CTRL | Qt::Key_Tab); }
  static QKeySequence copyArticle() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C); }

  // `article`: the viewer at the moment, or null while there is none.
  WindowShortcuts(QWidget* window, MainDialog& dialog, std::function<PageBrowser*()> article);
  ~WindowShortcuts() override;
  WindowShortcuts(const WindowShortcuts&) = delete;
  WindowShortcuts& operator=(const WindowShortcuts&) = delete;

  // A direction button's tooltip names its key: "Russian-Hebrew (Ctrl+1)".
  static void showInTooltip(QToolButton* button, const QKeySequence& keys);

 protected:
  // The mouse's back and forward buttons over any part of the window.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void add(const QKeySequence& keys, std::function<void()> action);

  QWidget* window_;
  MainDialog& dialog_;
  std::vector<QShortcut*> shortcuts_;
};

}  // namespace orva
