// The comparators of the table search.
#include "store/table_search.h"

#include <cstring>

#include "store/byte_order.h"
#include "text/collation.h"

namespace orva {

int compareSearchKey(Direction direction, const SearchKey& key, const uint8_t* entry) {
  // A zero-filled 12-byte copy keeps the ten key bytes NUL-terminated.
  uint8_t copy[12] = {};
  std::memcpy(copy, entry, kSearchKeyBytes);

  if (direction == Direction::RussianHebrew) {
    for (uint8_t& b : copy) b = yoAsYe(b);
  } else if (const auto quote = hebrewQuoteToPassOver(copy, sizeof copy, key.data(), key.size())) {
    std::memmove(copy + *quote, copy + *quote + 1, sizeof copy - *quote - 1);
  }

  for (size_t i = 0;; ++i) {
    const uint8_t k = i < key.size() ? key[i] : 0;
    const uint8_t c = copy[i];
    if (k != c) return k < c ? -1 : 1;
    if (k == 0) return 0;
  }
}

int compareEntryId(int32_t keyId, const uint8_t* entry) {
  const int32_t id = static_cast<int32_t>(decodeFixed32(entry));
  return keyId < id ? -1 : (keyId > id ? 1 : 0);
}

}  // namespace orva
