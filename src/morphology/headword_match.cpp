// Exact headword matches, group walks and list neighbourhoods over one
// dictionary file.
#include "morphology/headword_match.h"

#include "text/collation.h"

#include <algorithm>

#include "article/article_page.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "store/record_reader.h"
#include "store/table_search.h"
#include "text/typed_query.h"

namespace orva {

namespace {

// How many entries after the lookup's find are compared with the word: the
// search lands on the first headword with the word's first ten bytes, so
// only longer words sharing them, or spellings the folding joins, come
// between.
constexpr uint32_t kExactWalkLimit = 64;

bool isQuoteByte(char c) { return c == '\'' || c == '"'; }

std::optional<HeadwordEntry> entryAt(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                     uint32_t recordPos) {
  RecordBuffer buffer{};
  EntryRecord record{};
  if (!file.readRecord(recordPos, buffer, record)) return std::nullopt;
  return HeadwordEntry{record.listOrdinal, record.entryId, comparisonKey(record.headword(), direction),
                       WordBoxText(record, direction, device)};
}

std::optional<HeadwordEntry> listEntry(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                       uint32_t index) {
  const auto pos = readListRecordPos(file, index);
  if (!pos) return std::nullopt;
  auto entry = entryAt(file, direction, device, *pos);
  // A record that names another slot than the one that leads to it is
  // damaged; the list shows the slot, so the slot is what the hint names.
  if (entry) entry->listOrdinal = index;
  return entry;
}

// The lookup's own conversion, on a device that keeps Hebrew in logical
// order: `word` is already logical.
DeviceSettings logicalOrderDevice() {
  DeviceSettings device;
  device.language = kLanguageHebrew;
  return device;
}

}  // namespace

std::string comparisonKey(std::string_view bytes, Direction direction) {
  std::string key;
  key.reserve(bytes.size());
  for (char c : bytes) {
    if (direction == Direction::RussianHebrew) {
      key.push_back(static_cast<char>(foldRussianByte(static_cast<uint8_t>(c))));
    } else if (!isQuoteByte(c)) {
      key.push_back(c);
    }
  }
  return key;
}

std::string comparisonKeyOfWord(std::u16string_view word, Direction direction) {
  const TypedQuery query = makeTypedQuery(word, direction, logicalOrderDevice());
  return comparisonKey(query.view(), direction);
}

std::optional<uint32_t> insertionPoint(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                       std::string_view query) {
  if (!file.isOpen() || file.entryCount() == 0) return std::nullopt;
  const auto found = findTypedPrefix(query, file, direction, device);
  if (!found) return file.entryCount() - 1;
  return std::min(*found, file.entryCount() - 1);
}

std::optional<HeadwordEntry> findHeadword(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                          std::u16string_view word) {
  if (word.empty() || !file.isOpen()) return std::nullopt;
  const TypedQuery query = makeTypedQuery(word, direction, logicalOrderDevice());
  const std::string key = comparisonKey(query.view(), direction);
  if (key.empty() || key.find('?') != std::string::npos) return std::nullopt;
  const auto start = findTypedPrefix(query.view(), file, direction, logicalOrderDevice());
  if (!start) return std::nullopt;
  const uint32_t end = std::min<uint64_t>(file.entryCount(), uint64_t{*start} + kExactWalkLimit);
  for (uint32_t i = *start; i < end; ++i) {
    auto entry = listEntry(file, direction, device, i);
    if (!entry) return std::nullopt;
    if (entry->key == key) return entry;
    // Past the headwords that begin with the word: it is not there.
    if (entry->key.compare(0, key.size(), key) != 0 && i > *start) return std::nullopt;
  }
  return std::nullopt;
}

std::vector<HeadwordEntry> groupEntries(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                        uint32_t group, size_t limit) {
  std::vector<HeadwordEntry> entries;
  if (!file.isOpen() || group > INT32_MAX / 1000) return entries;
  const int32_t firstId = static_cast<int32_t>(group * 1000);
  uint8_t entry[kIdEntrySize];
  const uint32_t count = file.entryCount();
  const uint64_t table = file.header.idIndexOffset();
  auto index = findEntryIndex(file.handle, count, kIdEntrySize, table, entry,
                              [&](const uint8_t* e) { return compareEntryId(firstId, e); });
  if (!index) return entries;
  // The search finds an equal entry, not necessarily the first: step back to
  // the group's first entry.
  uint32_t i = *index;
  while (i > 0 && entries.size() < limit) {
    if (!file.readTableEntry(DictionaryTable::IdIndex, i - 1, entry)) break;
    if (idEntryId(entry) < firstId) break;
    --i;
  }
  for (; i < count && entries.size() < limit; ++i) {
    if (!file.readTableEntry(DictionaryTable::IdIndex, i, entry)) break;
    const int32_t id = idEntryId(entry);
    if (id < firstId || static_cast<uint32_t>(id) / 1000 != group) break;
    if (auto e = entryAt(file, direction, device, idEntryRecordPos(entry))) entries.push_back(std::move(*e));
  }
  return entries;
}

std::vector<HeadwordEntry> listEntries(DictionaryFile& file, Direction direction, const DeviceSettings& device,
                                       uint32_t first, uint32_t last) {
  std::vector<HeadwordEntry> entries;
  const uint32_t count = file.entryCount();
  if (count == 0 || first >= count) return entries;
  last = std::min(last, count - 1);
  for (uint32_t i = first; i <= last; ++i)
    if (auto e = listEntry(file, direction, device, i)) entries.push_back(std::move(*e));
  return entries;
}

}  // namespace orva
