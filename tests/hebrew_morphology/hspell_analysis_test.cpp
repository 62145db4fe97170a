// Reading hspell's analysis tags and the Russian notes made of them.
#include <gtest/gtest.h>

#include "morphology/hspell_analysis.h"
#include "text/utf.h"

namespace orva {
namespace {

// hspell's tags are ISO-8859-8: Hebrew letters from 0xE0, the rest ASCII.
std::string iso88598(std::u16string_view text) {
  std::string bytes;
  for (const char16_t c : text) bytes.push_back(c >= u'א' ? static_cast<char>(0xE0 + (c - u'א')) : static_cast<char>(c));
  return bytes;
}

std::string noteOf(std::u16string_view tags) { return utf16ToUtf8(russianNoteOf(parseHspellAnalysis(iso88598(tags)))); }

TEST(HspellAnalysis, VerbFormsNameTenseThenPersonNumberAndGender) {
  EXPECT_EQ(noteOf(u"פ,1,יחיד,עבר"), "прош. вр., 1 л. ед. ч.");
  EXPECT_EQ(noteOf(u"פ,ז,2,יחיד,עתיד"), "буд. вр., 2 л. ед. ч. м. р.");
  EXPECT_EQ(noteOf(u"פ,נ,רבים,הווה"), "наст. вр., мн. ч. ж. р.");
  EXPECT_EQ(noteOf(u"פ,נ,2,יחיד,ציווי"), "повел. накл., 2 л. ед. ч. ж. р.");
  EXPECT_EQ(noteOf(u"פ,מקור"), "инфинитив");
}

TEST(HspellAnalysis, NounsShowWhatDiffersFromTheDictionaryForm) {
  EXPECT_EQ(noteOf(u"ע,ז,יחיד"), "");
  EXPECT_EQ(noteOf(u"ע,ז,רבים"), "мн. ч.");
  EXPECT_EQ(noteOf(u"ע,נ,רבים,סמיכות"), "мн. ч., смихут");
  EXPECT_EQ(noteOf(u"ע,ז,יחיד,סמיכות"), "ед. ч., смихут");
  EXPECT_EQ(noteOf(u"ת,נ,יחיד"), "ж. р.");
  EXPECT_EQ(noteOf(u"ת,נ,רבים"), "мн. ч. ж. р.");
  EXPECT_EQ(noteOf(u"ת,ז,רבים"), "мн. ч.");
}

TEST(HspellAnalysis, SuffixesReadAsPossessiveOnNounsAndObjectOnVerbs) {
  EXPECT_EQ(noteOf(u"ע,ז,רבים,כינוי/ז,3,רבים"), "мн. ч. + «их»");
  EXPECT_EQ(noteOf(u"ע,ז,יחיד,כינוי/,1,יחיד"), "ед. ч. + «мой»");
  EXPECT_EQ(noteOf(u"ע,נ,יחיד,כינוי/נ,3,יחיד"), "ед. ч. + «её»");
  EXPECT_EQ(noteOf(u"ע,ז,יחיד,כינוי/ז,2,רבים"), "ед. ч. + «ваш»");
  EXPECT_EQ(noteOf(u"פ,ז,3,יחיד,עבר,כינוי/ז,3,יחיד"), "прош. вр., 3 л. ед. ч. м. р. + «его»");
  EXPECT_EQ(noteOf(u"פ,מקור,כינוי/,1,רבים"), "инфинитив + «нас»");
}

TEST(HspellAnalysis, TagsAreReadIntoTheirFields) {
  const auto a = parseHspellAnalysis(iso88598(u"פ,ז,3,יחיד,עבר,כינוי/נ,1,רבים"));
  EXPECT_EQ(a.partOfSpeech, HebrewFormAnalysis::PartOfSpeech::Verb);
  EXPECT_EQ(a.tense, HebrewFormAnalysis::Tense::Past);
  EXPECT_EQ(a.form.gender, 'm');
  EXPECT_EQ(a.form.person, 3);
  EXPECT_EQ(a.form.number, 's');
  ASSERT_TRUE(a.hasSuffix);
  EXPECT_EQ(a.suffix.gender, 'f');
  EXPECT_EQ(a.suffix.person, 1);
  EXPECT_EQ(a.suffix.number, 'p');

  const auto name = parseHspellAnalysis(iso88598(u"ע,ז,יחיד,פרטי"));
  EXPECT_TRUE(name.properName);
  EXPECT_EQ(parseHspellAnalysis("x").partOfSpeech, HebrewFormAnalysis::PartOfSpeech::Other);
  // Unknown tags and empty descriptions say nothing, and never fail.
  EXPECT_EQ(noteOf(u"x"), "");
  EXPECT_EQ(noteOf(u""), "");
  EXPECT_EQ(noteOf(u"ע,רבים,???,,"), "мн. ч.");
}

}  // namespace
}  // namespace orva
