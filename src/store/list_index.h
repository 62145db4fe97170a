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

// How many list entries the file actually holds: the entry count of its
// header, cut to the whole entries between the start of the list index and
// the end of the file. A header may claim billions of entries over a file of
// a few bytes; whatever walks the whole list stops here.
uint32_t heldListEntries(const DictionaryFile& file);

}  // namespace orva
