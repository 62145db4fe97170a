// The Russian analyser: the stemmer's lemmas with their notes, the table of
// irregular forms, and what it says without its dictionary.
#include "morphology/russian_analyzer.h"

#include <gtest/gtest.h>

#include "morphology/russian_form_note.h"
#include "morphology/russian_irregular_forms.h"
#include "text/collation.h"
#include "support/test_files.h"

namespace orva {
namespace {

using test::u8;

// The analyser loads its dictionary once for the whole suite.
class RussianAnalyzerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { analyzer_ = makeRussianAnalyzer().release(); }
  static void TearDownTestSuite() { delete analyzer_; }
  static std::string first(std::u16string_view word) {
    const auto lemmas = analyzer_->lemmasOf(word);
    return lemmas.empty() ? "" : u8(lemmas[0].lemma);
  }
  static std::string firstNote(std::u16string_view word) {
    const auto lemmas = analyzer_->lemmasOf(word);
    return lemmas.empty() ? "" : u8(lemmas[0].relation);
  }
  static bool offers(std::u16string_view word, std::u16string_view lemma) {
    for (const LemmaCandidate& c : analyzer_->lemmasOf(word))
      if (c.lemma == lemma) return true;
    return false;
  }
  static WordAnalyzer* analyzer_;
};
WordAnalyzer* RussianAnalyzerTest::analyzer_ = nullptr;

TEST_F(RussianAnalyzerTest, StemsRegularFormsWithANote) {
  EXPECT_EQ(first(u"книги"), "книга");
  EXPECT_EQ(firstNote(u"книги"), "мн. ч.");
  EXPECT_EQ(first(u"пишу"), "писать");
  EXPECT_EQ(firstNote(u"пишу"), "1 л. ед. ч.");
  EXPECT_EQ(first(u"красивыми"), "красивый");
  EXPECT_EQ(firstNote(u"красивыми"), "мн. ч., твор. п.");
  EXPECT_EQ(first(u"читала"), "читать");
  EXPECT_EQ(firstNote(u"читала"), "прош. вр., ж. р.");
}

TEST_F(RussianAnalyzerTest, TheTableAnswersWhatTheStemmerMisses) {
  EXPECT_EQ(first(u"меня"), "я");
  EXPECT_EQ(first(u"шёл"), "идти");
  EXPECT_EQ(firstNote(u"шёл"), "прош. вр., м. р.");
  EXPECT_EQ(first(u"пошла"), "пойти");
  EXPECT_EQ(first(u"окон"), "окно");
  // The table's likelier reading comes before the stemmer's.
  EXPECT_EQ(first(u"другом"), "друг");
  EXPECT_TRUE(offers(u"другом", u"другой"));
  EXPECT_EQ(first(u"большая"), "большой");
}

TEST_F(RussianAnalyzerTest, CapitalsYoAndPunctuationDoNotMatter) {
  EXPECT_EQ(first(u"КНИГИ"), "книга");
  EXPECT_EQ(first(u"Пишу"), "писать");
  EXPECT_EQ(first(u"шел"), "идти");       // ё typed as е
  EXPECT_EQ(first(u"«книги»,"), "книга");  // pasted with its quotes
  EXPECT_EQ(first(u"кни\u0301ги"), "книга");  // a stress mark from a text for learners
}

TEST_F(RussianAnalyzerTest, NeverTheWordItselfAndNothingForOtherText) {
  for (const LemmaCandidate& c : analyzer_->lemmasOf(u"книга")) EXPECT_NE(u8(c.lemma), "книга");
  for (const LemmaCandidate& c : analyzer_->lemmasOf(u"Шёл")) EXPECT_NE(u8(c.lemma), "шёл");
  EXPECT_TRUE(analyzer_->lemmasOf(u"").empty());
  EXPECT_TRUE(analyzer_->lemmasOf(u"...").empty());
  EXPECT_TRUE(analyzer_->lemmasOf(u"book").empty());
  EXPECT_TRUE(analyzer_->lemmasOf(u"ספרים").empty());
  EXPECT_TRUE(analyzer_->lemmasOf(u"книги книги").empty());  // a phrase, not a word
  EXPECT_TRUE(analyzer_->lemmasOf(std::u16string(1000, u'а')).empty());
}

TEST(RussianAnalyzerWithoutDictionary, OnlyTheTableAnswers) {
  test::TempDir empty;
  const auto analyzer = makeRussianAnalyzer({empty.path(), empty.path() + "/missing"});
  EXPECT_TRUE(analyzer->lemmasOf(u"книги").empty());
  const auto lemmas = analyzer->lemmasOf(u"меня");
  ASSERT_FALSE(lemmas.empty());
  EXPECT_EQ(u8(lemmas[0].lemma), "я");
}

TEST(RussianIrregularForms, RowsAreLowerCaseWordsWithALemma) {
  for (const IrregularForm& row : russianIrregularForms()) {
    EXPECT_FALSE(row.form.empty());
    EXPECT_FALSE(row.lemma.empty()) << u8(row.form);
    EXPECT_NE(row.form, row.lemma);
    EXPECT_EQ(lowerRussian(row.form), row.form) << u8(row.form);
    EXPECT_EQ(trimmedWord(row.form), row.form) << u8(row.form);
  }
}

TEST(RussianFormNote, TellsOnlyEndingsWithOneReading) {
  EXPECT_EQ(u8(russianFormNote(u"писали", u"писать")), "прош. вр., мн. ч.");
  EXPECT_EQ(u8(russianFormNote(u"вернулась", u"вернуться")), "прош. вр., ж. р.");
  EXPECT_EQ(u8(russianFormNote(u"читают", u"читать")), "3 л. мн. ч.");
  EXPECT_EQ(u8(russianFormNote(u"новую", u"новый")), "ж. р., вин. п.");
  EXPECT_EQ(u8(russianFormNote(u"столов", u"стол")), "мн. ч., род. п.");
  EXPECT_EQ(u8(russianFormNote(u"книгах", u"книга")), "мн. ч., предл. п.");
  EXPECT_EQ(u8(russianFormNote(u"стола", u"стол")), "род. п.");
  // книге is dative or prepositional: no note rather than a wrong one.
  EXPECT_EQ(u8(russianFormNote(u"книге", u"книга")), "");
  EXPECT_EQ(u8(russianFormNote(u"книга", u"книга")), "");
}

}  // namespace
}  // namespace orva
