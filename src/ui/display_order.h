// Showing visual-order Hebrew on a toolkit that reorders bidirectional text
// itself: the text is wrapped in a left-to-right override, so its characters
// appear exactly in the order they are stored, and each run of Hebrew points
// that a reversal put before its letter goes back after it, so that the
// points sit on the right letter.
#pragma once

#include <string>
#include <string_view>

namespace orva {

inline constexpr char16_t kLeftToRightOverride = u'\u202D';

// A Hebrew point or accent (a combining mark of the Hebrew block).
bool isHebrewPoint(char16_t c);

// Moves every run of Hebrew points that stands directly before a character
// other than a point to just after that character.
std::u16string pointsAfterLetters(std::u16string_view text);

// The override followed by pointsAfterLetters(text).
std::u16string visualOrderForDisplay(std::u16string_view text);

// A page in logical order lists the plain runs and red spans of a Hebrew
// block from right to left, each run reading in logical order, as a display
// that lays styled runs out left to right needs them. For a toolkit that
// lays the block out with its own bidi, the runs of every right-to-left
// block are put back into logical order.
std::u16string rtlRunsInLogicalOrder(std::u16string_view page);

// The text of one right-to-left block with its plain runs and red spans in
// reverse order, each run unchanged.
std::u16string runsInReverseOrder(std::u16string_view content);

}  // namespace orva
