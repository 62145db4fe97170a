// The search and walk that find the first headword beginning with a query.
#include <gtest/gtest.h>

#include "store/prefix_search.h"
#include "support/test_files.h"
#include "text/typed_query.h"

namespace orva {
namespace {

using test::cp1251;

// The lookup of typed text, as the word box hands it over.
std::optional<uint32_t> lookUp(DictionaryFile& file, Direction d, std::u16string_view typed,
                               const DeviceSettings& device) {
  return findTypedPrefix(makeTypedQuery(typed, d, device).view(), file, d, device);
}

const DeviceSettings kHebrewDevice{kLanguageHebrew, CodePage::Hebrew1255};

std::string russianSource(const std::vector<std::string>& headwords) {
  std::string source;
  for (size_t i = 0; i < headwords.size(); ++i)
    source += "entry " + std::to_string(i + 1) + " 1\nheadword " + headwords[i] + "\n";
  return source;
}

class PrefixSearchTest : public ::testing::Test {
 protected:
  void build(const std::vector<std::string>& headwords) {
    test::buildAndOpen(Direction::RussianHebrew, russianSource(headwords), dir_.file("rusheb.dic"), file_);
  }
  std::optional<uint32_t> find(const std::string& utf8Query) {
    return findTypedPrefix(cp1251(utf8Query), file_, Direction::RussianHebrew, device_);
  }

