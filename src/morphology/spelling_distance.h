// How far apart two spellings are for a reader: edits of single letters,
// with two neighbouring letters swapped counting as one edit.
#pragma once

#include <cstddef>
#include <string_view>

namespace orva {

// The optimal-string-alignment distance between `a` and `b`, counting
// insertions, deletions, substitutions and swaps of adjacent units; any
// distance above `limit` is reported as limit + 1.
size_t spellingDistance(std::string_view a, std::string_view b, size_t limit);

}  // namespace orva
