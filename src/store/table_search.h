// Binary search over a fixed-size table of a dictionary file, and the two
// comparators that drive it: search keys (with the ё and Hebrew quote rules)
// and entry ids.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "store/dictionary_format.h"
#include "store/direction.h"
#include "store/file_access.h"

namespace orva {

// A query key: at most ten bytes, NUL-terminated.
using SearchKey = std::array<uint8_t, kSearchKeyBytes + 1>;

// Compares a query key with a 14-byte search index entry: negative, zero or
// positive as the key sorts before, equal to or after it. Russian entries
// fold ё (0xB8) to е (0xE5); Hebrew entries drop their first apostrophe (or,
// failing that, double quote) unless the query has it at the same place.
int compareSearchKey(Direction direction, const SearchKey& key, const uint8_t* entry);

// Compares an entry id with the id of an 8-byte id index entry, both signed.
int compareEntryId(int32_t keyId, const uint8_t* entry);

// Binary search over `count` entries of `entrySize` bytes at `tableOffset`.
// Finds the equal entry the probing meets first or else the first greater
// one, and returns its index; nullopt when every entry is less, or when a
// read comes up short. `compare(entry)` returns the key's order against the
// entry. `entryBuffer` holds the found entry on success.
template <typename Compare>
std::optional<uint32_t> findEntryIndex(RandomAccessFile& file, uint32_t count, uint32_t entrySize,
                                       uint64_t tableOffset, uint8_t* entryBuffer, Compare&& compare) {
  if (count == 0) return std::nullopt;
  uint32_t lo = 0;
  uint32_t hi = count - 1;
  std::optional<uint32_t> previous;
  while (lo <= hi) {
    const uint32_t mid = lo + (hi - lo) / 2;
    if (!file.readExactly(tableOffset + uint64_t{mid} * entrySize, entrySize, entryBuffer)) return std::nullopt;
    const int order = compare(static_cast<const uint8_t*>(entryBuffer));
    if (order == 0) return mid;
    if (order < 0) {
      // hi moves to mid, not below it: the last candidate is read again
      // before it is returned.
      if (previous == mid) return mid;
      hi = mid;
    } else {
      if (mid == UINT32_MAX) return std::nullopt;
      lo = mid + 1;
    }
    previous = mid;
  }
  return std::nullopt;
}

template <typename Compare>
bool findEntry(RandomAccessFile& file, uint32_t count, uint32_t entrySize, uint64_t tableOffset,
               uint8_t* entryBuffer, Compare&& compare) {
  return findEntryIndex(file, count, entrySize, tableOffset, entryBuffer, std::forward<Compare>(compare))
      .has_value();
}

}  // namespace orva
