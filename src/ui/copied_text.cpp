// Copied article text in logical order.
#include "ui/copied_text.h"

#include <algorithm>

#include "text/display_text.h"
#include "ui/display_order.h"

namespace orva {

bool isBidiControl(char16_t c) {
  return c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::u16string withoutBidiControls(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text)
    if (!isBidiControl(c)) out += c;
  return out;
}

std::u16string logicalFromVisualOrder(std::u16string_view shown) {
  // Reversing and swapping the brackets undoes itself; the points, which
  // the display put after their letters, then stand before them again and
  // go back after them.
  std::u16string text = withoutBidiControls(shown);
  ToVisualOrder(text);
  return pointsAfterLetters(text);
}

std::u16string copiedText(std::span<const ShownBlock> blocks, bool visualOrder) {
  std::u16string out;
  for (size_t i = 0; i < blocks.size(); ++i) {
    if (i > 0) out += u'\n';
    const ShownBlock& block = blocks[i];
    std::u16string line = visualOrder && block.rightToLeft ? logicalFromVisualOrder(block.text)
                                                           : withoutBidiControls(block.text);
    std::replace(line.begin(), line.end(), u'\u00A0', u' ');
    // The spaces at a paragraph's edges come from the page's line breaks,
    // not from its words.
    const size_t first = line.find_first_not_of(u' ');
    if (first == std::u16string::npos) continue;
    out += std::u16string_view(line).substr(first, line.find_last_not_of(u' ') + 1 - first);
  }
  return out;
}

}  // namespace orva
