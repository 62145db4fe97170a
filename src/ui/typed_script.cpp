// The script of a typed text.
#include "ui/typed_script.h"

namespace orva {

namespace {

bool isCyrillicLetter(char16_t c) { return c >= 0x0400 && c <= 0x052F; }

// Letters only: points and marks alone say nothing about what was meant.
bool isHebrewLetter(char16_t c) {
  return (c >= 0x05D0 && c <= 0x05EA) || (c >= 0x05F0 && c <= 0x05F2) || (c >= 0xFB1D && c <= 0xFB4F);
}

}  // namespace

std::optional<Direction> directionOfScript(std::u16string_view text) {
  bool cyrillic = false;
  bool hebrew = false;
  for (char16_t c : text) {
    cyrillic = cyrillic || isCyrillicLetter(c);
    hebrew = hebrew || isHebrewLetter(c);
  }
  if (cyrillic == hebrew) return std::nullopt;
  return cyrillic ? Direction::RussianHebrew : Direction::HebrewRussian;
}

}  // namespace orva
