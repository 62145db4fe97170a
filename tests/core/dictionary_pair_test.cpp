// Opening and closing the pair of dictionaries.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

#include "store/dictionary_pair.h"
#include "store/prefix_search.h"
#include "support/test_files.h"
#include "text/typed_query.h"

namespace orva {
namespace {

using test::RecordingSink;
using test::TempDir;

const char* const kRussianSource = "entry 1 1\nheadword дом\n";
const char* const kHebrewSource = "entry 1 1\nheadword בית\nentry 2 1\nheadword ספר\n";

TEST(OpenDictionaries, BothPresentOpenSilently) {
  TempDir dir;
  test::writeBytes(dir.file("rusheb.dic"), test::buildFromSource(Direction::RussianHebrew, kRussianSource));
  test::writeBytes(dir.file("hebrus.dic"), test::buildFromSource(Direction::HebrewRussian, kHebrewSource));
  DictionaryPair pair;
  RecordingSink sink;
  openDictionaries(pair, dir.path(), sink);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(pair.file(Direction::HebrewRussian).entryCount(), 2u);
  EXPECT_EQ(pair.file(Direction::RussianHebrew).entryCount(), 1u);
  EXPECT_EQ(pair.file(Direction::HebrewRussian).formatVersion(), 1u);
  closeDictionaries(pair);
  closeDictionaries(pair);  // the second close does nothing
  EXPECT_FALSE(pair.russianHebrew.isOpen());
  EXPECT_EQ(pair.file(Direction::HebrewRussian).entryCount(), 0u);
}

TEST(OpenDictionaries, EachMissingFileIsReportedInOrder) {
  TempDir dir;
  DictionaryPair pair;
  RecordingSink sink;
  openDictionaries(pair, dir.path(), sink);
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(test::u8(sink.messages[0]), "Error | Can't open rus-heb database!");
  EXPECT_EQ(test::u8(sink.messages[1]), "Error | Can't open heb-rus database!");

  test::writeBytes(dir.file("hebrus.dic"), test::buildFromSource(Direction::HebrewRussian, kHebrewSource));
  sink.messages.clear();
  openDictionaries(pair, dir.path(), sink);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(test::u8(sink.messages[0]), "Error | Can't open rus-heb database!");
  EXPECT_TRUE(pair.hebrewRussian.isOpen());
  // Nothing is read from the missing file: its header values are zero.
  EXPECT_EQ(pair.russianHebrew.entryCount(), 0u);
  EXPECT_EQ(pair.russianHebrew.searchEntryCount(), 0u);
}

TEST(OpenDictionaries, FileShorterThanItsHeaderCountsAsMissing) {
  TempDir dir;
  test::writeBytes(dir.file("rusheb.dic"), std::vector<uint8_t>(10, 0));
  test::writeBytes(dir.file("hebrus.dic"), std::vector<uint8_t>(31, 0));
  DictionaryPair pair;
  RecordingSink sink;
  openDictionaries(pair, dir.path(), sink);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_FALSE(pair.russianHebrew.isOpen());
  EXPECT_TRUE(pair.hebrewRussian.isOpen());  // 31 zero bytes: a header of an empty, unreadable file
  EXPECT_EQ(pair.hebrewRussian.formatVersion(), 0u);
}

// Header values come from the file's own header, and each table is read
// where the header places it.
TEST(OpenDictionaries, HeaderValuesAndTableEntriesComeFromTheHeaderRead) {
  TempDir dir;
  test::RawDictionary dict = test::threeHebrewEntries();
  test::addSearchEntry(dict.searchIndex, "zz", 0);
  test::writeBytes(dir.file("hebrus.dic"), dict.bytes());
  DictionaryFile file;
  ASSERT_TRUE(file.open(dir.file("hebrus.dic")));
  EXPECT_EQ(file.recordBase(), kHeaderSize + dict.searchIndex.size() + dict.listIndex.size() + dict.idIndex.size());
  EXPECT_EQ(file.formatVersion(), 1u);
  uint8_t entry[kSearchEntrySize];
  ASSERT_TRUE(file.readTableEntry(DictionaryTable::IdIndex, 2, entry));
  EXPECT_EQ(std::vector<uint8_t>(entry, entry + kIdEntrySize),
            std::vector<uint8_t>(dict.idIndex.begin() + 16, dict.idIndex.begin() + 24));
  ASSERT_TRUE(file.readTableEntry(DictionaryTable::ListIndex, 1, entry));
  EXPECT_EQ(listEntryRecordPos(entry), decodeFixed32(&dict.listIndex[12]));
  const uint32_t last = file.searchEntryCount() - 1;
  ASSERT_TRUE(file.readTableEntry(DictionaryTable::SearchIndex, last, entry));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(entry)), "zz");
  RecordBuffer buffer{};
  EntryRecord record{};
  ASSERT_TRUE(file.readRecord(searchEntryRecordPos(entry), buffer, record));
  EXPECT_EQ(record.entryId, 7001u);
  // Past the end of the file a table read fails; a closed file has no values.
  EXPECT_FALSE(file.readTableEntry(DictionaryTable::IdIndex, 1u << 30, entry));
  file.close();
  EXPECT_EQ(file.recordBase(), 0u);
  EXPECT_EQ(file.formatVersion(), 0u);
  EXPECT_FALSE(file.readRecord(0, buffer, record));
  EXPECT_FALSE(file.readTableEntry(DictionaryTable::ListIndex, 0, entry));
}

