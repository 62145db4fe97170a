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

// The most article text written for a dictionary of `fileSize` bytes: 64
// times its size, at least 64 MiB.
uint64_t starDictOutputLimit(uint64_t fileSize);

// Writes `dir`/`name`.ifo, .idx and .dict for every entry of `file`. Each
// file is written beside its target and renamed into place when complete.
// False (with `error`) when an entry cannot be read or a file not written,
// or when the file is damaged: its header claims more entries than it
// holds, two list rows lead to one record, or the articles would exceed
// `outputLimit` bytes (0: starDictOutputLimit of the file's size). Nothing
// is left behind then.
bool exportStarDict(DictionaryFile& file, Direction direction, const std::string& dir, const std::string& name,
                    StarDictSummary& summary, std::string& error, uint64_t outputLimit = 0);

}  // namespace orva
