// Damaged and hostile dictionary files: every reader must end in a defined
// outcome (nothing found, an unreadable entry, a reported problem) without
// reading out of bounds.
#include <gtest/gtest.h>

#include "article/article_page.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "support/test_files.h"
#include "text/typed_query.h"
#include "tools/dictionary_checker.h"
#include "tools/dictionary_dump.h"

namespace orva {
namespace {

using test::RawDictionary;


// Runs every reader over the file; returns the checker's report.
std::vector<std::string> exercise(const std::vector<uint8_t>& bytes) {
  test::TempDir dir;
  test::writeBytes(dir.file("hebrus.dic"), bytes);
  DictionaryFile file;
  if (!file.open(dir.file("hebrus.dic"))) return {"not opened"};
  const DeviceSettings device{kLanguageHebrew, CodePage::Hebrew1255};
  for (std::u16string_view typed : {u"א", u"ב", u"גשם", u"ת", u"בית ספר גדול מאוד"}) {
    const auto query = makeTypedQuery(typed, Direction::HebrewRussian, device);
    findTypedPrefix(query.view(), file, Direction::HebrewRussian, device);
  }
  RecordBuffer buffer{};
  for (uint32_t i = 0; i < std::min(file.entryCount(), 50u); ++i) {
    EntryRecord record{};
    const auto pos = readListRecordPos(file, i);
    if (!pos || !readRecord(file.handle, file.recordBase(), file.formatVersion(), *pos, buffer, record)) continue;
    PageCollector view;
    ShowArticlePage(record, Direction::HebrewRussian, device, file, view);
    EXPECT_EQ(view.completedPages(), 1);
  }
  std::string dumped, error;
  dumpDictionary(file, Direction::HebrewRussian, dumped, error);
  return checkDictionary(file, Direction::HebrewRussian);
}

TEST(MalformedFile, TheValidBaseChecksClean) {
  EXPECT_TRUE(exercise(test::threeHebrewEntries().bytes()).empty());
}

TEST(MalformedFile, HeaderSizesAtZeroAtMaximumAndPastTheEnd) {
  for (int64_t value : {int64_t{0}, int64_t{0xFFFFFFFF}, int64_t{1000}, int64_t{13}}) {
    RawDictionary a = test::threeHebrewEntries();
    a.searchIndexSize = value;
    RawDictionary b = test::threeHebrewEntries();
    b.entryTablesSize = value;
    RawDictionary c = test::threeHebrewEntries();
    c.entryCount = value;
    for (const RawDictionary* dict : {&a, &b, &c}) {
      const auto report = exercise(dict->bytes());
      if (value == 0 && dict == &a) continue;  // no search index is still a valid file
      EXPECT_FALSE(report.empty()) << value;
    }
  }
}

TEST(MalformedFile, TablesPointingIntoRecordsOrOutOfOrder) {
  RawDictionary intoRecord = test::threeHebrewEntries();
  intoRecord.listIndex[8 + 4] += 3;  // list entry 1 points three bytes into its record
  EXPECT_FALSE(exercise(intoRecord.bytes()).empty());

  RawDictionary unsortedIds = test::threeHebrewEntries();
  std::swap_ranges(unsortedIds.idIndex.begin(), unsortedIds.idIndex.begin() + 8, unsortedIds.idIndex.begin() + 16);
  EXPECT_FALSE(exercise(unsortedIds.bytes()).empty());

  RawDictionary searchPastRecords = test::threeHebrewEntries();
  searchPastRecords.searchIndex[10] = 0xFF;  // a key leading nowhere
  EXPECT_FALSE(exercise(searchPastRecords.bytes()).empty());
}

TEST(MalformedFile, RecordsThatLieAboutTheirLength) {
  RawDictionary pastEnd = test::threeHebrewEntries();
  pastEnd.records.back()[0] = 0xF0;  // runs past the end of the file
  EXPECT_FALSE(exercise(pastEnd.bytes()).empty());

  RawDictionary noNul = test::threeHebrewEntries();
  std::fill(noNul.records[1].begin() + 2, noNul.records[1].end(), 'x');
  EXPECT_FALSE(exercise(noNul.bytes()).empty());
}

TEST(MalformedFile, EmptyAndTinyFiles) {
  RawDictionary empty;
  EXPECT_TRUE(exercise(empty.bytes()).empty());
  auto bytes = test::threeHebrewEntries().bytes();
  for (size_t cut : {size_t{10}, size_t{31}, size_t{40}, bytes.size() - 1}) {
    exercise(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
  }
}

TEST(MalformedFile, HugeSparseFileClaimingManyEntries) {
  // A 2 GiB file of zeros (sparse on disk) whose header claims 200 million
  // entries: lookups find nothing readable, the list shows empty rows.
  test::TempDir dir;
  const std::string path = dir.file("hebrus.dic");
  RawDictionary dict;
  dict.entryCount = 200'000'000;
  dict.entryTablesSize = int64_t{200'000'000} * 16;
  dict.searchIndexSize = 14 * 1000;
  test::writeBytes(path, dict.bytes());
  ASSERT_EQ(truncate(path.c_str(), int64_t{2} << 30), 0);
  DictionaryFile file;
  ASSERT_TRUE(file.open(path));
  const DeviceSettings device{kLanguageHebrew, CodePage::Hebrew1255};
  const auto query = makeTypedQuery(u"שלום", Direction::HebrewRussian, device);
  const auto found = findTypedPrefix(query.view(), file, Direction::HebrewRussian, device);
  EXPECT_EQ(found, std::nullopt);  // every zero key sorts before the query
  RecordBuffer buffer{};
  EntryRecord record{};
  const auto pos = readListRecordPos(file, 150'000'000);
  ASSERT_TRUE(pos.has_value());
  EXPECT_FALSE(readRecord(file.handle, file.recordBase(), file.formatVersion(), *pos, buffer, record));
}

}  // namespace
}  // namespace orva
