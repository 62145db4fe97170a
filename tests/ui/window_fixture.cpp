// The window test fixture.
#include "window_fixture.h"

#include <algorithm>

#include "text/utf.h"

namespace orva::test {

const std::vector<std::string> kRussianWords = {
    "абрикос", "автобус", "адрес", "баня",  "белый", "берег", "вода",  "воздух", "газета", "город",
    "дверь",   "дом",     "дорога", "жук",  "завтра", "зима", "игра",  "книга",  "кот",    "лес",
    "мама",    "море",    "нос",   "окно",  "папа",  "река",  "рука",  "сад",    "стол",   "утро",
};

const std::vector<std::string> kHebrewWords = {
    "אבא", "אמא", "בית", "גן",  "דלת", "הר",  "ורד", "זמן", "חלון", "טוב",
    "ילד", "כלב", "לחם", "מים", "נהר", "ספר", "עיר", "פה",  "צבע",  "קיר",
};

namespace {

std::string source(const std::vector<std::string>& words, const std::string& translationField) {
  std::string text;
  for (size_t i = 0; i < words.size(); ++i)
    text += "entry " + std::to_string(i + 1) + " 1\nheadword " + words[i] + "\n" + translationField + " перевод " +
            std::to_string(i + 1) + "\n";
  return text;
}

}  // namespace

void writeRussianDictionary(const std::string& path, const std::vector<std::string>& words) {
  writeBytes(path, buildFromSource(Direction::RussianHebrew, source(words, "russian")));
}

void writeHebrewDictionary(const std::string& path, const std::vector<std::string>& words) {
  writeBytes(path, buildFromSource(Direction::HebrewRussian, source(words, "russian")));
}

void WindowTest::start(bool russian, bool hebrew, DeviceSettings device, Size client) {
  if (russian) writeRussianDictionary(dir_.file("rusheb.dic"));
  if (hebrew) writeHebrewDictionary(dir_.file("hebrus.dic"));
  platform_ = std::make_unique<MemoryPlatform>(MemoryOptions{dir_.path(), device, client});
  platform_->start();
}

void WindowTest::russianHebrew() {
  ui().command(IDM_RUSSIAN_HEBREW);
  ui().wait(kFirstArticleAfterSwitch);
}

void WindowTest::activateWordBox() {
  ui().focusList();
  ui().focusWordBox();
  ui().wait(kSelectAllPeriod);  // the whole text is selected, so typing replaces it
}

std::string reversed(const std::string& utf8) {
  std::u16string text = *utf8ToUtf16(utf8);
  std::reverse(text.begin(), text.end());
  return utf16ToUtf8(text);
}

}  // namespace orva::test
