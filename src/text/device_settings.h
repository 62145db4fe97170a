// The two device settings that change how text is shown: the user's
// language (Hebrew stays in logical order only for Hebrew) and the device's
// narrow code page (through which Hebrew record text is widened). Read once
// at start; tests set them per case.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "text/code_pages.h"

namespace orva {

inline constexpr uint32_t kLanguageHebrew = 0x040D;
inline constexpr uint32_t kLanguageRussian = 0x0419;

struct DeviceSettings {
  uint32_t language = 0;  // Windows language identifier; 0 when unknown
  CodePage codePage = CodePage::Western1252;

  bool isHebrew() const { return language == kLanguageHebrew; }
};

// The language identifier of a locale name such as "he_IL.UTF-8"; 0 for
// "C", "POSIX", empty or unknown names.
uint32_t languageFromLocaleName(std::string_view locale);

// The narrow code page a device of that language uses.
CodePage codePageForLanguage(uint32_t language);

// The user's locale: LC_ALL, else LC_MESSAGES, else LANG (first non-empty).
uint32_t ReadDeviceLanguage();

// Language and code page of this machine's user.
DeviceSettings readDeviceSettings();

// Parses "0x040D", "040d" or "40D": at most four hex digits after an
// optional "0x".
std::optional<uint32_t> parseLanguageId(std::string_view text);

}  // namespace orva
