// The desktop's services as the running program uses them.
#include "qt/desktop_services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "qt/about_dialog.h"
#include "store/program_directory.h"

namespace orva {

std::string DesktopServices::programDirectory() { return orva::programDirectory(); }

DeviceSettings DesktopServices::deviceSettings() { return readDeviceSettings(); }

void DesktopServices::showMessage(QWidget* owner, const QString& caption, const QString& text, bool error) {
  QMessageBox box(error ? QMessageBox::Critical : QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

bool DesktopServices::openDocument(const QString& path) {
  return QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopServices::runAbout(QWidget*) {
  AboutDialog about;  // no parent, as the About box always had
  about.exec();
}

void DesktopServices::exitProcess(int exitCode) { QCoreApplication::exit(exitCode); }

}  // namespace orva
