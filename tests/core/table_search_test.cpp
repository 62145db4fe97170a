// The binary search over file tables and its two comparators.
#include <gtest/gtest.h>

#include "store/table_search.h"
#include "support/test_files.h"

namespace orva {
namespace {

using test::cp1251;
using test::cp1255;

// A table of id entries in a file, searched with compareEntryId.
class IdTableTest : public ::testing::Test {
 protected:
  void makeTable(const std::vector<int32_t>& ids) {
    std::vector<uint8_t> table;
    for (size_t i = 0; i < ids.size(); ++i) test::addIdEntry(table, ids[i], static_cast<uint32_t>(i));
    test::writeBytes(dir_.file("t"), table);
    ASSERT_TRUE(file_.open(dir_.file("t")));
    count_ = static_cast<uint32_t>(ids.size());
  }
  std::optional<int32_t> find(int32_t key) {
    uint8_t entry[8];
    probes_ = 0;
    const auto found = findEntryIndex(file_, count_, 8, 0, entry, [&](const uint8_t* e) {
      ++probes_;
      return compareEntryId(key, e);
    });
    if (!found) return std::nullopt;
    EXPECT_EQ(idEntryRecordPos(entry), *found);
    return idEntryId(entry);
  }

  test::TempDir dir_;
  RandomAccessFile file_;
  uint32_t count_ = 0;
  int probes_ = 0;
};

TEST_F(IdTableTest, FindsTheEqualOrTheNextGreaterEntry) {
  makeTable({10, 20, 30});
  EXPECT_EQ(find(5), 10);
  EXPECT_EQ(find(20), 20);
  EXPECT_EQ(find(25), 30);
  EXPECT_EQ(find(35), std::nullopt);
}

TEST_F(IdTableTest, EmptyTableIsNeverRead) {
  makeTable({});
  EXPECT_EQ(find(1), std::nullopt);
  EXPECT_EQ(probes_, 0);
}

TEST_F(IdTableTest, OneGreaterEntryIsReadTwiceThenReturned) {
  makeTable({10});
  EXPECT_EQ(find(3), 10);
  EXPECT_EQ(probes_, 2);
}

TEST_F(IdTableTest, IdsCompareSigned) {
  makeTable({-5, 0, 7});
  EXPECT_EQ(find(-10), -5);
  EXPECT_EQ(find(-1), 0);
  EXPECT_EQ(find(1), 7);
}

TEST_F(IdTableTest, LargeTablesFindEveryEntry) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < 1000; ++i) ids.push_back(i * 3);
  makeTable(ids);
  for (int32_t i = 0; i < 1000; ++i) {
    EXPECT_EQ(find(i * 3), i * 3);
    EXPECT_EQ(find(i * 3 - 1), i * 3);
  }
  EXPECT_LE(probes_, 12);
}

TEST(IdTable, ShortReadFindsNothing) {
  test::TempDir dir;
  std::vector<uint8_t> table;
  test::addIdEntry(table, 10, 0);
  table.resize(12);  // the second of two entries is cut short
  test::writeBytes(dir.file("t"), table);
  RandomAccessFile file;
  ASSERT_TRUE(file.open(dir.file("t")));
  uint8_t entry[8];
  EXPECT_FALSE(findEntry(file, 2, 8, 0, entry, [](const uint8_t* e) { return compareEntryId(15, e); }));
}

SearchKey keyOf(const std::string& bytes) {
  SearchKey key{};
  std::copy(bytes.begin(), bytes.end(), key.begin());
  return key;
}

int compareWith(Direction d, const std::string& query, const std::string& entryKey) {
  std::vector<uint8_t> entry;
  test::addSearchEntry(entry, entryKey, 0);
  return compareSearchKey(d, keyOf(query), entry.data());
}

TEST(CompareSearchKey, RussianEntriesSpelledWithYoMatchQueriesWithYe) {
  const auto d = Direction::RussianHebrew;
  EXPECT_EQ(compareWith(d, cp1251("еж"), cp1251("ёж")), 0);
  EXPECT_NE(compareWith(d, cp1251("ёж"), cp1251("ёж")), 0);
  EXPECT_NE(compareWith(d, cp1251("ёж"), cp1251("еж")), 0);
  EXPECT_LT(compareWith(d, cp1251("аб"), cp1251("абв")), 0);  // a prefix sorts first
  EXPECT_GT(compareWith(d, cp1251("я"), cp1251("а")), 0);     // unsigned bytes
}

TEST(CompareSearchKey, TenByteEntryKeysAreTerminatedByTheComparator) {
  const std::string ten = cp1251("абвгдежзий");
  EXPECT_EQ(compareWith(Direction::RussianHebrew, ten, ten), 0);
}

TEST(CompareSearchKey, HebrewQuotesAreDroppedUnlessTheQueryHasThemInPlace) {
  const auto d = Direction::HebrewRussian;
  const std::string entry = cp1255("צה\"ל");
  EXPECT_EQ(compareWith(d, cp1255("צהל"), entry), 0);
  EXPECT_EQ(compareWith(d, cp1255("צה\"ל"), entry), 0);
  EXPECT_NE(compareWith(d, cp1255("צ\"הל"), entry), 0);
  // With an apostrophe present, only the apostrophe is considered.
  const std::string both = cp1255("א'ב\"ג");
  EXPECT_EQ(compareWith(d, cp1255("אב\"ג"), both), 0);
  EXPECT_NE(compareWith(d, cp1255("אבג"), both), 0);
}

}  // namespace
}  // namespace orva
