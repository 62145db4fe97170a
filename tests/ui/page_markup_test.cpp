// The page sanitiser: the pages the program writes pass unchanged in text
// and tags; what a hostile record adds (resources, tables, deep nesting,
// unsafe attributes, broken tags) is dropped or flattened.
#include "ui/page_markup.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace orva {
namespace {

using test::u8;

// The text of a page with its markup taken out.
std::u16string plainText(std::u16string_view html) {
  std::u16string text;
  size_t p = 0;
  for (const MarkupTag& tag : readMarkup(html)) {
    text += html.substr(p, tag.begin - p);
    p = tag.end;
  }
  text += html.substr(p);
  return text;
}

std::u16string repeated(std::u16string_view piece, int times) {
  std::u16string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

constexpr std::u16string_view kHebrewPage =
    u"<html><body>\r\n"
    u"<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\"><b><font color=\"black\" size=6>"
    u"<font color=red>כת</font>ב</font></b></div>\r\n"
    u"<div align=\"left\"><font color=\"#234567\" size=6><b>ед.ч., м/ж р.</b></font></div>\r\n"
    u"<div align=\"left\"><font size=6>писать &amp; записывать</font></div>\r\n<hr>\r\n";

constexpr std::u16string_view kWelcomePage =
    u"<html><body><h3><br><center>&lt;&lt; <font color=\"#FF5A00\">Welcome to ORVA CE</font> &gt;&gt;</center>"
    u"</h3><br><p align=\"right\"><i>Type a word</i></p></body></html>";

TEST(PageMarkup, ThePagesOwnMarkupPassesWithAllItsTextAndTags) {
  for (std::u16string_view page : {kHebrewPage, kWelcomePage}) {
    const std::u16string clean = sanitisePage(page);
    EXPECT_EQ(u8(plainText(clean)), u8(plainText(page)));
    const MarkupShape before = markupShape(page);
    const MarkupShape after = markupShape(clean);
    EXPECT_EQ(after.tags, before.tags);
    EXPECT_EQ(after.maxDepth, before.maxDepth);
    EXPECT_TRUE(after.allAttributesSafe);
    // Sanitising is settled after one pass.
    EXPECT_EQ(u8(sanitisePage(clean)), u8(clean));
  }
  // The attributes the pages write are kept, the values as they were.
  const std::u16string clean = sanitisePage(kHebrewPage);
  EXPECT_NE(clean.find(u"<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\">"), std::u16string::npos);
  EXPECT_NE(clean.find(u"<font color=\"#234567\" size=\"6\">"), std::u16string::npos);
  EXPECT_NE(clean.find(u"<font color=\"red\">כת</font>"), std::u16string::npos);
  // The Hebrew-Russian page leaves body and html open; they are closed.
  EXPECT_EQ(u8(clean.substr(clean.size() - 14)), "</body></html>");
}

TEST(PageMarkup, TwoHundredAndFiftyNestedTablesLeaveNoTableAndABoundedDepth) {
  const std::u16string record = repeated(u"<table><tr><td>x", 250) + repeated(u"</td></tr></table>", 250);
  const std::u16string page = std::u16string(u"<html><body>\r\n<div align=\"left\"><font size=6>") + record +
                              u"</font></div>\r\n<hr>\r\n";
  const std::u16string clean = sanitisePage(page);
  const MarkupShape shape = markupShape(clean);
  EXPECT_EQ(shape.tags, (std::set<std::u16string>{u"html", u"body", u"div", u"font", u"hr"}));
  EXPECT_EQ(shape.maxDepth, 4);
  EXPECT_EQ(std::count(clean.begin(), clean.end(), u'x'), 250);  // the text stays
}

TEST(PageMarkup, DeepNestingOfPageTagsIsFlattenedAtTheCap) {
  for (std::u16string_view tag : {u"div", u"font", u"b"}) {
    const std::u16string open = u"<" + std::u16string(tag) + u">";
    const std::u16string close = u"</" + std::u16string(tag) + u">";
    const std::u16string page = repeated(open + u"y", 300) + repeated(close, 300) + u"after";
    const std::u16string clean = sanitisePage(page);
    const MarkupShape shape = markupShape(clean);
    EXPECT_EQ(shape.maxDepth, kMaxPageDepth) << u8(tag);
    EXPECT_EQ(u8(plainText(clean)), u8(plainText(page)));
    // Every kept element is closed before the text that followed them all.
    EXPECT_EQ(u8(clean.substr(clean.size() - 5 - close.size())), u8(close) + "after");
    EXPECT_EQ(std::count(clean.begin(), clean.end(), u'<'), 2 * kMaxPageDepth);
  }
}

TEST(PageMarkup, ResourcesLinksAndScriptsAreDropped) {
  const std::u16string page =
      u"<img src=\"/dev/zero\">a<a href=\"file:///etc/passwd\">b</a><link rel=stylesheet href=/tmp/x.css>"
      u"<body background=\"/dev/zero\">c<table background=x><tr><td>d</td></tr></table>"
      u"<object data=x></object><iframe src=x></iframe><input value=x><svg><image href=x/></svg>e";
  const std::u16string clean = sanitisePage(page);
  EXPECT_EQ(u8(clean), "ab<body>cde</body>");
  EXPECT_TRUE(markupShape(clean).allAttributesSafe);
}

TEST(PageMarkup, OnlySafeAttributeValuesAreKept) {
  EXPECT_EQ(u8(sanitisePage(u"<font color=\"red\" style=\"background-image: url(/dev/zero)\" size=7 face=x>t")),
            "<font color=\"red\" size=\"7\">t</font>");
  EXPECT_EQ(u8(sanitisePage(u"<font color='#12345G' size=\"100\">t</font>")), "<font>t</font>");
  EXPECT_EQ(u8(sanitisePage(u"<div style=\"direction:ltr;\" align=RIGHT dir=x>t</div>")),
            "<div style=\"direction:ltr;\" align=\"RIGHT\">t</div>");
  // A value that would close the quote or open a tag is never written out.
  EXPECT_EQ(u8(sanitisePage(u"<font color=\"red&quot;\" onclick=\"x\">t")), "<font>t</font>");
  EXPECT_EQ(u8(sanitisePage(u"a<font color=\"red\" onclick=\">t")), "a");
  EXPECT_EQ(u8(sanitisePage(u"<font color=red color=blue>t")), "<font color=\"red\">t</font>");
}

TEST(PageMarkup, BrokenMarkupBecomesTextOrNothing) {
  // A "<" that opens no tag is shown as itself.
  EXPECT_EQ(u8(sanitisePage(u"a < b, 1<2, <>, </ >")), "a &lt; b, 1&lt;2, &lt;>, &lt;/ >");
  // Comments, declarations and a tag the text ends inside are dropped.
  EXPECT_EQ(u8(sanitisePage(u"a<!-- <img src=x> -->b<!DOCTYPE html>c<?xml?>d")), "abcd");
  EXPECT_EQ(u8(sanitisePage(u"a<!-- never closed <b>x")), "a");
  EXPECT_EQ(u8(sanitisePage(u"a<font color=\"red")), "a");
  EXPECT_EQ(u8(sanitisePage(u"a<b")), "a");
  // Closing an outer element closes what was opened inside it; an end tag
  // with no open element is dropped.
  EXPECT_EQ(u8(sanitisePage(u"<b><i>x</b>y</i></p>z")), "<b><i>x</i></b>yz");
  EXPECT_EQ(u8(sanitisePage(u"<br/><hr /></br>x")), "<br><hr>x");
  // The document's own elements come once.
  EXPECT_EQ(u8(sanitisePage(u"<html><body>a<body bgcolor=red><html>b</html></body>c</body></html>")),
            "<html><body>abc</body></html>");
  EXPECT_EQ(u8(sanitisePage(u"<B Color=RED><FONT COLOR=RED>x</font></b>")), "<b color=\"RED\"><font color=\"RED\">x</font></b>");
}

TEST(PageMarkup, RecordTextsMayUseThePageTagsOnly) {
  EXPECT_FALSE(recordMarkupProblem(u"<b>да</b>, <i>нет</i><br><font color=\"red\" size=+1>x</font> 1 < 2"));
  const auto image = recordMarkupProblem(u"a<img src=\"/dev/zero\">");
  ASSERT_TRUE(image);
  EXPECT_NE(image->find("<img>"), std::string::npos) << *image;
  EXPECT_TRUE(recordMarkupProblem(u"<table><tr><td>x</td></tr></table>"));
  EXPECT_TRUE(recordMarkupProblem(u"<body>x"));  // the page's own structure
  EXPECT_TRUE(recordMarkupProblem(u"x</a>"));
  EXPECT_TRUE(recordMarkupProblem(u"<!-- note -->"));
  EXPECT_TRUE(recordMarkupProblem(u"<b"));
  const auto style = recordMarkupProblem(u"<font style=\"background: url(x)\">x</font>");
  ASSERT_TRUE(style);
  EXPECT_NE(style->find("style=\"background: url(x)\""), std::string::npos) << *style;
}

}  // namespace
}  // namespace orva
