// The window over a dictionary that is damaged, or replaced while it is
// open: a lookup never lands on an entry it did not read, and a replaced
// file is taken up again with a fresh list.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "store/dictionary_format.h"
#include "store/dictionary_pair.h"
#include "store/list_index.h"
#include "window_fixture.h"

namespace orva {
namespace {

class ChangedDictionaryTest : public test::WindowTest {};

TEST_F(ChangedDictionaryTest, ALookupLandingOnAnUnreadableRecordMovesNothing) {
  // The record of entry 27 (сад) is damaged: its length reads as 0. The
  // search index still leads there, but the record cannot be read.
  const std::string path = dir_.file("rusheb.dic");
  test::writeRussianDictionary(path);
  std::vector<uint8_t> bytes = test::readBytes(path);
  {
    DictionaryFile file;
    ASSERT_TRUE(file.open(path));
    const uint32_t pos = *readListRecordPos(file, 27);
    const uint32_t key = recordKey(pos);
    bytes[uint64_t{file.recordBase()} + pos] = static_cast<uint8_t>(key);
    bytes[uint64_t{file.recordBase()} + pos + 1] = static_cast<uint8_t>(key >> 8);
  }
  test::writeBytes(path, bytes);
  start(/*russian=*/false);  // keep the damaged file
  russianHebrew();
  activateWordBox();
  ui().type(u"к");
  EXPECT_EQ(list().topIndex(), 17);  // книга
  const std::string shown = page();
  ASSERT_NE(shown.find("книга"), std::string::npos);
  ui().erase();
  ui().type(u"с");  // leads to сад
  EXPECT_EQ(list().topIndex(), 17);
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_EQ(page(), shown);
  EXPECT_FALSE(dialog().suppressNextChange());
}

TEST_F(ChangedDictionaryTest, AReplacedDictionaryIsReopenedWithAFreshList) {
  start();
  russianHebrew();
  activateWordBox();
  ui().type(u"ко");
  EXPECT_EQ(list().topIndex(), 18);  // кот among 30 entries

  // Another dictionary renamed over the open one.
  test::writeRussianDictionary(dir_.file("new.dic"), {"дом", "кот", "сад"});
  ASSERT_EQ(std::rename(dir_.file("new.dic").c_str(), dir_.file("rusheb.dic").c_str()), 0);
  ui().type(u"т");
  EXPECT_EQ(list().entryCount(), 3u);
  EXPECT_EQ(list().topIndex(), 0);
  EXPECT_EQ(list().selectedRow(), 1);
  EXPECT_EQ(row(1), "кот");
  EXPECT_NE(page().find("кот"), std::string::npos);

  // Gone: the list and the article of the old file go too.
  ASSERT_EQ(std::remove(dir_.file("rusheb.dic").c_str()), 0);
  ui().type(u"ы");
  EXPECT_EQ(list().entryCount(), 0u);
  EXPECT_EQ(page(), "");
  // Back again: the next lookup finds it.
  test::writeRussianDictionary(dir_.file("rusheb.dic"), {"дом", "кот", "сад"});
  ui().erase();
  EXPECT_EQ(list().entryCount(), 3u);
  EXPECT_EQ(row(list().selectedRow()), "кот");
  EXPECT_FALSE(dialog().suppressNextChange());
}

}  // namespace
}  // namespace orva
