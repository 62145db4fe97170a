// What the window asks of the desktop: the program's directory, the device
// settings, message boxes, the document viewer, the About box and the
// process exit. Tests replace it to keep modal boxes and the desktop's
// document viewer out of the way.
#pragma once

#include <QString>
#include <string>

#include "text/device_settings.h"

class QWidget;

namespace orva {

class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  virtual std::string programDirectory();
  virtual DeviceSettings deviceSettings();
  virtual void showMessage(QWidget* owner, const QString& caption, const QString& text, bool error);
  virtual bool openDocument(const QString& path);
  virtual void runAbout(QWidget* owner);
  virtual void exitProcess(int exitCode);
};

}  // namespace orva
