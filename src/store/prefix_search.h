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
// the file is not open. A walk that stops at a record it cannot read answers
// with the last record it did read. Nothing is found when no record could
// be read at all, or when the list does not show the record found at the
// list number the record gives: an unreadable answer is never another entry.
std::optional<uint32_t> findTypedPrefix(std::string_view query, DictionaryFile& file, Direction direction,
                                        const DeviceSettings& device);

}  // namespace orva
