// Record reading and decoding.
#include "store/record_reader.h"

#include <cstring>

namespace orva {

void descramble(uint32_t key, uint8_t* block, size_t length) {
  for (size_t i = 0; i < length; ++i) block[i] ^= static_cast<uint8_t>(key >> (8 * (i % 4)));
}

bool readRecord(RandomAccessFile& file, uint32_t recordBase, uint32_t formatVersion,
                uint32_t recordPos, RecordBuffer& buffer, EntryRecord& view) {
  if (!file.isOpen() || formatVersion != kSupportedFormatVersion) return false;
  const uint64_t offset = uint64_t{recordBase} + recordPos;
  if (!file.readExactly(offset, 2, buffer.data())) return false;

  const uint32_t key = recordKey(recordPos);
  uint8_t lengthBytes[2] = {buffer[0], buffer[1]};
  descramble(key, lengthBytes, 2);
  const uint16_t recordLength = decodeFixed16(lengthBytes);
  view.recordLength = recordLength;

  // A length of 0 or 1 wraps to a huge body and is refused here.
  const uint16_t bodyLength = static_cast<uint16_t>(recordLength - 2);
  if (bodyLength > kMaxRecordBody) return false;
  const size_t total = size_t{bodyLength} + 2;
  if (total > buffer.size()) return false;
  if (!file.readExactly(offset + 2, bodyLength, buffer.data() + 2)) return false;
  descramble(key, buffer.data(), total);

  // Decode into locals first, so that a malformed record changes nothing.
  const char* texts[kTextFieldCount];
  size_t pos = 2;
  for (int i = 0; i < kTextFieldCount; ++i) {
    const void* nul = pos < total ? std::memchr(buffer.data() + pos, 0, total - pos) : nullptr;
    if (nul == nullptr) return false;
    texts[i] = reinterpret_cast<const char*>(buffer.data() + pos);
    pos = static_cast<size_t>(static_cast<const uint8_t*>(nul) - buffer.data()) + 1;
  }
  if (total - pos < kRecordTrailerSize) return false;

  for (int i = 0; i < kTextFieldCount; ++i) view.text[i] = texts[i];
  std::memcpy(view.attributes.data(), buffer.data() + pos, kAttributeCount);
  view.entryId = decodeFixed32(buffer.data() + pos + kAttributeCount);
  view.listOrdinal = decodeFixed32(buffer.data() + pos + kAttributeCount + 4);
  return true;
}

}  // namespace orva
