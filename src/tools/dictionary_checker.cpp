// The dictionary checker.
#include "tools/dictionary_checker.h"

#include <array>
#include <map>
#include <string_view>

#include "store/record_reader.h"
#include "store/table_search.h"
#include "tools/dictionary_builder.h"
#include "tools/field_rules.h"

namespace orva {

namespace {

// Which bytes of a shown field of `script` are shown as control characters,
// worked out once per script.
bool controlByte(FieldScript script, uint8_t byte) {
  static const auto table = [] {
    std::array<std::array<bool, 256>, 2> t{};
    for (int b = 0; b < 256; ++b) {
      t[0][b] = showsAsControl(FieldScript::Russian, static_cast<uint8_t>(b));
      t[1][b] = showsAsControl(FieldScript::Hebrew, static_cast<uint8_t>(b));
    }
    return t;
  }();
  return table[script == FieldScript::Hebrew][byte];
}

class Checker {
 public:
  Checker(DictionaryFile& file, Direction direction, size_t limit)
      : file_(file), direction_(direction), limit_(limit) {}

  std::vector<std::string> run() {
    if (!checkSizes()) return finish();
    checkRecords();
    checkListIndex();
    checkIdIndex();
    checkSearchIndex();
    return finish();
  }

 private:
  void report(std::string message) {
    if (problems_.size() < limit_) problems_.push_back(std::move(message));
    ++total_;
  }

  std::vector<std::string> finish() {
    if (total_ > problems_.size())
      problems_.push_back("... and " + std::to_string(total_ - problems_.size()) + " more problems");
    return std::move(problems_);
  }

  bool checkSizes() {
    const DictionaryHeader& h = file_.header;
    const uint64_t size = file_.handle.size();
    bool ok = true;
    if (file_.formatVersion() != kSupportedFormatVersion) {
      report("format version is " + std::to_string(file_.formatVersion()) + ", not 1: no record can be read");
      ok = false;
    }
    if (h.searchIndexSize() % kSearchEntrySize != 0)
      report("search index size " + std::to_string(h.searchIndexSize()) + " is not a multiple of 14");
    if (uint64_t{h.entryTablesSize()} != uint64_t{h.entryCount()} * 16) {
      report("entry tables size " + std::to_string(h.entryTablesSize()) + " is not 16 x entry count " +
             std::to_string(h.entryCount()));
      ok = false;
    }
    // Summed in 64 bits, unlike the record base, so that sizes which wrap
    // it are caught.
    const uint64_t tablesEnd = kHeaderSize + uint64_t{h.searchIndexSize()} + h.entryTablesSize();
    if (tablesEnd > size) {
      report("the tables end at byte " + std::to_string(tablesEnd) + ", past the end of the file (" +
             std::to_string(size) + " bytes)");
      ok = false;
    }
    return ok;
  }

  bool read(uint32_t pos, RecordBuffer& buffer, EntryRecord& view) {
    view = EntryRecord{};
    return file_.readRecord(pos, buffer, view);
  }

  // Records must lie back to back from position 0 to the end of the file.
  void checkRecords() {
    const uint64_t end = file_.handle.size() - file_.recordBase();
    uint64_t pos = 0;
    uint32_t count = 0;
    RecordBuffer buffer{};
    EntryRecord view{};
    while (pos < end) {
      if (!read(static_cast<uint32_t>(pos), buffer, view)) {
        report("the record at position " + std::to_string(pos) + " cannot be read");
        return;
      }
      recordAt_[static_cast<uint32_t>(pos)] = count++;
      checkMarkup(static_cast<uint32_t>(pos), view);
      pos += view.recordLength;
    }
    if (pos != end) report("the last record runs past the end of the file");
    if (count != file_.header.entryCount())
      report("the file holds " + std::to_string(count) + " records, the header says " +
             std::to_string(file_.header.entryCount()));
  }

  // A shown text reaches the article page as it is.
  void checkMarkup(uint32_t pos, const EntryRecord& view) {
    for (int i = 0; i < kTextFieldCount; ++i) {
      const FieldRule rule = fieldRule(direction_, i);
      if (!rule.shown) continue;
      if (const auto issue = markupProblem(rule.script, view.field(i)))
        report("the record at position " + std::to_string(pos) + " (entry " + std::to_string(view.entryId) +
               ") has markup the article pages do not use in " + std::string(rule.keyword) + ": " + *issue);
    }
  }

