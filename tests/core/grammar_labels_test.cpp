// The Russian grammar labels.
#include <gtest/gtest.h>

#include "article/grammar_labels.h"
#include "support/test_files.h"

namespace orva {
namespace {

using test::u8;

TEST(NounNote, NumberGenderConstructInOrder) {
  EXPECT_EQ(u8(NounNote(0, 0, 0)), "");
  EXPECT_EQ(u8(NounNote(1, 0, 0)), "ед. ч. ");
  EXPECT_EQ(u8(NounNote(3, 1, 0)), "м. р. ");
  EXPECT_EQ(u8(NounNote(2, 2, 1)), "мн. ч. ж. р. смихут");
  EXPECT_EQ(u8(NounNote(0, 0, 255)), "смихут");
}

TEST(VerbFormLabel, EveryCodeOfTheTable) {
  const std::vector<std::pair<int, const char*>> labels = {
      {500, "инфинитив"},
      {501, "ед.ч., м/ж р., 1 л., прош. вр."},
      {502, "ед.ч., м/ж р., 2 л., прош. вр."},
      {505, "ед.ч., ж. р., 3 л., прош. вр."},
      {506, "мн.ч., м/ж р., 1 л., прош. вр."},
      {507, "мн.ч., м. р., 2 л., прош. вр."},
      {508, "мн.ч., ж. р., 2 л., прош. вр."},
      {509, "мн.ч., м/ж р., 3 л., прош. вр."},
      {511, "ед.ч., м/ж р., 1 л., буд. вр."},
      {512, "ед.ч., (м. р., 2 л. /ж.р.,3 л.), буд. вр."},
      {513, "ед.ч., ж. р., 2 л., буд. вр."},
      {514, "ед.ч., м. р., 3 л., буд. вр."},
      {516, "мн.ч., м/ж р., 1 л., буд. вр."},
      {517, "мн.ч., м/ж р., 2 л., буд. вр."},
      {519, "мн.ч., м/ж р., 3 л., буд. вр."},
      {521, "ед.ч., м. р., 1,2,3 л., наст. вр."},
      {522, "ед.ч., ж. р., 1,2,3 л., наст. вр."},
      {523, "мн.ч., м. р., 1,2,3 л., наст. вр."},
      {524, "мн.ч., ж. р., 1,2,3 л., наст. вр."},
      {531, "ед.ч., м. р., 2 л., повел. накл."},
      {532, "ед.ч., ж. р., 2 л., повел. накл."},
      {533, "мн.ч., м/ж. р., 2 л., повел. накл."},
  };
  int labelled = 0;
  for (int code = 0; code < 1000; ++code) {
    const auto it = std::find_if(labels.begin(), labels.end(), [&](const auto& l) { return l.first == code; });
    const std::string expected = it == labels.end() ? "" : it->second;
    EXPECT_EQ(u8(VerbFormLabel(code)), expected) << code;
    EXPECT_EQ(u8(VerbFormLabel(123000 + code)), expected) << code;
    labelled += !expected.empty();
  }
  EXPECT_EQ(labelled, 22);
}

TEST(VerbFormLabel, CodeIsTheLastThreeDigits) {
  EXPECT_EQ(u8(VerbFormLabel(7)), "");
  EXPECT_EQ(u8(VerbFormLabel(1005)), "");  // "005" is 5
  EXPECT_EQ(u8(VerbFormLabel(77500)), "инфинитив");
  EXPECT_EQ(u8(VerbFormLabel(-1501)), "ед.ч., м/ж р., 1 л., прош. вр.");  // the digits "501"
  EXPECT_EQ(u8(VerbFormLabel(-50)), "");
}

}  // namespace
}  // namespace orva