// What a lookup of `typed` finds in `file`, as text.
std::string lookUp(DictionaryFile& file, const std::u16string& typed) {
  const DeviceSettings device{kLanguageHebrew, CodePage::Hebrew1255};
  const auto found = findTypedPrefix(makeTypedQuery(typed, Direction::HebrewRussian, device).view(), file,
                                     Direction::HebrewRussian, device);
  return found ? std::to_string(*found) : "-";
}

// A dictionary replaced or rewritten while open is opened again, so that its
// header and its bytes belong to the same file; one that goes away leaves
// the file closed until it is back.
TEST(ReopenIfChanged, FollowsTheFileAtItsPath) {
  for (FileAccessMode mode : {FileAccessMode::Mapped, FileAccessMode::PositionalRead, FileAccessMode::BufferedStream}) {
    TempDir dir;
    const std::string path = dir.file("hebrus.dic");
    const std::vector<uint8_t> two = test::buildFromSource(Direction::HebrewRussian, kHebrewSource);
    const std::vector<uint8_t> three = test::buildFromSource(
        Direction::HebrewRussian, "entry 1 1\nheadword אב\nentry 2 1\nheadword בית\nentry 3 1\nheadword ספר\n");
    test::writeBytes(path, two);
    DictionaryFile file;
    ASSERT_TRUE(file.open(path, mode));
    EXPECT_EQ(file.reopenIfChanged(), FileChange::Unchanged);
    EXPECT_EQ(lookUp(file, u"ספר"), "1");

    // Renamed over: another inode.
    test::writeBytes(dir.file("new.dic"), three);
    ASSERT_EQ(std::rename(dir.file("new.dic").c_str(), path.c_str()), 0);
    EXPECT_EQ(file.reopenIfChanged(), FileChange::Reopened);
    EXPECT_EQ(file.entryCount(), 3u);
    EXPECT_EQ(lookUp(file, u"ספר"), "2");
    EXPECT_EQ(file.reopenIfChanged(), FileChange::Unchanged);

    // Copied over in place: the same inode, another size.
    test::writeBytes(path, two);
    EXPECT_EQ(file.reopenIfChanged(), FileChange::Reopened);
    EXPECT_EQ(file.entryCount(), 2u);
    EXPECT_EQ(lookUp(file, u"ספר"), "1");

    // Cut in half in place: what is left is what is read.
    ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(two.size() / 2)), 0);
    EXPECT_EQ(file.reopenIfChanged(), FileChange::Reopened);
    EXPECT_EQ(file.handle.size(), two.size() / 2);

    // Gone, then back.
    ASSERT_EQ(std::remove(path.c_str()), 0);
    EXPECT_EQ(file.reopenIfChanged(), FileChange::Gone);
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(lookUp(file, u"ספר"), "-");
    EXPECT_EQ(file.reopenIfChanged(), FileChange::Gone);
    test::writeBytes(path, three);
    EXPECT_EQ(file.reopenIfChanged(), FileChange::Reopened);
    EXPECT_EQ(file.handle.mode(), mode);
    EXPECT_EQ(lookUp(file, u"ספר"), "2");

    // A file closed on purpose, or never opened, is left alone.
    file.close();
    EXPECT_EQ(file.reopenIfChanged(), FileChange::Unchanged);
    EXPECT_FALSE(file.isOpen());
  }
}

}  // namespace
}  // namespace orva
