// The lookup hint over small built dictionaries: which lemma is offered,
// the dictionary's own form entries, the nearest headwords, and Hebrew in
// logical order on every device.
#include "morphology/lookup_hint_source.h"

#include <gtest/gtest.h>

#include <map>

#include "morphology/spelling_distance.h"
#include "support/test_files.h"

namespace orva {
namespace {

using test::u8;

// Answers from a fixed table, and counts the questions.
class FakeAnalyzer final : public WordAnalyzer {
 public:
  explicit FakeAnalyzer(std::map<std::u16string, std::vector<LemmaCandidate>> answers, int* asked = nullptr)
      : answers_(std::move(answers)), asked_(asked) {}
  std::vector<LemmaCandidate> lemmasOf(std::u16string_view word) const override {
    if (asked_) ++*asked_;
    const auto it = answers_.find(std::u16string(word));
    return it == answers_.end() ? std::vector<LemmaCandidate>{} : it->second;
  }

 private:
  std::map<std::u16string, std::vector<LemmaCandidate>> answers_;
  int* asked_;
};

constexpr const char* kRussian = R"(direction ru-he
entry 1 1
headword книга
translation ספר
entry 2 1
headword книжка
entry 3 1
headword кино
entry 4 1
headword писать
entry 5 1
headword пища
entry 6 1
headword ёж
entry 7 1
headword идти
entry 8 1
headword кит
entry 9 1
headword кот
)";

constexpr const char* kHebrew = R"(direction he-ru
entry 10 1
headword ספר
russian книга
entry 10 401
headword ספרים
number pl
entry 11 1
headword בית
russian дом
entry 12 1
headword כתב
russian писать
entry 12 501
headword כתבתי
)";

class LookupHintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::buildAndOpen(Direction::RussianHebrew, kRussian, dir_.file("rusheb.dic"), pair_.russianHebrew);
    test::buildAndOpen(Direction::HebrewRussian, kHebrew, dir_.file("hebrus.dic"), pair_.hebrewRussian);
    device_.language = kLanguageHebrew;
  }
  std::unique_ptr<LookupHintSource> source(std::map<std::u16string, std::vector<LemmaCandidate>> russian,
                                           std::map<std::u16string, std::vector<LemmaCandidate>> hebrew = {}) {
    return makeLookupHintSource(pair_, device_, std::make_unique<FakeAnalyzer>(std::move(russian)),
                                std::make_unique<FakeAnalyzer>(std::move(hebrew)));
  }
  // The list number of a headword, read back through the hint's own answer.
  uint32_t ordinalOf(Direction d, std::u16string_view word) {
    const auto hint = source({{u"x", {{std::u16string(word), u""}}}}, {{u"x", {{std::u16string(word), u""}}}})
                          ->hintFor(d, u"x");
    EXPECT_EQ(hint.kind, LookupHint::Kind::FormOf) << u8(word);
    return hint.lemma.listOrdinal;
  }

  test::TempDir dir_;
  DictionaryPair pair_;
  DeviceSettings device_;
};

TEST_F(LookupHintTest, OffersTheFirstCandidateThatIsAHeadword) {
  auto hints = source({{u"книги", {{u"книгиня", u"?"}, {u"книга", u"мн. ч."}, {u"кино", u""}}}});
  const LookupHint hint = hints->hintFor(Direction::RussianHebrew, u"книги");
  ASSERT_EQ(hint.kind, LookupHint::Kind::FormOf);
  EXPECT_EQ(u8(hint.typed), "книги");
  EXPECT_EQ(u8(hint.lemma.headword), "книга");
  EXPECT_EQ(u8(hint.relation), "мн. ч.");
  // The ordinal is the lemma's row: the list shows that headword there.
  EXPECT_EQ(hint.lemma.listOrdinal, 4u);  // after ёж (sorted as еж), идти, кино, кит
}

TEST_F(LookupHintTest, MatchesHeadwordsAsTheLookupFoldsThem) {
  // A lemma spelled with ё or a capital still names the headword.
  auto hints = source({{u"ежи", {{u"Ёж", u"мн. ч."}}}, {u"шел", {{u"ИДТИ", u""}}}});
  EXPECT_EQ(u8(hints->hintFor(Direction::RussianHebrew, u"ежи").lemma.headword), "ёж");
  EXPECT_EQ(u8(hints->hintFor(Direction::RussianHebrew, u"шел").lemma.headword), "идти");
  // A candidate that is only a prefix of a headword is not offered.
  auto prefix = source({{u"книжкой", {{u"книж", u""}}}});
  EXPECT_EQ(prefix->hintFor(Direction::RussianHebrew, u"книжкой").kind, LookupHint::Kind::NotInDictionary);
}

TEST_F(LookupHintTest, PrefersTheDictionarysOwnFormEntry) {
  auto hints = source({}, {{u"הספרים", {{u"ספר", u"ה+ мн. ч."}}},
                           {u"ובבית", {{u"בית", u"וב+"}}},
                           {u"וכתבתי", {{u"כתב", u"ו+ прош. вр."}}}});
  LookupHint plural = hints->hintFor(Direction::HebrewRussian, u"הספרים");
  ASSERT_EQ(plural.kind, LookupHint::Kind::FormOf);
  EXPECT_EQ(u8(plural.lemma.headword), "ספרים");
  EXPECT_EQ(u8(plural.relation), "ה+ мн. ч.");
  EXPECT_EQ(u8(hints->hintFor(Direction::HebrewRussian, u"וכתבתי").lemma.headword), "כתבתי");
  // No form entry matches: the lemma itself.
  EXPECT_EQ(u8(hints->hintFor(Direction::HebrewRussian, u"ובבית").lemma.headword), "בית");
}

