// Headword-list index reads.
#include "store/list_index.h"

namespace orva {

std::optional<uint32_t> readListRecordPos(DictionaryFile& file, uint32_t index) {
  if (!file.isOpen() || index >= file.entryCount()) return std::nullopt;
  uint8_t entry[kListEntrySize];
  if (!file.handle.readExactly(file.header.listIndexOffset() + uint64_t{index} * kListEntrySize, kListEntrySize, entry))
    return std::nullopt;
  return listEntryRecordPos(entry);
}

}  // namespace orva
