// Turning typed text into query bytes.
#include <gtest/gtest.h>

#include "support/test_files.h"
#include "text/typed_query.h"

namespace orva {
namespace {

const DeviceSettings kHebrewDevice{kLanguageHebrew, CodePage::Hebrew1255};
const DeviceSettings kRussianDevice{kLanguageRussian, CodePage::Cyrillic1251};

std::string query(std::u16string_view typed, Direction d, const DeviceSettings& device) {
  return std::string(makeTypedQuery(typed, d, device).view());
}

TEST(TypedQuery, HebrewIsReversedOnlyOffHebrewDevices) {
  EXPECT_EQ(query(u"אב", Direction::HebrewRussian, kHebrewDevice), "\xE0\xE1");
  EXPECT_EQ(query(u"אב", Direction::HebrewRussian, kRussianDevice), "\xE1\xE0");
  EXPECT_EQ(query(u"א1", Direction::HebrewRussian, kHebrewDevice), "\xE0" "1");
  // Points and cantillation are not part of the word searched for.
  EXPECT_EQ(query(u"\u05E1\u05B5\u05E4\u05B6\u05E8", Direction::HebrewRussian, kHebrewDevice), "\xF1\xF4\xF8");
}

TEST(TypedQuery, RussianFoldsYoAndCapitals) {
  EXPECT_EQ(query(u"ёж", Direction::RussianHebrew, kRussianDevice), test::cp1251("еж"));
  EXPECT_EQ(query(u"МОСКВА", Direction::RussianHebrew, kRussianDevice), test::cp1251("москва"));
  EXPECT_EQ(query(u"Ёлка", Direction::RussianHebrew, kRussianDevice), test::cp1251("елка"));
  EXPECT_EQ(query(u"ЁЛКА", Direction::RussianHebrew, kRussianDevice), test::cp1251("елка"));
  EXPECT_EQ(query(u"a€ש", Direction::RussianHebrew, kRussianDevice), "a\x88?");
  EXPECT_EQ(query(u"😀x", Direction::RussianHebrew, kRussianDevice), "?x");
}

TEST(TypedQuery, NeverLongerThan511Bytes) {
  const std::u16string longText(10000, u'ж');
  EXPECT_EQ(makeTypedQuery(longText, Direction::RussianHebrew, kRussianDevice).length, 511u);
  const auto hebrew = makeTypedQuery(std::u16string(10000, u'א'), Direction::HebrewRussian, kRussianDevice);
  EXPECT_EQ(hebrew.length, 511u);
  EXPECT_EQ(hebrew.bytes[511], 0);
}

TEST(TypedQuery, ACharacterThatBecomesByteZeroEndsTheQuery) {
  EXPECT_EQ(query(u"א\u05F0ב", Direction::HebrewRussian, kHebrewDevice), "\xE0");
  EXPECT_EQ(query(std::u16string(u"аб\0в", 4), Direction::RussianHebrew, kRussianDevice), test::cp1251("аб"));
}

}  // namespace
}  // namespace orva
