// Highlight markers in record text: pairs of "|" or maqaf (U+05BE) mark a
// span shown in red. These turn them into font tags, and keep Hebrew in
// logical order readable when the tags go in.
#pragma once

#include <string>

#include "text/device_settings.h"

namespace orva {

inline constexpr char16_t kMaqaf = u'\u05BE';

// Replaces the markers of `text` by "<font color=red>" and "</font>",
// pairing them from the end of the string. An unpaired first marker (odd
// count) is dropped. Text that is not a marker, a "<" of the text's own
// included, is left as it is. Returns whether any span was made.
bool RewriteMarkup(std::u16string& text);

// For a reversed Hebrew text whose markers were rewritten: keeps the pieces
// (plain runs and red spans) in their order and reverses the characters
// inside each, so every run reads in logical order again.
void ReorderRedSpans(std::u16string& text);

// Turns the markers of a display string into red spans. A Hebrew text on a
// Hebrew-language device is in logical order and takes the reversing
// procedure; everything else is rewritten as it stands.
void HighlightForDisplay(std::u16string& text, bool isHebrewText, const DeviceSettings& device);

}  // namespace orva
