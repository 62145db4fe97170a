// Reading the device settings from the user's locale.
#include "text/device_settings.h"

#include <cstdlib>
#include <string>

namespace orva {

namespace {

struct LanguageName {
  std::string_view name;
  uint32_t id;
};

// Language alone; a region-specific identifier comes first where it matters.
constexpr LanguageName kLanguages[] = {
    {"he", 0x040D}, {"iw", 0x040D}, {"ru", 0x0419}, {"uk", 0x0422}, {"be", 0x0423},
    {"bg", 0x0402}, {"sr", 0x0C1A}, {"mk", 0x042F}, {"de", 0x0407}, {"fr", 0x040C},
    {"es", 0x0C0A}, {"it", 0x0410}, {"pt", 0x0816}, {"nl", 0x0413}, {"pl", 0x0415},
    {"cs", 0x0405}, {"fi", 0x040B}, {"sv", 0x041D}, {"da", 0x0406}, {"nb", 0x0414},
    {"ar", 0x0401}, {"tr", 0x041F}, {"el", 0x0408}, {"hu", 0x040E}, {"ja", 0x0411},
    {"zh", 0x0804}, {"ko", 0x0412}, {"en", 0x0409},
};

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

uint32_t languageFromLocaleName(std::string_view locale) {
  const size_t cut = locale.find_first_of(".@");
  if (cut != std::string_view::npos) locale = locale.substr(0, cut);
  if (locale.empty() || locale == "C" || locale == "POSIX") return 0;
  const size_t underscore = locale.find_first_of("_-");
  const std::string_view language = locale.substr(0, underscore);
  const std::string_view region =
      underscore == std::string_view::npos ? std::string_view() : locale.substr(underscore + 1);
  if (language == "en" && region == "GB") return 0x0809;
  if (language == "pt" && region == "BR") return 0x0416;
  for (const auto& entry : kLanguages)
    if (entry.name == language) return entry.id;
  return 0;
}

CodePage codePageForLanguage(uint32_t language) {
  switch (language & 0x3FF) {  // the primary language
    case 0x0D: return CodePage::Hebrew1255;
    case 0x19:  // Russian
    case 0x22:  // Ukrainian
    case 0x23:  // Belarusian
    case 0x02:  // Bulgarian
    case 0x1A:  // Serbian (Cyrillic)
    case 0x2F:  // Macedonian
      return CodePage::Cyrillic1251;
    default: return CodePage::Western1252;
  }
}

uint32_t ReadDeviceLanguage() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return languageFromLocaleName(value);
  }
  return 0;
}

DeviceSettings readDeviceSettings() {
  DeviceSettings settings;
  settings.language = ReadDeviceLanguage();
  settings.codePage = codePageForLanguage(settings.language);
  return settings;
}

std::optional<uint32_t> parseLanguageId(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
  if (text.empty() || text.size() > 4) return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    if (!isHexDigit(c)) return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
  }
  return value;
}

}  // namespace orva
