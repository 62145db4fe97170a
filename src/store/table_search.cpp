// The comparators of the table search.
#include "store/table_search.h"

#include <cstring>

#include "store/byte_order.h"

namespace orva {

namespace {

constexpr uint8_t kRussianYo = 0xB8;
constexpr uint8_t kRussianYe = 0xE5;

int indexOf(const uint8_t* text, size_t limit, uint8_t ch) {
  for (size_t i = 0; i < limit && text[i] != 0; ++i)
    if (text[i] == ch) return static_cast<int>(i);
  return -1;
}

}  // namespace

int compareSearchKey(Direction direction, const SearchKey& key, const uint8_t* entry) {
  // A zero-filled 12-byte copy keeps the ten key bytes NUL-terminated.
  uint8_t copy[12] = {};
  std::memcpy(copy, entry, kSearchKeyBytes);

  if (direction == Direction::RussianHebrew) {
    for (uint8_t& b : copy)
      if (b == kRussianYo) b = kRussianYe;
  } else {
    uint8_t quote = '\'';
    int a = indexOf(copy, sizeof copy, quote);
    if (a < 0) {
      quote = '"';
      a = indexOf(copy, sizeof copy, quote);
    }
    if (a >= 0) {
      const int b = indexOf(key.data(), key.size(), quote);
      if (a != b) std::memmove(copy + a, copy + a + 1, sizeof copy - static_cast<size_t>(a) - 1);
    }
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