  test::TempDir dir_;
  DictionaryFile file_;
  DeviceSettings device_{kLanguageRussian, CodePage::Cyrillic1251};
};

TEST_F(PrefixSearchTest, ShortQueriesTakeTheIndexedRecordWithoutWalking) {
  build({"абв", "абд", "бар"});
  EXPECT_EQ(find("аб"), 0u);
  EXPECT_EQ(find("абд"), 1u);
  EXPECT_EQ(find("абг"), 1u);  // the next key, though it does not begin with the query
  EXPECT_EQ(find("б"), 2u);
  EXPECT_EQ(find("я"), std::nullopt);  // sorts after every key
}

TEST_F(PrefixSearchTest, LongQueriesWalkToTheFirstHeadwordThatBeginsWithThem) {
  build({"абвгдежзийк", "абвгдежзийлм", "абвгдежзийлн", "бар"});
  EXPECT_EQ(find("абвгдежзийл"), 1u);   // eleven bytes: walks one record on
  EXPECT_EQ(find("абвгдежзийлн"), 2u);
  EXPECT_EQ(find("абвгдежзийя"), 3u);   // no match: stops where the first letter changes
  EXPECT_EQ(find("абвгдежзий"), 0u);    // ten bytes: no walk
}

TEST_F(PrefixSearchTest, WalkEndsAtTheLastRecordThatCanBeRead) {
  build({"абвгдежзийк", "абвгдежзийл"});
  EXPECT_EQ(find("абвгдежзийя"), 1u);
}

TEST_F(PrefixSearchTest, TenthByteBelow0x7FIsDroppedFromTheKey) {
  build({"абвгдежзи", "абвгдежзиа", "абвгдежзив"});
  EXPECT_EQ(find("абвгдежзи-"), 0u);  // searched as "абвгдежзи"
  EXPECT_EQ(find("абвгдежзи1"), 0u);
  EXPECT_EQ(find("абвгдежзиб"), 2u);  // a tenth Cyrillic letter stays
}

TEST_F(PrefixSearchTest, YoInHeadwordsIsFoundWithYe) {
  build({"ёж", "еда", "ель"});
  EXPECT_EQ(lookUp(file_, Direction::RussianHebrew, u"ёж", device_), 1u);  // еда, ёж, ель
}

TEST_F(PrefixSearchTest, LongQueriesMatchHeadwordsWithYoAndCapitals) {
  build({"определение", "определённый", "Определитель", "определять"});
  const auto find = [&](std::u16string_view typed) { return lookUp(file_, Direction::RussianHebrew, typed, device_); };
  EXPECT_EQ(find(u"определённый"), 1u);
  EXPECT_EQ(find(u"определенный"), 1u);
  EXPECT_EQ(find(u"определитель"), 2u);
  EXPECT_EQ(find(u"определять"), 3u);
}

TEST(PrefixSearch, UnreadableFirstRecordFindsNothing) {
  test::RawDictionary dict;
  test::addSearchEntry(dict.searchIndex, cp1251("абв"), 500);  // no record there
  test::addListEntry(dict.listIndex, 0);
  test::addIdEntry(dict.idIndex, 1, 0);
  dict.records.push_back(test::plainRecord({cp1251("абв"), "", "", "", "", ""}, 1, 7));
  test::TempDir dir;
  test::writeBytes(dir.file("rusheb.dic"), dict.bytes());
  DictionaryFile file;
  ASSERT_TRUE(file.open(dir.file("rusheb.dic")));
  EXPECT_EQ(findTypedPrefix(cp1251("аб"), file, Direction::RussianHebrew, DeviceSettings{}), std::nullopt);
}

// A record whose list number is not the row that shows it (a damaged or
// made-up file) must not send the list to that other row.
TEST(PrefixSearch, ARecordNamingAnotherRowFindsNothing) {
  for (uint32_t ordinal : {1u, 2u, 0xFFFFFFFFu}) {
    test::RawDictionary dict;
    const std::vector<uint8_t> first = test::plainRecord({cp1251("абв"), "", "", "", "", ""}, 1, ordinal);
    const auto firstLength = static_cast<uint32_t>(first.size());
    test::addSearchEntry(dict.searchIndex, cp1251("абв"), 0);
    test::addListEntry(dict.listIndex, 0);
    test::addListEntry(dict.listIndex, firstLength);
    test::addIdEntry(dict.idIndex, 1, 0);
    test::addIdEntry(dict.idIndex, 2, firstLength);
    dict.records.push_back(first);
    dict.records.push_back(test::plainRecord({cp1251("где"), "", "", "", "", ""}, 2, 1));
    test::TempDir dir;
    test::writeBytes(dir.file("rusheb.dic"), dict.bytes());
    DictionaryFile file;
    ASSERT_TRUE(file.open(dir.file("rusheb.dic")));
    EXPECT_EQ(findTypedPrefix(cp1251("аб"), file, Direction::RussianHebrew, DeviceSettings{}), std::nullopt)
        << ordinal;
  }
}

// A long query's walk that runs into an unreadable record answers with the
// last record it read, which the list shows at its number.
TEST(PrefixSearch, AWalkEndingAtAnUnreadableRecordKeepsTheLastOneRead) {
  test::RawDictionary dict;
  const std::vector<uint8_t> first = test::plainRecord({cp1251("абвгдежзийк"), "", "", "", "", ""}, 1, 0);
  test::addSearchEntry(dict.searchIndex, cp1251("абвгдежзий"), 0);
  test::addListEntry(dict.listIndex, 0);
  test::addIdEntry(dict.idIndex, 1, 0);
  dict.records.push_back(first);
  std::vector<uint8_t> bytes = dict.bytes();
  bytes.resize(bytes.size() + 3, 0xFF);  // the next "record" is cut short
  test::TempDir dir;
  test::writeBytes(dir.file("rusheb.dic"), bytes);
  DictionaryFile file;
  ASSERT_TRUE(file.open(dir.file("rusheb.dic")));
  EXPECT_EQ(findTypedPrefix(cp1251("абвгдежзийл"), file, Direction::RussianHebrew, DeviceSettings{}), 0u);
}

TEST(PrefixSearch, MissingFileFindsNothing) {
  DictionaryFile missing;
  EXPECT_EQ(findTypedPrefix("abc", missing, Direction::HebrewRussian, DeviceSettings{}), std::nullopt);
}

TEST(PrefixSearch, HebrewQueriesFromTypedText) {
  test::TempDir dir;
  DictionaryFile file;
  test::buildAndOpen(Direction::HebrewRussian,
                     "entry 1 1\nheadword בית\nentry 2 1\nheadword ספר\nentry 3 1\nheadword צה\"ל\n",
                     dir.file("hebrus.dic"), file);
  for (const DeviceSettings& device : {DeviceSettings{kLanguageHebrew, CodePage::Hebrew1255},
                                       DeviceSettings{kLanguageRussian, CodePage::Cyrillic1251}}) {
    // The word box holds visual order on a non-Hebrew device.
    EXPECT_EQ(lookUp(file, Direction::HebrewRussian, device.isHebrew() ? u"ספר" : u"רפס", device), 1u);
  }
  EXPECT_EQ(lookUp(file, Direction::HebrewRussian, u"צהל", kHebrewDevice), 2u);
}

TEST(PrefixSearch, HebrewQueriesTypedWithGereshOrGershayimFindTheirHeadword) {
  test::TempDir dir;
  DictionaryFile file;
  test::buildAndOpen(Direction::HebrewRussian,
                     "entry 1 1\nheadword דואר\nentry 2 1\nheadword דו\"ח\nentry 3 1\nheadword ג'ירפה\n"
                     "entry 4 1\nheadword גדול\nentry 5 1\nheadword ג'ירפה גדולה מאוד\nentry 6 1\nheadword ג'ירפה גבוהה מאוד\n",
                     dir.file("hebrus.dic"), file);
  const auto find = [&](std::u16string_view typed) { return lookUp(file, Direction::HebrewRussian, typed, kHebrewDevice); };
  // Order: גדול, ג'ירפה, ג'ירפה גבוהה מאוד, ג'ירפה גדולה מאוד, דואר, דו"ח.
  EXPECT_EQ(find(u"דו\"ח"), 5u);
  EXPECT_EQ(find(u"דוח"), 5u);
  EXPECT_EQ(find(u"ג'ירפה"), 1u);
  EXPECT_EQ(find(u"גירפה"), 1u);
  EXPECT_EQ(find(u"גירפה גד"), 3u);
}

TEST(PrefixSearch, TheWalkPassesOverQuotesBeyondTheKey) {
  test::TempDir dir;
  DictionaryFile file;
  // Both share the ten-byte key; the quote sorts the first one first.
  test::buildAndOpen(Direction::HebrewRussian,
                     "entry 1 1\nheadword אבגדהוזחטי'כ\nentry 2 1\nheadword אבגדהוזחטיכל\n", dir.file("hebrus.dic"),
                     file);
  const auto find = [&](std::u16string_view typed) { return lookUp(file, Direction::HebrewRussian, typed, kHebrewDevice); };
  EXPECT_EQ(find(u"אבגדהוזחטי'כ"), 0u);
  EXPECT_EQ(find(u"אבגדהוזחטיכל"), 1u);
}

TEST(PrefixSearch, AWholeWordFindsItsOwnSpellingAmongAlikeQuotedOnes) {
  test::TempDir dir;
  DictionaryFile file;
  // סכו"ם ("cutlery") sorts with and before סכום ("sum"); likewise דו"ח and
  // דוח. A word typed in full means the headword spelled as typed.
  test::buildAndOpen(Direction::HebrewRussian,
                     "entry 1 1\nheadword סכו\"ם\nentry 2 1\nheadword סכום\nentry 3 1\nheadword סכומים\n"
                     "entry 4 1\nheadword דו\"ח\nentry 5 1\nheadword דוח\nentry 6 1\nheadword צה\"ל\n",
                     dir.file("hebrus.dic"), file);
  const auto find = [&](std::u16string_view typed) { return lookUp(file, Direction::HebrewRussian, typed, kHebrewDevice); };
  // Order: דו"ח, דוח, סכו"ם, סכום, סכומים, צה"ל.
  EXPECT_EQ(find(u"סכום"), 3u);
  EXPECT_EQ(find(u"סכו\"ם"), 2u);  // typed with its gershayim: that one
  EXPECT_EQ(find(u"סכו"), 2u);      // a prefix takes the first, as always
  EXPECT_EQ(find(u"סכומ"), 4u);
  EXPECT_EQ(find(u"דוח"), 1u);
  EXPECT_EQ(find(u"דו\"ח"), 0u);
  EXPECT_EQ(find(u"צהל"), 5u);  // no plain spelling: the quoted one
}

}  // namespace
}  // namespace orva
