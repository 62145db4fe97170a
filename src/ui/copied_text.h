// The plain text a copy from the article gives: logical order whatever the
// display order, and no bidi control characters, so that what is pasted
// elsewhere reads and searches as the words themselves.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orva {

// A bidi control: the marks U+200E and U+200F, the embeddings and overrides
// U+202A to U+202E, and the isolates U+2066 to U+2069.
bool isBidiControl(char16_t c);

std::u16string withoutBidiControls(std::u16string_view text);

// A right-to-left block shown in visual order holds its text reversed, with
// brackets swapped and each letter's points after it. This gives the text
// back in reading order; a part of such a block comes back as the same part
// of the original text.
std::u16string logicalFromVisualOrder(std::u16string_view shown);

// One paragraph of the article as the viewer shows it, or the selected part
// of it.
struct ShownBlock {
  std::u16string_view text;
  bool rightToLeft = false;
};

// The copied text of the blocks, one line each, joined by line feeds: bidi
// controls dropped, no-break spaces as spaces and spaces at either end of a
// line trimmed, and each right-to-left block in logical order when
// `visualOrder` says the display reversed it.
std::u16string copiedText(std::span<const ShownBlock> blocks, bool visualOrder);

}  // namespace orva
