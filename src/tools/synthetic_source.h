// Synthetic dictionary sources for measuring the program at any size: words
// of realistic length and letter frequency with shared prefixes, groups of
// related forms (verb conjugations, plurals, derived words), deterministic
// for a seed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "store/direction.h"

namespace orva {

// Writes the source text of exactly `entries` entries (UTF-8, the builder's
// source format) to `sink`, in pieces of a few dozen kilobytes. The same
// direction, count and seed always give the same text.
void generateSource(Direction direction, uint32_t entries, uint64_t seed,
                    const std::function<void(std::string_view)>& sink);

// The whole text at once, for small sizes and tests.
std::string generateSource(Direction direction, uint32_t entries, uint64_t seed);

}  // namespace orva
