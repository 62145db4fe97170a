// Finding the first headword that begins with a query: a binary search of
// the search index on the query's first ten bytes and, for longer queries,
// a short walk forward over the records.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "store/dictionary_pair.h"
#include "store/direction.h"
#include "text/device_settings.h"

namespace orva {

// The list number of the entry found for `query` (dictionary bytes, at most
// 511) in `file`, or nullopt when the query sorts after every search key or
// the file is not open. When even the first record cannot be read the
// result is list number 0.
std::optional<uint32_t> findTypedPrefix(std::string_view query, DictionaryFile& file, Direction direction,
                                        const DeviceSettings& device);

}  // namespace orva
