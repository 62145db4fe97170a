// The single-byte code pages of the dictionary files and of the device.
#pragma once

#include <cstdint>
#include <optional>

namespace orva {

enum class CodePage : uint16_t {
  Cyrillic1251 = 1251,
  Western1252 = 1252,
  Hebrew1255 = 1255,
};

inline unsigned codePageNumber(CodePage cp) { return static_cast<unsigned>(cp); }
std::optional<CodePage> codePageFromNumber(unsigned number);

// The UTF-16 unit a byte stands for in `cp`.
char16_t widenByte(CodePage cp, uint8_t byte);

// The byte that stands for `unit` in `cp`, if any.
std::optional<uint8_t> narrowUnit(CodePage cp, char16_t unit);

}  // namespace orva
