// ORVA Pocket: the Russian-Hebrew pocket dictionary's window.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "morphology/lookup_hint_source.h"
#include "qt/main_window.h"
#include "ui/resources.h"

int main(int argc, char** argv) {
  // Answered before the toolkit starts, so that they need no display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      const auto& v = orva::kFileVersion;
      std::cout << "orva (ORVA Pocket) " << v[0] << '.' << v[1] << '.' << v[2] << '.' << v[3] << "\n";
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << "Usage: orva [--help | --version] [Qt options]\n\n"
                   "Opens the ORVA Pocket window on rusheb.dic and hebrus.dic, read from\n"
                   "the program's own directory.\n";
      return 0;
    }
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orva"));
  QApplication::setWindowIcon(orva::applicationIcon());
  orva::DesktopServices services;
  orva::MainWindow window(services);
  // What the hint line says when no headword begins with the typed text: a
  // word's lemma, or the nearest headwords. Without a source the line stays
  // hidden; hand the window its source here, before start().
  // The source reads the dialog's own pair, which start() opens.
  const auto hintSource = orva::makeLookupHintSource(window.dialog().dictionaries(), window.dialog().device());
  window.dialog().setLookupHintSource(hintSource.get());
  // Twice the reference screen of 240 x 268, with the menu bar below it.
  window.resize(480, 536 + orva::MainWindow::kMenuBarHeight);
  window.start();
  window.show();
  return application.exec();
}
