// Reading the headword-list index: entry i is the i-th line of the list and
// holds the position of that entry's record.
#pragma once

#include <cstdint>
#include <optional>

#include "store/dictionary_pair.h"

namespace orva {

// The record position of list entry `index`, or nullopt when the file is
// not open, the index is past the entry count, or the read comes up short.
std::optional<uint32_t> readListRecordPos(DictionaryFile& file, uint32_t index);

}  // namespace orva
