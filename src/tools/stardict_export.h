// Writing a dictionary in the StarDict format (.ifo, .idx, .dict), so that
// other dictionary programs can serve the same vocabulary: each entry's
// headword with its article as plain text, the text `orvadict WORD` prints.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/dictionary_pair.h"
#include "store/direction.h"

namespace orva {

struct StarDictSummary {
  uint32_t words = 0;    // entries written
  uint32_t skipped = 0;  // entries whose headword does not fit the format
};

// The StarDict index order: ASCII letters compared without case, then the
// bytes as they are.
bool starDictLess(std::string_view a, std::string_view b);

// Writes `dir`/`name`.ifo, .idx and .dict for every entry of `file`. Each
// file is written beside its target and renamed into place when complete.
// False (with `error`) when an entry cannot be read or a file not written.
bool exportStarDict(DictionaryFile& file, Direction direction, const std::string& dir, const std::string& name,
                    StarDictSummary& summary, std::string& error);

}  // namespace orva
