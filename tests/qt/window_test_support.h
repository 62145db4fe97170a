// What the tests of the real window share: desktop services that show and
// end nothing, showing a window until it is active, and typing text (the
// test library's typing helpers take ASCII only).
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "qt/main_window.h"

namespace orva::test {

// A program directory and a device; messages, documents, the About box
// and the end of the process go nowhere.
class QuietServices : public DesktopServices {
 public:
  explicit QuietServices(std::string programDirectory,
                         DeviceSettings device = {kLanguageRussian, CodePage::Cyrillic1251})
      : directory_(std::move(programDirectory)), device_(device) {}
  std::string programDirectory() override { return directory_; }
  DeviceSettings deviceSettings() override { return device_; }
  void showMessage(QWidget*, const QString&, const QString&, bool) override {}
  bool openDocument(const QString&) override { return true; }
  void runAbout(QWidget*) override {}
  void exitProcess(int) override {}

 private:
  std::string directory_;
  DeviceSettings device_;
};

// Shows the window and waits until it is exposed and active.
::testing::AssertionResult showActive(QWidget& window);

// One key press and release per character, each carrying its text, to
// `to`, or to whatever has the focus when null.
void typeText(const QString& text, QWidget* to = nullptr);

}  // namespace orva::test
