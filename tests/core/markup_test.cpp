// Highlight markers turned into red spans.
#include <gtest/gtest.h>

#include "support/test_files.h"
#include "text/markup.h"

namespace orva {
namespace {

const DeviceSettings kHebrewDevice{kLanguageHebrew, CodePage::Hebrew1255};
const DeviceSettings kRussianDevice{kLanguageRussian, CodePage::Cyrillic1251};

std::string rewritten(std::u16string text, bool* result = nullptr) {
  const bool made = RewriteMarkup(text);
  if (result) *result = made;
  return test::u8(text);
}

TEST(RewriteMarkup, PairsMarkersIntoRedSpans) {
  bool made = true;
  EXPECT_EQ(rewritten(u"plain", &made), "plain");
  EXPECT_FALSE(made);
  EXPECT_EQ(rewritten(u"x|y|z", &made), "x<font color=red>y</font>z");
  EXPECT_TRUE(made);
  EXPECT_EQ(rewritten(u"|x|y|z|"), "<font color=red>x</font>y<font color=red>z</font>");
  EXPECT_EQ(rewritten(u"x\u05BEy|z"), "x<font color=red>y</font>z");
  EXPECT_EQ(rewritten(u"||"), "<font color=red></font>");
}

TEST(RewriteMarkup, AnUnpairedFirstMarkerIsDropped) {
  bool made = true;
  EXPECT_EQ(rewritten(u"x|y", &made), "xy");
  EXPECT_FALSE(made);
  EXPECT_EQ(rewritten(u"a|b|c|d"), "ab<font color=red>c</font>d");
}

TEST(RewriteMarkup, TheTextsOwnAngleBracketsAreLeftAlone) {
  bool made = true;
  EXPECT_EQ(rewritten(u"a<b", &made), "a<b");
  EXPECT_FALSE(made);
  EXPECT_EQ(rewritten(u"<i>x</i> |y|"), "<i>x</i> <font color=red>y</font>");
}

TEST(HighlightForDisplay, HebrewInLogicalOrderKeepsEachRunReadable) {
  // X, maqaf, Y, maqaf, Z with runs of two letters each.
  std::u16string text = u"אב\u05BEגד\u05BEהו";
  HighlightForDisplay(text, true, kHebrewDevice);
  EXPECT_EQ(test::u8(text), "הו<font color=red>גד</font>אב");

  std::u16string plain = u"שלום";
  HighlightForDisplay(plain, true, kHebrewDevice);
  EXPECT_EQ(plain, u"שלום");

  std::u16string odd = u"אב\u05BEגד";  // unpaired: dropped, order kept
  HighlightForDisplay(odd, true, kHebrewDevice);
  EXPECT_EQ(odd, u"אבגד");
}

TEST(HighlightForDisplay, OtherTextsAreRewrittenAsTheyStand) {
  std::u16string russian = u"кн|и|га";
  HighlightForDisplay(russian, false, kHebrewDevice);
  EXPECT_EQ(test::u8(russian), "кн<font color=red>и</font>га");
  // Visual-order Hebrew: "|" has become "]" already and is no marker; the
  // maqaf still is.
  std::u16string visual = u"ב]א\u05BEג\u05BE";
  HighlightForDisplay(visual, true, kRussianDevice);
  EXPECT_EQ(test::u8(visual), "ב]א<font color=red>ג</font>");
}

TEST(ReorderRedSpans, ToleratesTextsWithoutSpansOrWithBrokenTags) {
  std::u16string none = u"abc";
  ReorderRedSpans(none);
  EXPECT_EQ(none, u"abc");
  std::u16string broken = u"a<font color=red>b";
  ReorderRedSpans(broken);
  EXPECT_EQ(broken, u"a<font color=red>b");
  std::u16string two = u"ab<font color=red>cd</font>ef<font color=red>gh</font>ij";
  ReorderRedSpans(two);
  EXPECT_EQ(test::u8(two), "ba<font color=red>dc</font>fe<font color=red>hg</font>ji");
}

}  // namespace
}  // namespace orva
