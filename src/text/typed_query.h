// Turning what the user typed into the dictionary bytes a lookup searches
// for: the text is cleaned up (its first line, without surrounding blanks
// and punctuation, Hebrew points or decomposed letters); Hebrew typed on a
// non-Hebrew device is first put back into logical order; Russian folds ё
// to е and capitals to lower case.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "store/direction.h"
#include "text/collation.h"
#include "text/device_settings.h"

namespace orva {

inline constexpr size_t kQueryBufferSize = 512;

// A query: at most 511 bytes and a terminating NUL in a zero-filled area.
struct TypedQuery {
  std::array<uint8_t, kQueryBufferSize> bytes{};
  size_t length = 0;

  std::string_view view() const { return {reinterpret_cast<const char*>(bytes.data()), length}; }
};

// The first line of the text that holds a word, reversed for Hebrew unless
// the device language is Hebrew, then cleaned up by cleanTypedText.
// Hebrew: one byte per
// unit (units up to 0x7F stay, others become (low byte + 0x10) mod 256).
// Russian: ё and Ё to е, code page 1251 ("?" for characters without a place),
// then lowerRussianBytes. Either way the query is cut to 511 bytes.
TypedQuery makeTypedQuery(std::u16string_view typed, Direction direction, const DeviceSettings& device);

}  // namespace orva
