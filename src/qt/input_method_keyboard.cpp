// The on-screen keyboard through QInputMethod.
#include "qt/input_method_keyboard.h"

#include <QGuiApplication>
#include <QInputMethod>

namespace orva {

bool QtKeyboard::isUp() const { return QGuiApplication::inputMethod()->isVisible(); }

void QtKeyboard::lower() { QGuiApplication::inputMethod()->hide(); }

}  // namespace orva
