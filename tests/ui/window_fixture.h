// A window over the in-memory platform with two small dictionaries: 30
// Russian headwords and 20 Hebrew ones, eight rows on the reference screen.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/test_files.h"
#include "ui/memory_platform.h"

namespace orva::test {

extern const std::vector<std::string> kRussianWords;  // in list order
extern const std::vector<std::string> kHebrewWords;   // in list order, logical

void writeRussianDictionary(const std::string& path, const std::vector<std::string>& words = kRussianWords);
void writeHebrewDictionary(const std::string& path, const std::vector<std::string>& words = kHebrewWords);

class WindowTest : public ::testing::Test {
 protected:
  // Writes both dictionaries (unless told otherwise) and starts the window.
  void start(bool russian = true, bool hebrew = true, DeviceSettings device = {kLanguageRussian, CodePage::Cyrillic1251},
             Size client = kReferenceClient);

  MemoryPlatform& ui() { return *platform_; }
  MainDialog& dialog() { return platform_->dialog(); }
  HeadwordList& list() { return platform_->dialog().headwordList(); }
  std::string word() const { return u8(platform_->wordBox().text()); }
  std::string page() const { return u8(platform_->frame().viewer().page()); }
  // The text painted in row r, UTF-8.
  std::string row(int r) const { return u8(platform_->list().painted().at(static_cast<size_t>(r)).text); }
  // Switches to Russian-Hebrew and waits for the first article.
  void russianHebrew();
  // Gives the word box the focus as the user would (so it is active) and
  // lets its select-all timer run.
  void activateWordBox();

  TempDir dir_;
  std::unique_ptr<MemoryPlatform> platform_;
};

// Hebrew in visual order, as a device whose language is not Hebrew shows it.
std::string reversed(const std::string& utf8);

}  // namespace orva::test
