// Opening and closing the pair of dictionaries.
#include <gtest/gtest.h>

#include "store/dictionary_pair.h"
#include "support/test_files.h"

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
  EXPECT_EQ(pair.file(Direction::HebrewRussian).formatVersion, 1u);
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
  EXPECT_EQ(pair.hebrewRussian.formatVersion, 0u);
}

}  // namespace
}  // namespace orva
