// Reading dictionary source files (UTF-8, one field a line) into entries,
// with every problem reported as "file:line: message".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/direction.h"
#include "tools/source_entry.h"

namespace orva {

struct ParseResult {
  std::vector<SourceEntry> entries;
  std::vector<std::string> problems;  // "file:line: message"
};

// Parses the text of one source file named `fileName` and appends its
// entries and problems to `result`.
void parseSource(std::string_view text, const std::string& fileName, Direction direction, ParseResult& result);

// Checks what only the whole set of entries shows (duplicate ids).
void checkEntrySet(ParseResult& result);

}  // namespace orva
