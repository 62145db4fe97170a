// The dictionaries the benchmarks run on: synthetic sources of a given size
// built once and kept in a cache directory between runs (ORVA_BENCH_DIR, or
// orva-bench in the system's temporary directory).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/dictionary_pair.h"
#include "store/direction.h"
#include "store/file_access.h"

namespace orva::bench {

inline constexpr uint64_t kSeed = 1;

// The directory holding rusheb.dic and hebrus.dic of `entries` entries
// each, built on first use.
const std::string& dictionaryDirectory(uint32_t entries);

// Opens the dictionary of `direction` with `entries` entries, read the way
// `mode` says; aborts the run when it cannot.
void openDictionary(DictionaryFile& file, uint32_t entries, Direction direction,
                    FileAccessMode mode = kDefaultFileAccess);

// Headwords of `file` (in its code page) at `count` list numbers spread by
// a fixed pseudo-random sequence, those with at least `minBytes` bytes.
std::vector<std::string> sampleHeadwords(DictionaryFile& file, size_t count, size_t minBytes = 1);

// Random list numbers below `limit`, the same on every run.
std::vector<uint32_t> sampleIndexes(uint32_t limit, size_t count);

const char* accessName(FileAccessMode mode);

}  // namespace orva::bench
