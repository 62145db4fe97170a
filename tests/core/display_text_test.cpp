// Display conversions, visual order and the device settings.
#include <gtest/gtest.h>

#include "support/test_files.h"
#include "text/display_text.h"

namespace orva {
namespace {

using test::u8;

const DeviceSettings kHebrewDevice{kLanguageHebrew, CodePage::Hebrew1255};
const DeviceSettings kRussianDevice{kLanguageRussian, CodePage::Cyrillic1251};
const DeviceSettings kEnglishDevice{0x0409, CodePage::Western1252};

TEST(Cp1251ToUnicode, FixedRuleWithOnlyYoSpecial) {
  EXPECT_EQ(Cp1251ToUnicode("\xE0\xE1\xE2"), u"абв");
  EXPECT_EQ(Cp1251ToUnicode("\xB8"), u"ё");
  EXPECT_EQ(Cp1251ToUnicode("\xA8"), std::u16string(1, char16_t{0x03F8}));
  EXPECT_EQ(Cp1251ToUnicode("\x7F"), std::u16string(1, char16_t{0x7F}));
  EXPECT_EQ(Cp1251ToUnicode(""), u"");
  EXPECT_EQ(Cp1251ToUnicode("\xC0\xDF\xFF"), u"АЯя");
}

TEST(Cp1251ToUnicode, LongTextsAreCutTo2047Characters) {
  EXPECT_EQ(Cp1251ToUnicode(std::string(5000, 'a')).size(), 2047u);
  EXPECT_EQ(WidenWithDeviceCodePage(std::string(5000, 'a'), kHebrewDevice).size(), 2047u);
}

TEST(NormalizeScript, CyrillicPositionsBecomeHebrewInVisualOrderOffHebrewDevices) {
  EXPECT_EQ(NormalizeScript(u"абв", CodePage::Hebrew1255, kHebrewDevice), u"אבג");
  EXPECT_EQ(NormalizeScript(u"абв", CodePage::Hebrew1255, kRussianDevice), u"גבא");
  const std::u16string latin1 = {224, 225};
  EXPECT_EQ(NormalizeScript(latin1, CodePage::Hebrew1255, kHebrewDevice), u"אב");
  EXPECT_EQ(NormalizeScript(latin1, CodePage::Hebrew1255, kEnglishDevice), u"בא");
  // Byte 0xB8 widened on a 1251 device (ё) and on a 1252 device (184).
  EXPECT_EQ(NormalizeScript(u"ё", CodePage::Hebrew1255, kHebrewDevice), std::u16string(1, char16_t{1448}));
  EXPECT_EQ(NormalizeScript(std::u16string(1, char16_t{184}), CodePage::Hebrew1255, kHebrewDevice),
            std::u16string(1, char16_t{1448}));
}

TEST(NormalizeScript, TowardRussian) {
  EXPECT_EQ(NormalizeScript(u"א", CodePage::Cyrillic1251, kEnglishDevice), u"а");
  EXPECT_EQ(NormalizeScript(std::u16string(1, char16_t{1448}), CodePage::Cyrillic1251, kEnglishDevice), u"ё");
  std::string everyByte;
  for (int b = 1; b < 256; ++b) everyByte.push_back(static_cast<char>(b));
  const std::u16string converted = Cp1251ToUnicode(everyByte);
  EXPECT_EQ(NormalizeScript(converted, CodePage::Cyrillic1251, kHebrewDevice), converted);
}

TEST(NormalizeScript, CharactersNoRuleCoversStayAsTheyAre) {
  const std::u16string odd = {300, 975, 1400};
  EXPECT_EQ(NormalizeScript(odd, CodePage::Hebrew1255, kHebrewDevice), odd);
  EXPECT_EQ(NormalizeScript(odd, CodePage::Cyrillic1251, kHebrewDevice), odd);
}

TEST(ToVisualOrder, ReversesAndMirrorsBrackets) {
  const auto visual = [](std::u16string s) {
    ToVisualOrder(s);
    return s;
  };
  EXPECT_EQ(visual(u"א(ב)"), u"(ב)א");
  EXPECT_EQ(visual(u"א[ב]"), u"[ב]א");
  EXPECT_EQ(visual(u"א|ב"), u"ב]א");
  EXPECT_EQ(visual(u"א12"), u"21א");
  EXPECT_EQ(visual(u"{<>}"), u"}><{");
}

TEST(HebrewDisplayText, EveryDeviceCodePageShowsTheSameHebrew) {
  const std::string shalom = test::cp1255("שָׁלוֹם (1)");
  for (CodePage cp : {CodePage::Cyrillic1251, CodePage::Western1252, CodePage::Hebrew1255}) {
    EXPECT_EQ(u8(HebrewDisplayText(shalom, DeviceSettings{kLanguageHebrew, cp})), "שָׁלוֹם (1)") << codePageNumber(cp);
    // Reversed unit by unit, points included; the brackets swap sides.
    EXPECT_EQ(HebrewDisplayText(shalom, DeviceSettings{0, cp}), u"(1) \u05DD\u05B9\u05D5\u05DC\u05C1\u05B8\u05E9")
        << codePageNumber(cp);
  }
}

TEST(RussianDisplayText, ShowsRussianWhateverTheDevice) {
  EXPECT_EQ(u8(RussianDisplayText(test::cp1251("Ещё раз!"), kHebrewDevice)), "Ещё раз!");
}

TEST(DeviceSettings, LocaleNamesMapToLanguagesAndCodePages) {
  EXPECT_EQ(languageFromLocaleName("he_IL.UTF-8"), 0x040Du);
  EXPECT_EQ(languageFromLocaleName("iw_IL"), 0x040Du);
  EXPECT_EQ(languageFromLocaleName("ru_RU.UTF-8"), 0x0419u);
  EXPECT_EQ(languageFromLocaleName("en_US.UTF-8"), 0x0409u);
  EXPECT_EQ(languageFromLocaleName("en_GB"), 0x0809u);
  EXPECT_EQ(languageFromLocaleName("uk_UA"), 0x0422u);
  EXPECT_EQ(languageFromLocaleName("de_DE@euro"), 0x0407u);
  EXPECT_EQ(languageFromLocaleName("fr"), 0x040Cu);
  for (const char* none : {"C", "POSIX", "", "C.UTF-8", "xx_YY"}) EXPECT_EQ(languageFromLocaleName(none), 0u) << none;

  EXPECT_EQ(codePageForLanguage(0x040D), CodePage::Hebrew1255);
  for (uint32_t cyrillic : {0x0419u, 0x0422u, 0x0423u, 0x0402u, 0x0C1Au, 0x042Fu})
    EXPECT_EQ(codePageForLanguage(cyrillic), CodePage::Cyrillic1251) << cyrillic;
  EXPECT_EQ(codePageForLanguage(0x0409), CodePage::Western1252);
  EXPECT_EQ(codePageForLanguage(0), CodePage::Western1252);
}

TEST(DeviceSettings, ReadFromTheFirstNonEmptyLocaleVariable) {
  const auto saved = [](const char* name) { const char* v = std::getenv(name); return v ? std::string(v) : std::string(); };
  const std::string all = saved("LC_ALL"), messages = saved("LC_MESSAGES"), lang = saved("LANG");
  setenv("LC_ALL", "", 1);
  setenv("LC_MESSAGES", "he_IL.UTF-8", 1);
  setenv("LANG", "ru_RU.UTF-8", 1);
  EXPECT_EQ(ReadDeviceLanguage(), 0x040Du);
  setenv("LC_ALL", "ru_RU", 1);
  EXPECT_EQ(readDeviceSettings().codePage, CodePage::Cyrillic1251);
  setenv("LC_ALL", all.c_str(), 1);
  setenv("LC_MESSAGES", messages.c_str(), 1);
  setenv("LANG", lang.c_str(), 1);
}

TEST(DeviceSettings, LanguageIdentifiersParseAsHex) {
  EXPECT_EQ(parseLanguageId("0x040D"), 0x040Du);
  EXPECT_EQ(parseLanguageId("040d"), 0x040Du);
  EXPECT_EQ(parseLanguageId("419"), 0x0419u);
  for (const char* bad : {"", "0x", "12345", "04g0", "-1"}) EXPECT_EQ(parseLanguageId(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace orva