TEST_F(LookupHintTest, HebrewIsReadAndNamedInLogicalOrderOnEveryDevice) {
  device_.language = kLanguageRussian;
  auto hints = source({}, {{u"הספרים", {{u"ספר", u""}}}});
  // The window hands over the text in logical order even where the word box
  // shows it reversed, and the hint line is read as running text: nothing
  // is reversed on the way in or out.
  const LookupHint hint = hints->hintFor(Direction::HebrewRussian, u"הספרים");
  ASSERT_EQ(hint.kind, LookupHint::Kind::FormOf);
  EXPECT_EQ(u8(hint.typed), "הספרים");
  EXPECT_EQ(u8(hint.lemma.headword), "ספרים");
  const LookupHint missing = hints->hintFor(Direction::HebrewRussian, u"ספרימ");
  ASSERT_EQ(missing.kind, LookupHint::Kind::NotInDictionary);
  ASSERT_FALSE(missing.suggestions.empty());
  EXPECT_EQ(u8(missing.suggestions[0].headword), "ספרים");
}

TEST_F(LookupHintTest, SuggestsTheNearestHeadwordsWhenNoLemmaIsThere) {
  auto hints = source({{u"кнега", {{u"кнеголь", u""}}}});
  const LookupHint hint = hints->hintFor(Direction::RussianHebrew, u"кнега");
  ASSERT_EQ(hint.kind, LookupHint::Kind::NotInDictionary);
  ASSERT_FALSE(hint.suggestions.empty());
  EXPECT_EQ(u8(hint.suggestions[0].headword), "книга");
  EXPECT_EQ(hint.suggestions[0].listOrdinal, ordinalOf(Direction::RussianHebrew, u"книга"));
  EXPECT_LE(hint.suggestions.size(), 5u);

  // Swapped letters count as one edit; the first letter may be the typo.
  EXPECT_EQ(u8(hints->hintFor(Direction::RussianHebrew, u"кнiга").suggestions.at(0).headword), "книга");
  EXPECT_EQ(u8(hints->hintFor(Direction::RussianHebrew, u"пиасть").suggestions.at(0).headword), "писать");
  EXPECT_EQ(u8(hints->hintFor(Direction::RussianHebrew, u"жкино").suggestions.at(0).headword), "кино");

  // Among equally near headwords, the one sharing the longer beginning.
  const LookupHint kat = hints->hintFor(Direction::RussianHebrew, u"кат");
  ASSERT_GE(kat.suggestions.size(), 2u);
  EXPECT_EQ(u8(kat.suggestions[0].headword), "кит");
  EXPECT_EQ(u8(kat.suggestions[1].headword), "кот");
}

TEST_F(LookupHintTest, GibberishGetsTheHeadwordsAtItsPlace) {
  auto hints = source({});
  const LookupHint hint = hints->hintFor(Direction::RussianHebrew, u"щщщщщщщ");
  ASSERT_EQ(hint.kind, LookupHint::Kind::NotInDictionary);
  // It sorts after every headword: the last ones of the list.
  ASSERT_FALSE(hint.suggestions.empty());
  EXPECT_LE(hint.suggestions.size(), 5u);
  EXPECT_EQ(u8(hint.suggestions.back().headword), "пища");
  // A pasted sentence is no word to correct.
  EXPECT_TRUE(hints->hintFor(Direction::RussianHebrew, std::u16string(200, u'ы')).suggestions.empty());
}

TEST_F(LookupHintTest, APastedWordFindsItsHeadwordWithoutTheAnalyser) {
  int asked = 0;
  auto hints = makeLookupHintSource(pair_, device_, std::make_unique<FakeAnalyzer>(
                                                        std::map<std::u16string, std::vector<LemmaCandidate>>{}, &asked),
                                    nullptr);
  const LookupHint hint = hints->hintFor(Direction::RussianHebrew, u"«книга»,");
  ASSERT_EQ(hint.kind, LookupHint::Kind::FormOf);
  EXPECT_EQ(u8(hint.lemma.headword), "книга");
  EXPECT_EQ(u8(hint.relation), "");
  EXPECT_EQ(asked, 0);
  // No Hebrew analyser: nothing but suggestions.
  EXPECT_EQ(hints->hintFor(Direction::HebrewRussian, u"הספרים").kind, LookupHint::Kind::NotInDictionary);
}

TEST_F(LookupHintTest, AMissingDictionarySaysNothing) {
  pair_.hebrewRussian.close();
  auto hints = source({}, {{u"הספרים", {{u"ספר", u""}}}});
  EXPECT_EQ(hints->hintFor(Direction::HebrewRussian, u"הספרים").kind, LookupHint::Kind::None);
  EXPECT_EQ(hints->hintFor(Direction::RussianHebrew, u"").kind, LookupHint::Kind::None);
  EXPECT_EQ(hints->hintFor(Direction::RussianHebrew, u" ,. ").kind, LookupHint::Kind::None);
}

TEST(SpellingDistance, CountsEditsAndSwapsUpToTheLimit) {
  EXPECT_EQ(spellingDistance("kitten", "sitting", 5), 3u);
  EXPECT_EQ(spellingDistance("abcd", "abdc", 5), 1u);
  EXPECT_EQ(spellingDistance("", "abc", 5), 3u);
  EXPECT_EQ(spellingDistance("abc", "abc", 0), 0u);
  EXPECT_EQ(spellingDistance("abcdef", "uvwxyz", 2), 3u);
  EXPECT_EQ(spellingDistance("a", "abcdefgh", 2), 3u);
}

}  // namespace
}  // namespace orva
