// Adapting blocks and texts to a toolkit that does its own bidi.
#include <gtest/gtest.h>

#include "support/test_files.h"
#include "ui/display_order.h"

namespace orva {
namespace {

TEST(LogicalOrderBlockHtml, TurnsTheRunsOfHebrewBlocksBack) {
  // The headword מכתב with כתב in red lists the span first, then מ.
  std::u16string html;
  appendLogicalOrderBlockHtml({ArticleBlockKind::HebrewHeadword, u"<font color=red>כתב</font>מ"}, html);
  appendLogicalOrderBlockHtml({ArticleBlockKind::HebrewText, u"הו<font color=red>גד</font>אב"}, html);
  appendLogicalOrderBlockHtml({ArticleBlockKind::HebrewText, u"שלום"}, html);
  std::u16string expected;
  appendBlockHtml({ArticleBlockKind::HebrewHeadword, u"מ<font color=red>כתב</font>"}, expected);
  appendBlockHtml({ArticleBlockKind::HebrewText, u"אב<font color=red>גד</font>הו"}, expected);
  appendBlockHtml({ArticleBlockKind::HebrewText, u"שלום"}, expected);
  EXPECT_EQ(test::u8(html), test::u8(expected));
}

TEST(LogicalOrderBlockHtml, LeavesEverythingElseAlone) {
  for (const ArticleBlock& block : {ArticleBlock{ArticleBlockKind::RussianHeadword, u"кн<font color=red>и</font>га"},
                                    ArticleBlock{ArticleBlockKind::RussianText, u"<font color=red>a</font>b"},
                                    ArticleBlock{ArticleBlockKind::Label, u"м. р."},
                                    ArticleBlock{ArticleBlockKind::Separator, u""}}) {
    std::u16string html;
    appendLogicalOrderBlockHtml(block, html);
    EXPECT_EQ(test::u8(html), test::u8(blockHtml(block)));
  }
  // A red span that is never closed stays where it is, with what follows it.
  EXPECT_EQ(runsInReverseOrder(u"א<font color=red>ב"), u"א<font color=red>ב");
  EXPECT_EQ(runsInReverseOrder(u"<font color=red>ב</font>ג<font color=red>ד"), u"ג<font color=red>ד<font color=red>ב</font>");
  EXPECT_EQ(runsInReverseOrder(u""), u"");
}

}  // namespace
}  // namespace orva
