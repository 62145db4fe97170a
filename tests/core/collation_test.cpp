// The folding rules every lookup shares: typed and pasted text cleaned up,
// Russian case and ё, Hebrew quotes, and the words the analysers read.
#include <gtest/gtest.h>

#include "support/test_files.h"
#include "text/collation.h"
#include "text/utf.h"

namespace orva {
namespace {

std::string u8(std::u16string_view s) { return utf16ToUtf8(s); }
std::string clean(std::u16string_view s) { return u8(cleanTypedText(s)); }

TEST(Collation, PastedTextLosesBlanksPunctuationAndFurtherLines) {
  EXPECT_EQ(clean(u"  книга, "), "книга");
  EXPECT_EQ(clean(u"«книга»."), "книга");
  EXPECT_EQ(clean(u"книга\t\u00A0"), "книга");
  EXPECT_EQ(clean(u"добрый   день"), "добрый день");
  EXPECT_EQ(clean(u"кто-то!"), "кто-то");
  EXPECT_EQ(clean(u"- книга"), "книга");  // a hyphen standing apart goes
  EXPECT_EQ(clean(u"?!"), "?!");          // nothing but punctuation stays as it is
  EXPECT_EQ(u8(firstLineOf(u"\n  \n книга\nвторая")), " книга");
  EXPECT_EQ(u8(firstLineOf(u"\r\n...\r\nкнига")), "книга");
}

TEST(Collation, HebrewPointsAndQuotesAreReadAsTheFilesWriteThem) {
  EXPECT_EQ(clean(u"סֵפֶר"), "ספר");                      // niqqud
  EXPECT_EQ(clean(u"בְּרֵאשִׁ֖ית"), "בראשית");                 // with a cantillation mark
  EXPECT_EQ(clean(u"דו\u05F4ח"), "דו\"ח");                 // gershayim
  EXPECT_EQ(clean(u"ג\u05F3ירפה"), "ג'ירפה");              // geresh
  EXPECT_EQ(clean(u"צ\u05F3"), "צ'");                      // a geresh ending a word stays
  EXPECT_EQ(clean(u"\"שלום\""), "שלום");                   // quotation marks go
  EXPECT_EQ(clean(u"בית\u05BEספר"), "בית\u05BEספר");       // a maqaf between letters stays
  EXPECT_EQ(clean(u"\u202Bשלום\u202C"), "שלום");           // invisible formatting goes
}

TEST(Collation, DecomposedYoAndShortIAreTheLetters) {
  EXPECT_EQ(clean(u"е\u0308лка"), "ёлка");
  EXPECT_EQ(clean(u"Е\u0308ЛКА"), "ЁЛКА");
  EXPECT_EQ(clean(u"чаи\u0306"), "чай");
  EXPECT_EQ(clean(u"кни\u0301га"), "книга");  // a stress mark goes
}

TEST(Collation, HeadwordsBeginWithQueriesAsTheLookupFoldsThem) {
  using test::cp1251;
  EXPECT_TRUE(headwordBeginsWith(cp1251("Ёлка"), cp1251("ел"), Direction::RussianHebrew));
  EXPECT_TRUE(headwordBeginsWith(cp1251("ёлка"), cp1251("ЁЛ"), Direction::RussianHebrew));
  EXPECT_FALSE(headwordBeginsWith(cp1251("ел"), cp1251("елка"), Direction::RussianHebrew));
  EXPECT_TRUE(lessAmongAlike(cp1251("перед"), cp1251("перёд")));
  EXPECT_FALSE(lessAmongAlike(cp1251("перёд"), cp1251("перед")));
  EXPECT_EQ(collationView(Direction::RussianHebrew, cp1251("ЁЖ")), collationView(Direction::RussianHebrew, cp1251("еж")));
  EXPECT_EQ(withoutHebrewQuotes("a'b\"c"), "abc");
}

TEST(Collation, AnalysersReadTheWordWithoutItsSurroundings) {
  EXPECT_EQ(u8(trimmedWord(u"  «книга», ")), "книга");
  EXPECT_EQ(u8(trimmedWord(u"(кто-то)!")), "кто-то");
  EXPECT_EQ(u8(trimmedWord(u"צ'")), "צ'");             // a geresh after a Hebrew letter stays
  EXPECT_EQ(u8(trimmedWord(u"\"דו\"ח\"")), "דו\"ח");  // the quotation marks go, the gershayim stays
  EXPECT_EQ(u8(trimmedWord(u"!?.")), "");
  EXPECT_EQ(u8(foldedRussian(u"ЁЖИК Ёлка")), "ежик елка");
  EXPECT_EQ(u8(lowerRussian(u"ЁЖИ́К")), "ёжик");
}

}  // namespace
}  // namespace orva
