// ORVA Pocket: the Russian-Hebrew pocket dictionary's window.
#include <QApplication>
#include <QClipboard>
#include <iostream>
#include <string>
#include <vector>

#include "morphology/lookup_hint_source.h"
#include "qt/main_window.h"
#include "qt/outside_lookup.h"
#include "qt/qt_text.h"
#include "qt/single_instance.h"
#include "qt/ui_translation.h"
#include "ui/instance_request.h"
#include "ui/resources.h"
#include "ui/window_arguments.h"

namespace {

void printVersion() {
  std::cout << "orva (" << orva::kProductName << ") " << orva::kProductVersion << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before the toolkit starts, so that they need no display.
  if (orva::asksForVersion(argc, argv)) {
    printVersion();
    return 0;
  }
  if (orva::asksForHelp(argc, argv)) {
    std::cout << orva::windowUsage();
    return 0;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orva"));
  // Menus, tooltips, the About box and the hint line in the user's
  // language, mirrored for Hebrew.
  orva::installTranslation(QLocale());

  // The toolkit has taken its own options out of the arguments by now.
  std::vector<std::string> arguments;
  const QStringList given = QApplication::arguments();
  for (qsizetype i = 1; i < given.size(); ++i) arguments.push_back(given[i].toStdString());
  const orva::WindowArguments parsed = orva::parseWindowArguments(arguments);
  orva::InstanceRequest request;
  switch (parsed.action) {
    case orva::WindowArguments::Action::Error:
      std::cerr << "orva: " << parsed.error << "\nTry 'orva --help'.\n";
      return 2;
    case orva::WindowArguments::Action::Help:
      std::cout << orva::windowUsage();
      return 0;
    case orva::WindowArguments::Action::Version:
      printVersion();
      return 0;
    case orva::WindowArguments::Action::LookUpWord:
      request = orva::requestToLookUp(QString::fromStdString(parsed.word).toStdU16String());
      break;
    case orva::WindowArguments::Action::LookUpSelection:
      request = orva::requestToLookUp(orva::toU16(orva::desktopSelection(*QApplication::clipboard())));
      break;
    case orva::WindowArguments::Action::Open:
      break;
  }

  // A window of this user's on this display runs already: it shows itself
  // and looks the word up.
  const QString serverName = orva::instanceServerName();
  if (orva::handToRunningInstance(serverName, request)) return 0;

  QApplication::setWindowIcon(orva::applicationIcon());
  orva::DesktopServices services;
  orva::MainWindow window(services);
  // Later starts hand their words to this window; the requests are taken
  // once the event loop runs. Without the socket the window still works,
  // only on its own.
  orva::InstanceServer server([&window](const orva::InstanceRequest& next) { orva::showAndLookUp(window, next); });
  if (!server.listen(serverName)) {
    std::cerr << "orva: cannot listen at " << serverName.toStdString() << "; later starts open windows of their own\n";
  }
  // What the hint line says when no headword begins with the typed text: a
  // word's lemma, or the nearest headwords. Without a source the line stays
  // hidden; hand the window its source here, before start().
  // The source reads the dialog's own pair, which start() opens.
  const auto hintSource = orva::makeLookupHintSource(window.dialog().dictionaries(), window.dialog().device());
  window.dialog().setLookupHintSource(hintSource.get());
  window.fitToScreen();
  window.start();
  window.show();

  if (request.kind == orva::InstanceRequest::Kind::LookUp) orva::showAndLookUp(window, request);
  return application.exec();
}