  void checkListIndex() {
    RecordBuffer buffer{};
    EntryRecord view{};
    uint8_t entry[kListEntrySize];
    const uint32_t count = file_.header.entryCount();
    uint32_t previous = 0;
    std::string previousView;
    for (uint32_t i = 0; i < count; ++i) {
      if (!file_.readTableEntry(DictionaryTable::ListIndex, i, entry)) {
        report("list entry " + std::to_string(i) + " cannot be read");
        return;
      }
      const uint32_t pos = listEntryRecordPos(entry);
      if (!read(pos, buffer, view)) {
        report("list entry " + std::to_string(i) + " points at position " + std::to_string(pos) +
               ", where no record can be read");
        continue;
      }
      if (!recordAt_.count(pos))
        report("list entry " + std::to_string(i) + " points into the middle of a record (position " +
               std::to_string(pos) + ")");
      if (view.listOrdinal != i)
        report("list entry " + std::to_string(i) + " leads to a record whose list number is " +
               std::to_string(view.listOrdinal));
      for (int f = 0; f < kTextFieldCount; ++f) {
        const FieldRule rule = fieldRule(direction_, f);
        if (!rule.shown) continue;
        for (char c : view.field(f)) {
          if (controlByte(rule.script, static_cast<uint8_t>(c))) {
            report("list entry " + std::to_string(i) + ": its " + std::string(rule.keyword) +
                   " text holds a control character");
            break;
          }
        }
      }
      if (i > 0 && pos <= previous)
        report("list entry " + std::to_string(i) + " is not after list entry " + std::to_string(i - 1) +
               " in the record area");
      const std::string viewNow = collationView(direction_, view.headword());
      if (i > 0 && viewNow < previousView)
        report("headword of list entry " + std::to_string(i) + " sorts before that of entry " + std::to_string(i - 1));
      previousView = viewNow;
      previous = pos;
    }
  }

  void checkIdIndex() {
    RecordBuffer buffer{};
    EntryRecord view{};
    uint8_t entry[kIdEntrySize];
    const uint32_t count = file_.header.entryCount();
    int32_t previous = 0;
    for (uint32_t i = 0; i < count; ++i) {
      if (!file_.readTableEntry(DictionaryTable::IdIndex, i, entry)) {
        report("id entry " + std::to_string(i) + " cannot be read");
        return;
      }
      const int32_t id = idEntryId(entry);
      if (i > 0 && id <= previous)
        report("id entry " + std::to_string(i) + " (" + std::to_string(id) + ") is not greater than the one before (" +
               std::to_string(previous) + ")");
      previous = id;
      const uint32_t pos = idEntryRecordPos(entry);
      if (!read(pos, buffer, view)) {
        report("id entry " + std::to_string(i) + " points at position " + std::to_string(pos) +
               ", where no record can be read");
        continue;
      }
      if (static_cast<int32_t>(view.entryId) != id)
        report("id entry " + std::to_string(i) + " says " + std::to_string(id) + ", its record says " +
               std::to_string(view.entryId));
    }
  }

  void checkSearchIndex() {
    RecordBuffer buffer{};
    EntryRecord view{};
    const uint32_t count = file_.header.searchEntryCount();
    std::string previousView;
    for (uint32_t i = 0; i < count; ++i) {
      uint8_t entry[kSearchEntrySize];
      if (!file_.readTableEntry(DictionaryTable::SearchIndex, i, entry)) {
        report("search entry " + std::to_string(i) + " cannot be read");
        return;
      }
      size_t length = 0;
      while (length < kSearchKeyBytes && entry[length] != 0) ++length;
      const std::string key(reinterpret_cast<const char*>(entry), length);
      const std::string keyView = collationView(direction_, key);
      // std::string compares bytes as unsigned, as the search does.
      if (i > 0 && keyView < previousView)
        report("search entry " + std::to_string(i) + " sorts before the one before it");
      previousView = keyView;
      const uint32_t pos = searchEntryRecordPos(entry);
      if (!read(pos, buffer, view)) {
        report("search entry " + std::to_string(i) + " points at position " + std::to_string(pos) +
               ", where no record can be read");
        continue;
      }
      if (searchKeyOf(direction_, view.headword()).substr(0, length) != key || length == 0)
        report("search entry " + std::to_string(i) + " leads to a record whose headword does not begin with its key");
    }
  }

  DictionaryFile& file_;
  Direction direction_;
  size_t limit_;
  std::vector<std::string> problems_;
  size_t total_ = 0;
  std::map<uint32_t, uint32_t> recordAt_;
};

}  // namespace

std::vector<std::string> checkDictionary(DictionaryFile& file, Direction direction, size_t limit) {
  if (!file.isOpen()) return {"the file is not open"};
  return Checker(file, direction, limit).run();
}

}  // namespace orva
