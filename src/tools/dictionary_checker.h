// Verifying every invariant of a dictionary file and reporting each
// violation in words.
#pragma once

#include <string>
#include <vector>

#include "store/dictionary_pair.h"
#include "store/direction.h"

namespace orva {

// Checks the open `file` of `direction`; returns the violations found (at
// most `limit`, the last line then says how many more there were).
std::vector<std::string> checkDictionary(DictionaryFile& file, Direction direction, size_t limit = 100);

}  // namespace orva
