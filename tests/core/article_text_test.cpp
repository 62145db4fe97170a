// The terminal rendering of an article's blocks.
#include <gtest/gtest.h>

#include "tools/article_text.h"

namespace orva {
namespace {

Article hebrewArticle() {
  Article article{Direction::HebrewRussian, {}};
  // A right-to-left block lists its runs right to left: the red span last
  // in the text is the first of the word.
  article.blocks.push_back({ArticleBlockKind::HebrewHeadword, u"\u05D1<font color=red>\u05D0</font>"});
  article.blocks.push_back({ArticleBlockKind::Label, u"\u043C\u043D. \u0447. "});
  article.blocks.push_back({ArticleBlockKind::RussianText, u"a &lt;b&gt; \x1b[2J"});
  article.blocks.push_back({ArticleBlockKind::Separator, {}});
  article.blocks.push_back({ArticleBlockKind::HebrewText, u"\u05D2"});
  article.blocks.push_back({ArticleBlockKind::RussianText, u"c"});
  article.blocks.push_back({ArticleBlockKind::HebrewText, u"   "});  // nothing to show: no line
  return article;
}

TEST(ArticleText, OneLineABlockRelatedFormsIndentedAfterABlankLine) {
  EXPECT_EQ(articleAsText(hebrewArticle(), false),
            "\u05D0\u05D1\n"
            "\u043C\u043D. \u0447.\n"
            "a <b> ^[[2J\n"
            "\n  \u05D2\n"
            "  c\n");
}

TEST(ArticleText, ColourMarksTheHeadwordLabelsAndRedSpans) {
  const std::string text = articleAsText(hebrewArticle(), true);
  EXPECT_EQ(text.substr(0, text.find('\n')), "\x1b[1m\x1b[31m\u05D0\x1b[0m\x1b[1m\u05D1\x1b[0m");
  EXPECT_NE(text.find("\x1b[36m\u043C\u043D. \u0447.\x1b[0m\n"), std::string::npos);
  // The record's own escape never reaches the terminal as one.
  EXPECT_EQ(text.find("\x1b[2J"), std::string::npos);
}

TEST(ArticleText, TheFirstShownBlockIsBoldEvenWhenTheHeadwordIsEmpty) {
  Article article{Direction::RussianHebrew, {}};
  article.blocks.push_back({ArticleBlockKind::RussianHeadword, u""});
  article.blocks.push_back({ArticleBlockKind::HebrewText, u"\u05D0"});
  EXPECT_EQ(articleAsText(article, true), "\x1b[1m\u05D0\x1b[0m\n");
}

}  // namespace
}  // namespace orva
