// Showing the control characters of dictionary text harmlessly on the way to
// standard output: a record may hold escape sequences that would clear the
// screen, retitle the terminal or write the clipboard, and line feeds, tabs
// or form feeds that would forge the lines, columns and answer breaks that
// other programs read.
#pragma once

#include <string>
#include <string_view>

namespace orva {

// Which line ends of the text are the output's own and stay as they are.
enum class KeptLineEnds {
  None,      // a single field: every control character is shown
  CrLf,      // an article page, whose lines end in CR LF
  LineFeed,  // text whose lines end in LF
};

// `text` with every C0 control character, DEL and C1 control character but
// the kept line ends written in caret notation: ESC as ^[, DEL as ^?, and
// U+009B as M-^[.
std::u16string showControlCharacters(std::u16string_view text, KeptLineEnds kept);
std::string showControlCharacters(std::string_view utf8, KeptLineEnds kept);

}  // namespace orva
