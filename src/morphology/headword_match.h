// Finding a word among the headwords of one dictionary file: the entry whose
// headword is the word (as the lookup folds them), the entries of a group,
// and the headwords around the place where a word would stand. Every walk
// is bounded, so a damaged file cannot make a question slow.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/dictionary_pair.h"
#include "store/direction.h"
#include "text/device_settings.h"

namespace orva {

// One entry as the hint needs it.
struct HeadwordEntry {
  uint32_t listOrdinal = 0;
  uint32_t entryId = 0;
  std::string key;       // the headword in dictionary bytes, folded for comparing
  std::u16string shown;  // the headword as the list and the word box show it
};

// The headword in dictionary bytes as comparisons see it: Russian in lower
// case with ё as е; Hebrew without its geresh and gershayim.
std::string comparisonKey(std::string_view headwordBytes, Direction direction);

// `word` in logical order converted to dictionary bytes and folded as
// comparisonKey does; empty when it has no place in the code page.
std::string comparisonKeyOfWord(std::u16string_view word, Direction direction);

// The entry whose headword is `word` (logical order), if there is one.
std::optional<HeadwordEntry> findHeadword(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                          std::u16string_view word);

// The entries of group `group`, in id order (at most `limit`).
std::vector<HeadwordEntry> groupEntries(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                        uint32_t group, size_t limit = 256);

// The list number where `query` (dictionary bytes, as the lookup makes
// them) would stand: the entry the lookup finds, or the last entry when the
// query sorts after every key. Nullopt for an empty or closed file.
std::optional<uint32_t> insertionPoint(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                       std::string_view query);

// The list entries from `first` to `last` inclusive (clipped to the file).
std::vector<HeadwordEntry> listEntries(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                       uint32_t first, uint32_t last);

}  // namespace orva
