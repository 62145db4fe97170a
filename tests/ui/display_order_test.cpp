// Adapting pages and texts to a toolkit that does its own bidi.
#include <gtest/gtest.h>

#include "support/test_files.h"
#include "ui/display_order.h"

namespace orva {
namespace {

TEST(RtlRunsInLogicalOrder, TurnsTheRunsOfHebrewBlocksBack) {
  const std::u16string head = u"<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\"><b><font color=\"black\" size=6>";
  const std::u16string form = u"<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\"><font color=\"black\" size=6>";
  // The page of מכתב with כתב in red lists the span first, then מ.
  const std::u16string page = u"<html><body>\r\n" + head + u"<font color=red>כתב</font>מ</font></b></div>\r\n" +
                              u"<div align=\"left\"><font size=6>письмо</font></div>\r\n<hr>\r\n" + form +
                              u"הו<font color=red>גד</font>אב</font></div>\r\n" + form + u"שלום</font></div>\r\n";
  const std::u16string expected = u"<html><body>\r\n" + head + u"מ<font color=red>כתב</font></font></b></div>\r\n" +
                                  u"<div align=\"left\"><font size=6>письмо</font></div>\r\n<hr>\r\n" + form +
                                  u"אב<font color=red>גד</font>הו</font></div>\r\n" + form + u"שלום</font></div>\r\n";
  EXPECT_EQ(test::u8(rtlRunsInLogicalOrder(page)), test::u8(expected));
}

TEST(RtlRunsInLogicalOrder, LeavesEverythingElseAlone) {
  const std::u16string left = u"<div align=\"left\"><b>кн<font color=red>и</font>га</b></div>\r\n</body></html>\r\n";
  EXPECT_EQ(rtlRunsInLogicalOrder(left), left);
  const std::u16string broken = u"<div dir=\"rtl\">no size</div>";
  EXPECT_EQ(rtlRunsInLogicalOrder(broken), broken);
  EXPECT_EQ(rtlRunsInLogicalOrder(u""), u"");
}

}  // namespace
}  // namespace orva
