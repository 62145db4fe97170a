// The bytes of a dictionary file: a 31-byte header, the search index of
// 14-byte keys, the headword-list index and the id index of 8-byte entries,
// and the area of scrambled variable-length records.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "store/byte_order.h"

namespace orva {

inline constexpr size_t kHeaderSize = 31;
inline constexpr uint32_t kSupportedFormatVersion = 1;
inline constexpr size_t kSearchEntrySize = 14;
inline constexpr size_t kSearchKeyBytes = 10;
inline constexpr size_t kListEntrySize = 8;
inline constexpr size_t kIdEntrySize = 8;
inline constexpr size_t kRecordBufferSize = 4096;
inline constexpr uint32_t kMaxRecordBody = 0x8000;
inline constexpr uint32_t kRecordKeyFactor = 0x005A454B;
inline constexpr int kTextFieldCount = 6;
inline constexpr int kAttributeCount = 6;
// Six attribute bytes, the entry id and the list number follow the texts.
inline constexpr size_t kRecordTrailerSize = kAttributeCount + 4 + 4;

// Header field offsets.
inline constexpr size_t kFormatVersionOffset = 4;
inline constexpr size_t kSearchIndexSizeOffset = 14;
inline constexpr size_t kEntryTablesSizeOffset = 18;
inline constexpr size_t kEntryCountOffset = 22;

// The three tables of a dictionary file.
enum class DictionaryTable { SearchIndex, ListIndex, IdIndex };

inline constexpr uint32_t tableEntrySize(DictionaryTable table) {
  return table == DictionaryTable::SearchIndex ? kSearchEntrySize
         : table == DictionaryTable::ListIndex ? kListEntrySize
                                               : kIdEntrySize;
}

// A view of the 31 header bytes. Reserved bytes are kept but never read.
struct DictionaryHeader {
  std::array<uint8_t, kHeaderSize> bytes{};

  uint32_t formatVersion() const { return decodeFixed32(&bytes[kFormatVersionOffset]); }
  uint32_t searchIndexSize() const { return decodeFixed32(&bytes[kSearchIndexSizeOffset]); }
  uint32_t entryTablesSize() const { return decodeFixed32(&bytes[kEntryTablesSizeOffset]); }
  uint32_t entryCount() const { return decodeFixed32(&bytes[kEntryCountOffset]); }

  uint32_t searchEntryCount() const { return searchIndexSize() / kSearchEntrySize; }
  // The record area starts after the header and the three tables. The sum
  // wraps in 32 bits exactly as the stored sizes say; offsets built on it
  // are 64-bit.
  uint32_t recordBase() const {
    return entryTablesSize() + searchIndexSize() + static_cast<uint32_t>(kHeaderSize);
  }
  uint64_t searchIndexOffset() const { return kHeaderSize; }
  uint64_t listIndexOffset() const { return kHeaderSize + uint64_t{searchIndexSize()}; }
  // The id index starts half of the two tables' size past the list index.
  uint64_t idIndexOffset() const { return listIndexOffset() + (entryTablesSize() >> 1); }
  uint64_t tableOffset(DictionaryTable table) const {
    return table == DictionaryTable::SearchIndex ? searchIndexOffset()
           : table == DictionaryTable::ListIndex ? listIndexOffset()
                                                 : idIndexOffset();
  }
};

// Scrambling key of the record at `recordPos`.
inline uint32_t recordKey(uint32_t recordPos) {
  return static_cast<uint32_t>(kRecordKeyFactor * (uint64_t{recordPos} + 1));
}

// Search index entry: up to ten key bytes (NUL-padded; a ten-byte key has no
// terminator) and the record position the key leads to.
inline uint32_t searchEntryRecordPos(const uint8_t* entry) { return decodeFixed32(entry + 10); }

// List index entry: four reserved bytes, then the record position.
inline uint32_t listEntryRecordPos(const uint8_t* entry) { return decodeFixed32(entry + 4); }

// Id index entry: the entry id, then the record position.
inline int32_t idEntryId(const uint8_t* entry) { return static_cast<int32_t>(decodeFixed32(entry)); }
inline uint32_t idEntryRecordPos(const uint8_t* entry) { return decodeFixed32(entry + 4); }

}  // namespace orva
