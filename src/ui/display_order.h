// Showing visual-order Hebrew on a toolkit that reorders bidirectional text
// itself: the text is wrapped in a left-to-right override, so its characters
// appear exactly in the order they are stored, and each run of Hebrew points
// that a reversal put before its letter goes back after it, so that the
// points sit on the right letter; and logical-order Hebrew blocks laid out
// for such a toolkit.
#pragma once

#include <string>
#include <string_view>

#include "article/article_blocks.h"

namespace orva {

inline constexpr char16_t kLeftToRightOverride = u'\u202D';

// A Hebrew point or accent (a combining mark of the Hebrew block).
bool isHebrewPoint(char16_t c);

// Moves every run of Hebrew points that stands directly before a character
// other than a point to just after that character.
std::u16string pointsAfterLetters(std::u16string_view text);

// The override followed by pointsAfterLetters(text).
std::u16string visualOrderForDisplay(std::u16string_view text);

// The text of one right-to-left block with its plain runs and red spans in
// reverse order, each run unchanged.
std::u16string runsInReverseOrder(std::u16string_view content);

// Appends one block of the article as a toolkit that lays right-to-left
// blocks out with its own bidi must be given it. A page in logical order
// lists the plain runs and red spans of a Hebrew block from right to left,
// each run reading in logical order, as a display that lays styled runs out
// left to right needs them; here they are put back into logical order.
// Every other block is its page HTML.
void appendLogicalOrderBlockHtml(const ArticleBlock& block, std::u16string& html);

}  // namespace orva
