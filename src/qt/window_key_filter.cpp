// Translating Qt key presses into the logic's key-down and character.
#include "qt/window_key_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace orva {

WindowKeyFilter::WindowKeyFilter(QWidget* window, MainDialog& dialog, QWidget* list, QWidget* wordBox)
    : window_(window), dialog_(dialog), list_(list), wordBox_(wordBox) {}

bool WindowKeyFilter::ownsWidget(QObject* object) const {
  const auto* widget = qobject_cast<const QWidget*>(object);
  return widget != nullptr && (widget == window_ || window_->isAncestorOf(widget));
}

bool WindowKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  // A Qt key press is both the key-down and the character of the original.
  if (event->type() != QEvent::KeyPress || !ownsWidget(watched)) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  uint32_t code;
  switch (key->key()) {
    case Qt::Key_Escape: code = VK_ESCAPE; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: code = VK_RETURN; break;
    default: code = static_cast<uint32_t>(key->key()) & 0xFFFF; break;
  }
  if (code == 0) code = 0xFF;
  if (dialog_.filterKey(WM_KEYDOWN, code)) return true;
  if (!key->text().isEmpty()) {
    uint32_t character = key->text().at(0).unicode();
    if (dialog_.filterKey(WM_CHAR, character)) return true;
    // A character typed into the list or the article goes to the word box,
    // where the logic has given the focus and selected the text it replaces.
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool typedAway = watched == list_ || (article_ != nullptr && watched == article_);
    if (typedAway && !shortcut && key->text().at(0).isPrint() &&
        dialog_.redirectTypingToWordBox(static_cast<char16_t>(character))) {
      QKeyEvent typed(QEvent::KeyPress, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                      static_cast<quint16>(key->count()));
      QCoreApplication::sendEvent(wordBox_, &typed);
      return true;
    }
  }
  if (key->key() == Qt::Key_F1) {
    dialog_.helpRequest();
    return true;
  }
  return false;
}

}  // namespace orva
