// The search and walk of a headword lookup.
#include "store/prefix_search.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "store/list_index.h"
#include "store/record_reader.h"
#include "store/table_search.h"
#include "text/collation.h"

namespace orva {

namespace {

// How many records after the first match are looked at for a headword
// spelled exactly as typed: alike spellings sort together, and a word has
// only a few (סכו"ם, סכום).
constexpr int kAlikeSpellingsLookedAt = 8;

// Hebrew headwords that differ only by a geresh or gershayim sort as one
// word, the quoted spelling often first (סכו"ם, "cutlery", before סכום,
// "sum"). When the first match is not spelled as typed, a headword among
// the next few that begin with the query and is spelled exactly as typed
// is the word the user means. Its list number, checked against the list
// like any answer; nothing when there is none.
std::optional<uint32_t> exactSpellingAmongAlike(DictionaryFile& file, uint32_t pos, uint16_t firstLength,
                                                std::string_view query, std::string_view typed) {
  RecordBuffer buffer{};
  EntryRecord view{};
  uint16_t length = firstLength;
  for (int i = 0; i < kAlikeSpellingsLookedAt; ++i) {
    if (length == 0 || length > UINT32_MAX - pos) return std::nullopt;
    pos += length;
    if (!file.readRecord(pos, buffer, view)) return std::nullopt;
    const std::string_view headword = view.headword();
    if (!headwordBeginsWith(headword, query, Direction::HebrewRussian)) return std::nullopt;
    if (headword == typed) {
      if (readListRecordPos(file, view.listOrdinal) != pos) return std::nullopt;
      return view.listOrdinal;
    }
    length = view.recordLength;
  }
  return std::nullopt;
}

}  // namespace

// The walk compares bytes: each code page widens distinct bytes to distinct
// characters, so the device's code page cannot change whether a headword
// begins with the query.
std::optional<uint32_t> findTypedPrefix(std::string_view query, DictionaryFile& file, Direction direction,
                                        const DeviceSettings& /*device*/) {
  if (!file.isOpen()) return std::nullopt;
  query = query.substr(0, std::min(query.find('\0'), query.size()));
  const std::string_view typed = query;

  // The search index orders Hebrew keys as if their first quote were not
  // there, which is how a query without quotes compares with them. A query
  // typed with a geresh or gershayim would compare out of that order and
  // land elsewhere, so its quotes are left out of the search.
  std::string unquoted;
  if (direction == Direction::HebrewRussian && query.find_first_of("'\"") != std::string_view::npos) {
    unquoted = withoutHebrewQuotes(query);
    query = unquoted;
  }

  // The search key is the query's first ten bytes; a tenth byte below 0x7F
  // (a Latin letter, digit, blank or hyphen) is dropped.
  SearchKey key{};
  size_t keyLength = std::min(query.size(), kSearchKeyBytes);
  for (size_t i = 0; i < keyLength; ++i) key[i] = static_cast<uint8_t>(query[i]);
  if (keyLength == kSearchKeyBytes && key[9] < 0x7F) key[--keyLength] = 0;

  uint8_t entry[kSearchEntrySize];
  const bool found = findEntry(file.handle, file.searchEntryCount(), kSearchEntrySize,
                               file.header.searchIndexOffset(), entry,
                               [&](const uint8_t* e) { return compareSearchKey(direction, key, e); });
  if (!found) return std::nullopt;

  RecordBuffer buffer{};
  EntryRecord view{};
  uint32_t pos = searchEntryRecordPos(entry);
  bool ok = file.readRecord(pos, buffer, view);
  // No record read at all: the search led nowhere readable, which is not
  // list entry 0 or any other entry.
  if (!ok) return std::nullopt;
  uint32_t readPos = pos;  // the last record read successfully
  while (ok) {
    readPos = pos;
    if (query.size() <= kSearchKeyBytes) break;  // short queries take the indexed record
    const std::string_view headword = view.headword();
    if (headwordBeginsWith(headword, query, direction)) break;
    if (headword.empty() || !sameLookupByte(static_cast<uint8_t>(headword[0]), static_cast<uint8_t>(query[0]), direction))
      break;
    if (view.recordLength > UINT32_MAX - pos) break;  // no record lies past 4 GiB
    pos += view.recordLength;
    ok = file.readRecord(pos, buffer, view);
  }
  // A failed step leaves the view on the last record read (all but its
  // length). Its list number is the answer only when the list shows that
  // record there; a damaged file whose record names another row would
  // otherwise show that row.
  if (readListRecordPos(file, view.listOrdinal) != readPos) return std::nullopt;
  if (ok && direction == Direction::HebrewRussian && view.headword() != typed &&
      view.headword().find_first_of("'\"") != std::string_view::npos &&
      headwordBeginsWith(view.headword(), query, direction)) {
    if (const auto exact = exactSpellingAmongAlike(file, readPos, view.recordLength, query, typed)) return exact;
  }
  return view.listOrdinal;
}

}  // namespace orva
