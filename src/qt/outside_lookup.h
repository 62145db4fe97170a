// Looking a word up at another program's request: the text selected on the
// desktop, and the window raised with the word looked up as if typed.
#pragma once

#include <QClipboard>
#include <QString>

#include "ui/instance_request.h"

namespace orva {

class MainWindow;

// The X primary selection where the desktop has one and it holds text,
// else the clipboard's text.
QString desktopSelection(const QClipboard& clipboard);

// Shows and raises `window`; for a LookUp request the word goes into the
// word box, which looks it up as typed text does (switching the direction
// to the word's script), and stays selected so that typing replaces it.
void showAndLookUp(MainWindow& window, const InstanceRequest& request);

}  // namespace orva
