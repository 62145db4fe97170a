// Conversion of typed text into a query.
#include "text/typed_query.h"

#include <algorithm>
#include <string>

#include "text/code_pages.h"

namespace orva {

namespace {

// The query is a NUL-terminated string: a character that becomes byte 0
// ends it.
void endAtFirstNul(TypedQuery& query) {
  for (size_t i = 0; i < query.length; ++i) {
    if (query.bytes[i] == 0) {
      std::fill(query.bytes.begin() + static_cast<std::ptrdiff_t>(i), query.bytes.end(), uint8_t{0});
      query.length = i;
      return;
    }
  }
}

}  // namespace

TypedQuery makeTypedQuery(std::u16string_view typed, Direction direction, const DeviceSettings& device) {
  TypedQuery query;
  const size_t limit = kQueryBufferSize - 1;
  std::u16string text(firstLineOf(typed));
  if (direction == Direction::HebrewRussian) {
    // Reversed before the clean-up, which tells a geresh that ends a word
    // from a quote by the order of the letters.
    if (!device.isHebrew()) text.assign(text.rbegin(), text.rend());
    text = cleanTypedText(text);
    for (char16_t u : text) {
      if (query.length == limit) break;
      query.bytes[query.length++] = u <= 0x7F ? static_cast<uint8_t>(u) : static_cast<uint8_t>((u & 0xFF) + 0x10);
    }
    endAtFirstNul(query);
    return query;
  }
  text = cleanTypedText(text);
  for (size_t i = 0; i < text.size() && query.length < limit; ++i) {
    // The search reads ё in headwords as е, so the query spells it е too;
    // a capital Ё as well, which would otherwise search for the byte of ё
    // and land before every Russian headword.
    const char16_t u = typedYoAsYe(text[i]);
    // A surrogate pair is one character without a place in the code page.
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
    const auto byte = narrowUnit(CodePage::Cyrillic1251, u);
    query.bytes[query.length++] = byte ? *byte : static_cast<uint8_t>('?');
  }
  lowerRussianBytes(query.bytes.data(), query.length);
  endAtFirstNul(query);
  return query;
}

}  // namespace orva
