// The Hebrew analyser over the system's hspell dictionary: prefixes split
// off, lemmas with their notes, the word itself never offered.
#include <gtest/gtest.h>

#include <algorithm>

#include "morphology/hebrew_analyzer.h"
#include "morphology/word_analyzer.h"
#include "text/utf.h"

namespace orva {
namespace {

class HebrewAnalyzerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { analyzer_ = makeHebrewAnalyzer().release(); }
  static void TearDownTestSuite() {
    delete analyzer_;
    analyzer_ = nullptr;
  }

  static std::vector<LemmaCandidate> lemmas(std::u16string_view word) { return analyzer_->lemmasOf(word); }

  // "lemma (note)" of each candidate, for readable failures.
  static std::string described(std::u16string_view word) {
    std::string text;
    for (const LemmaCandidate& c : lemmas(word)) text += utf16ToUtf8(c.lemma) + " (" + utf16ToUtf8(c.relation) + ") ";
    return text;
  }

  static const WordAnalyzer* analyzer_;
};

const WordAnalyzer* HebrewAnalyzerTest::analyzer_ = nullptr;

TEST_F(HebrewAnalyzerTest, SplitsPrefixesAndNamesTheLemmaFirst) {
  struct Case {
    std::u16string_view word, lemma, relation;
  };
  for (const Case& c : {Case{u"הספרים", u"ספר", u"ה + ספרים, мн. ч."}, Case{u"ובבית", u"בית", u"ו + ב + בית"},
                        Case{u"כתבתי", u"כתב", u"прош. вр., 1 л. ед. ч."},
                        Case{u"שהילדים", u"ילד", u"ש + ה + ילדים, мн. ч."},
                        Case{u"ילדיהם", u"ילד", u"мн. ч. + «их»"}, Case{u"תכתוב", u"כתב", u"буд. вр., 2 л. ед. ч. м. р."},
                        Case{u"וכשהגענו", u"הגיע", u"ו + כ + ש + הגענו, прош. вр., 1 л. мн. ч."}}) {
    const auto found = lemmas(c.word);
    ASSERT_FALSE(found.empty()) << utf16ToUtf8(c.word);
    EXPECT_EQ(utf16ToUtf8(found[0].lemma), utf16ToUtf8(c.lemma)) << described(c.word);
    EXPECT_EQ(utf16ToUtf8(found[0].relation), utf16ToUtf8(c.relation)) << described(c.word);
  }
}

TEST_F(HebrewAnalyzerTest, OffersTheWordWithoutItsParticlesAfterItsLemma) {
  const auto found = lemmas(u"וכתבתי");
  const auto at = [&](std::u16string_view w) {
    return std::find_if(found.begin(), found.end(), [&](const LemmaCandidate& c) { return c.lemma == w; }) - found.begin();
  };
  ASSERT_LT(at(u"כתבתי"), static_cast<long>(found.size())) << described(u"וכתבתי");
  EXPECT_LT(at(u"כתב"), at(u"כתבתי"));
  EXPECT_EQ(utf16ToUtf8(found[at(u"כתבתי")].relation), "ו + כתבתי");
  // hspell reads "שליד" as ש + ל + יד; "ש + ליד" is offered as well.
  const auto near = lemmas(u"שליד");
  EXPECT_TRUE(std::any_of(near.begin(), near.end(), [](const LemmaCandidate& c) { return c.lemma == u"ליד"; }))
      << described(u"שליד");
}

TEST_F(HebrewAnalyzerTest, NeverOffersTheTypedWordItself) {
  for (std::u16string_view word : {u"ספר", u"מלכה", u"לבן", u"כתבו", u"ספרי", u"בית", u"הלכה", u"או"}) {
    for (const LemmaCandidate& c : lemmas(word)) EXPECT_NE(c.lemma, word) << described(word);
  }
  EXPECT_TRUE(lemmas(u"ספר").empty() || lemmas(u"ספר")[0].lemma != u"ספר");
}

TEST_F(HebrewAnalyzerTest, TypedPointsAndQuoteMarksAreReadLikeThePlainWord) {
  EXPECT_EQ(described(u"הַסְּפָרִים"), described(u"הספרים"));
  EXPECT_EQ(described(u"וְהָלַכְנוּ"), described(u"והלכנו"));
  EXPECT_EQ(described(u"והג׳ירפות"), described(u"והג'ירפות"));
  const auto found = lemmas(u"והג׳ירפות");
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(utf16ToUtf8(found[0].lemma), "ג'ירפה");
}

TEST_F(HebrewAnalyzerTest, WordsHspellDoesNotKnowStillLoseTheirParticles) {
  // Neither "מוזיאון" nor "פארק" is in hspell's dictionary.
  const auto museum = lemmas(u"ובמוזיאון");
  ASSERT_EQ(museum.size(), 2u) << described(u"ובמוזיאון");
  EXPECT_EQ(utf16ToUtf8(museum[1].lemma), "מוזיאון");
  EXPECT_EQ(utf16ToUtf8(museum[1].relation), "ו + ב + מוזיאון");
  const auto parks = lemmas(u"הפארקים");
  EXPECT_TRUE(std::any_of(parks.begin(), parks.end(), [](const LemmaCandidate& c) { return c.lemma == u"פארק"; }))
      << described(u"הפארקים");
}

TEST_F(HebrewAnalyzerTest, UninflectedWordsKeepTheirOwnSpelling) {
  // hspell gives function words no lemma of their own; the base word stands.
  const auto found = lemmas(u"וגם");
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(utf16ToUtf8(found[0].lemma), "גם");
}

TEST_F(HebrewAnalyzerTest, TextThatIsNoHebrewWordHasNoLemma) {
  for (std::u16string_view text : {u"", u"книги", u"books", u"ספר טוב", u"123", u"בית־ספר"}) {
    EXPECT_TRUE(lemmas(text).empty()) << utf16ToUtf8(text);
  }
  EXPECT_TRUE(lemmas(std::u16string(200, u'ב')).empty());
  EXPECT_TRUE(lemmas(u"קקקקק").empty() || lemmas(u"קקקקק")[0].lemma != u"קקקקק");
}

TEST_F(HebrewAnalyzerTest, AnalysersShareOneLoadedDictionary) {
  const auto other = makeHebrewAnalyzer();
  EXPECT_EQ(other->lemmasOf(u"הספרים").size(), lemmas(u"הספרים").size());
  EXPECT_EQ(described(u"ובבית"), described(u"ובבית"));
}

}  // namespace
}  // namespace orva
