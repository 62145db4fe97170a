// Headword-list index reads.
#include "store/list_index.h"

#include <algorithm>

namespace orva {

std::optional<uint32_t> readListRecordPos(DictionaryFile& file, uint32_t index) {
  if (!file.isOpen() || index >= file.entryCount()) return std::nullopt;
  uint8_t entry[kListEntrySize];
  if (!file.readTableEntry(DictionaryTable::ListIndex, index, entry)) return std::nullopt;
  return listEntryRecordPos(entry);
}

uint32_t heldListEntries(const DictionaryFile& file) {
  const uint64_t start = file.header.listIndexOffset();
  const uint64_t size = file.handle.size();
  if (!file.isOpen() || start >= size) return 0;
  return static_cast<uint32_t>(std::min<uint64_t>(file.entryCount(), (size - start) / kListEntrySize));
}

}  // namespace orva
