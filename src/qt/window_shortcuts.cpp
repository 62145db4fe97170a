// The window's keyboard shortcuts.
#include "qt/window_shortcuts.h"

#include <QApplication>
#include <QMouseEvent>

#include "qt/article_viewer.h"
#include "ui/resources.h"

namespace orva {

WindowShortcuts::WindowShortcuts(QWidget* window, MainDialog& dialog, std::function<PageBrowser*()> article)
    : window_(window), dialog_(dialog) {
  // The keys run the direction buttons' own commands.
  add(russianHebrew(), [&dialog] { dialog.command(0, IDM_RUSSIAN_HEBREW); });
  add(hebrewRussian(), [&dialog] { dialog.command(0, IDM_HEBREW_RUSSIAN); });
  add(switchDirection(), [&dialog] {
    dialog.command(0, dialog.direction() == Direction::HebrewRussian ? IDM_RUSSIAN_HEBREW : IDM_HEBREW_RUSSIAN);
  });
  add(QKeySequence(Qt::CTRL | Qt::Key_L), [&dialog] { dialog.selectWordBox(); });
  add(QKeySequence(Qt::Key_F6), [&dialog] { dialog.selectWordBox(); });
  add(QKeySequence(Qt::ALT | Qt::Key_Left), [&dialog] { dialog.goBack(); });
  add(QKeySequence(Qt::ALT | Qt::Key_Right), [&dialog] { dialog.goForward(); });
  // The keyboard's own Back and Forward keys, where it has them.
  add(QKeySequence(Qt::Key_Back), [&dialog] { dialog.goBack(); });
  add(QKeySequence(Qt::Key_Forward), [&dialog] { dialog.goForward(); });
  add(copyArticle(), [article] {
    if (PageBrowser* browser = article()) browser->copyArticle();
  });
  qApp->installEventFilter(this);
}

WindowShortcuts::~WindowShortcuts() { qApp->removeEventFilter(this); }

bool WindowShortcuts::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress) return false;
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (widget == nullptr || (widget != window_ && !window_->isAncestorOf(widget))) return false;
  switch (static_cast<QMouseEvent*>(event)->button()) {
    case Qt::BackButton: dialog_.goBack(); return true;
    case Qt::ForwardButton: dialog_.goForward(); return true;
    default: return false;
  }
}

void WindowShortcuts::add(const QKeySequence& keys, std::function<void()> action) {
  auto* shortcut = new QShortcut(keys, window_);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window_, std::move(action));
  shortcuts_.push_back(shortcut);
}

void WindowShortcuts::showInTooltip(QToolButton* button, const QKeySequence& keys) {
  if (button == nullptr) return;
  button->setToolTip(QStringLiteral("%1 (%2)").arg(button->toolTip(), keys.toString(QKeySequence::NativeText)));
}

}  // namespace orva
