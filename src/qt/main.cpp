// ORVA Pocket: the Russian-Hebrew pocket dictionary's window.
#include <QApplication>

#include "qt/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orva"));
  QApplication::setWindowIcon(orva::applicationIcon());
  orva::DesktopServices services;
  orva::MainWindow window(services);
  // Twice the reference screen of 240 x 268, with the menu bar below it.
  window.resize(480, 536 + orva::MainWindow::kMenuBarHeight);
  window.start();
  window.show();
  return application.exec();
}
