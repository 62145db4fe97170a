// Hebrew words to hspell's spelling and back, and the particle splits tried
// for words hspell does not know.
#include <gtest/gtest.h>

#include "morphology/hebrew_prefixes.h"
#include "morphology/hebrew_spelling.h"
#include "text/utf.h"

namespace orva {
namespace {

// The spelling hspell gets, shown again as UTF-16 for readable failures.
std::u16string spelled(std::u16string_view word) {
  const auto bytes = toHspellSpelling(word);
  return bytes ? fromHspellSpelling(*bytes) : u"<none>";
}

TEST(HebrewSpelling, LettersMapOntoIso88598) {
  const auto bytes = toHspellSpelling(u"אבגת");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "\xE0\xE1\xE2\xFA");
  EXPECT_EQ(fromHspellSpelling("\xE0\xFA'\""), u"את'\"");
  EXPECT_EQ(fromHspellSpelling("\xB0"), u"\uFFFD");
}

TEST(HebrewSpelling, PointsAreDroppedAndQuoteMarksBecomeAscii) {
  EXPECT_EQ(spelled(u"הַסְּפָרִים"), u"הספרים");
  EXPECT_EQ(spelled(u"שָׁלוֹם"), u"שלום");
  EXPECT_EQ(spelled(u"בְּרֵאשִׁ֖ית"), u"בראשית");  // a cantillation mark too
  EXPECT_EQ(spelled(u"ג׳ירפה"), u"ג'ירפה");
  EXPECT_EQ(spelled(u"ג’ירפה"), u"ג'ירפה");
  EXPECT_EQ(spelled(u"סכו״ם"), u"סכו\"ם");
  EXPECT_EQ(spelled(u"\u05F0רד"), u"וורד");
}

TEST(HebrewSpelling, LetterShapesFollowTheirPlace) {
  EXPECT_EQ(spelled(u"ספרימ"), u"ספרים");
  EXPECT_EQ(spelled(u"מלכ"), u"מלך");
  EXPECT_EQ(spelled(u"ךתב"), u"כתב");
  EXPECT_EQ(spelled(u"כ"), u"כ");            // one letter keeps its shape
  EXPECT_EQ(spelled(u"צ'יפס"), u"צ'יפס");    // a letter before a geresh too
}

TEST(HebrewSpelling, AnythingButOneHebrewWordIsRefused) {
  for (std::u16string_view text : {u"", u"book", u"ספר טוב", u"בית־ספר", u"ספר1", u"ּ", u"''", u"книга"}) {
    EXPECT_FALSE(toHspellSpelling(text)) << utf16ToUtf8(text);
  }
  EXPECT_TRUE(toHspellSpelling(std::u16string(kMaxHebrewWordLetters, u'א')));
  EXPECT_FALSE(toHspellSpelling(std::u16string(kMaxHebrewWordLetters + 1, u'א')));
}

std::vector<std::u16string> describe(const std::vector<PrefixSplit>& splits) {
  std::vector<std::u16string> out;
  for (const PrefixSplit& s : splits) out.push_back(s.prefix + u"|" + s.baseWord);
  return out;
}

TEST(HebrewPrefixes, OnlyParticleSequencesAreSplitOff) {
  EXPECT_EQ(describe(prefixSplitsOf(u"ובמוזיאון")), (std::vector<std::u16string>{u"ו|במוזיאון", u"וב|מוזיאון"}));
  EXPECT_EQ(describe(prefixSplitsOf(u"וכשהפארק")),
            (std::vector<std::u16string>{u"ו|כשהפארק", u"וכ|שהפארק", u"וכש|הפארק", u"וכשה|פארק"}));
  EXPECT_EQ(describe(prefixSplitsOf(u"מהפארק")), (std::vector<std::u16string>{u"מ|הפארק", u"מה|פארק"}));
  // The article swallows nothing after it, and a base keeps two letters.
  EXPECT_EQ(describe(prefixSplitsOf(u"הבפארק")), (std::vector<std::u16string>{u"ה|בפארק"}));
  EXPECT_EQ(describe(prefixSplitsOf(u"ובת")), (std::vector<std::u16string>{u"ו|בת"}));
  EXPECT_TRUE(prefixSplitsOf(u"פארק").empty());
}

TEST(HebrewPrefixes, ADoubledVavAfterAParticleIsAlsoTriedSingle) {
  EXPECT_EQ(describe(prefixSplitsOf(u"הוויזה")), (std::vector<std::u16string>{u"ה|וויזה", u"ה|ויזה"}));
}

}  // namespace
}  // namespace orva
