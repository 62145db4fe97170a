// Reading one scrambled record at its position and decoding it into an
// EntryRecord whose texts point into the caller's record buffer.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "store/dictionary_format.h"
#include "store/entry_fields.h"
#include "store/file_access.h"

namespace orva {

using RecordBuffer = std::array<uint8_t, kRecordBufferSize>;

// One decoded record. The texts point into the record buffer it was read
// into and stay valid only until the next read into that buffer.
struct EntryRecord {
  uint16_t recordLength = 0;
  uint32_t entryId = 0;
  const char* text[kTextFieldCount] = {};
  std::array<uint8_t, kAttributeCount> attributes{};
  uint32_t listOrdinal = 0;

  // Text field i as a view (empty when never read).
  std::string_view field(int i) const { return text[i] ? std::string_view(text[i]) : std::string_view(); }
  std::string_view headword() const { return field(kHeadwordField); }
  std::string_view displayHeadword() const { return field(kDisplayField); }
  std::string_view translation() const { return field(kTranslationField); }
  std::string_view russian() const { return field(kRussianField); }
  uint8_t number() const { return attributes[kNumberAttribute]; }
  uint8_t gender() const { return attributes[kGenderAttribute]; }
  uint8_t construct() const { return attributes[kConstructAttribute]; }
  // Related entries share a group; the form code tells them apart.
  uint32_t group() const { return entryId / kFormsPerGroup; }
  uint32_t formCode() const { return entryId % kFormsPerGroup; }
};

// XORs byte i of the block with byte (i mod 4) of the key, least significant
// byte first. The same call scrambles and descrambles.
void descramble(uint32_t key, uint8_t* block, size_t length);

// Reads, descrambles and decodes the record at `recordPos` (relative to
// `recordBase`). On failure returns false and leaves every field of `view`
// but recordLength as it was. A record that would not fit `buffer`, or whose
// six texts and trailer do not fit inside its own length, is refused.
bool readRecord(RandomAccessFile& file, uint32_t recordBase, uint32_t formatVersion,
                uint32_t recordPos, RecordBuffer& buffer, EntryRecord& view);

}  // namespace orva
