// Typed text as input: the first byte picks the direction and the device,
// the rest is UTF-16 (little-endian units, unpaired surrogates, bidi marks
// and NULs included) as the word box would hand it over. It is converted to
// a query and looked up in the example dictionaries.
#include <string>

#include "fuzz_support.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "store/record_reader.h"
#include "text/typed_query.h"

namespace orva::fuzz {
namespace {

struct Dictionaries {
  MemoryFile russianMemory{"rusheb"};
  MemoryFile hebrewMemory{"hebrus"};
  DictionaryFile russianHebrew;
  DictionaryFile hebrewRussian;

  Dictionaries() {
    if (!russianMemory.load(exampleDictionary(Direction::RussianHebrew), russianHebrew) ||
        !hebrewMemory.load(exampleDictionary(Direction::HebrewRussian), hebrewRussian))
      fail("the example dictionaries do not open");
  }
};

}  // namespace
}  // namespace orva::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orva;
  using namespace orva::fuzz;
  if (size < 1) return 0;
  static Dictionaries dictionaries;
  const Direction direction = directionFromByte(data[0]);
  const DeviceSettings device = deviceFromByte(static_cast<uint8_t>(data[0] >> 1));
  DictionaryFile& file =
      direction == Direction::RussianHebrew ? dictionaries.russianHebrew : dictionaries.hebrewRussian;

  std::u16string typed((size - 1) / 2, u'\0');
  for (size_t i = 0; i < typed.size(); ++i)
    typed[i] = static_cast<char16_t>(data[1 + 2 * i] | (data[2 + 2 * i] << 8));

  const TypedQuery query = makeTypedQuery(typed, direction, device);
  if (query.length >= kQueryBufferSize) fail("the query overran its area");
  if (query.view().find('\0') != std::string_view::npos) fail("the query holds a NUL");
  for (size_t i = query.length; i < kQueryBufferSize; ++i)
    if (query.bytes[i] != 0) fail("the query area is not zero past its end");

  const auto found = findTypedPrefix(query.view(), file, direction, device);
  if (!found) return 0;
  // The example dictionaries are valid: whatever is found is a readable
  // entry of the list.
  if (*found >= file.entryCount()) fail("the lookup found a list number past the last entry");
  const auto pos = readListRecordPos(file, *found);
  RecordBuffer buffer{};
  EntryRecord record{};
  if (!pos || !file.readRecord(*pos, buffer, record))
    fail("the entry found cannot be read");
  if (record.listOrdinal != *found) fail("the entry found is not the one the list shows");
  return 0;
}
