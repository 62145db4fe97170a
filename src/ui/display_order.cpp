// Visual-order text for a toolkit with its own bidi.
#include "ui/display_order.h"

namespace orva {

bool isHebrewPoint(char16_t c) {
  return (c >= 0x0591 && c <= 0x05BD) || c == 0x05BF || c == 0x05C1 || c == 0x05C2 || c == 0x05C4 ||
         c == 0x05C5 || c == 0x05C7;
}

std::u16string pointsAfterLetters(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (!isHebrewPoint(text[i])) {
      out += text[i++];
      continue;
    }
    const size_t runStart = i;
    while (i < text.size() && isHebrewPoint(text[i])) ++i;
    const std::u16string_view run = text.substr(runStart, i - runStart);
    if (i < text.size()) out += text[i++];  // the letter the points belong to
    out += run;
  }
  return out;
}

std::u16string visualOrderForDisplay(std::u16string_view text) {
  std::u16string out(1, kLeftToRightOverride);
  out += pointsAfterLetters(text);
  return out;
}

}  // namespace orva
