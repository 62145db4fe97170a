// Showing the window under test and typing into it.
#include "window_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace orva::test {

::testing::AssertionResult showActive(QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return ::testing::AssertionFailure() << "the window was never exposed";
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) return ::testing::AssertionFailure() << "the window never became active";
  return ::testing::AssertionSuccess();
}

void typeText(const QString& text, QWidget* to) {
  for (QChar c : text) {
    QWidget* target = to != nullptr ? to : QApplication::focusWidget();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &release);
  }
}

}  // namespace orva::test
