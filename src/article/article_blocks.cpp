// The HTML of article blocks.
#include "article/article_blocks.h"

namespace orva {

namespace {

struct BlockTags {
  std::u16string_view open;
  std::u16string_view close;
};

BlockTags tagsOf(ArticleBlockKind kind) {
  switch (kind) {
    case ArticleBlockKind::HebrewHeadword:
      return {u"<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\"><b><font color=\"black\" size=6>",
              u"</font></b></div>\r\n"};
    case ArticleBlockKind::RussianHeadword: return {u"<div align=\"left\"><b>", u"</b></div>\r\n"};
    case ArticleBlockKind::HebrewText:
      return {u"<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\"><font color=\"black\" size=6>",
              u"</font></div>\r\n"};
    case ArticleBlockKind::Label:
      return {u"<div align=\"left\"><font color=\"#234567\" size=6><b>", u"</b></font></div>\r\n"};
    case ArticleBlockKind::RussianText: return {u"<div align=\"left\"><font size=6>", u"</font></div>\r\n"};
    case ArticleBlockKind::Separator: return {u"<hr>", u"\r\n"};
  }
  return {};
}

}  // namespace

void appendBlockHtml(const ArticleBlock& block, std::u16string& html) {
  const BlockTags tags = tagsOf(block.kind);
  html += tags.open;
  html += block.text;
  html += tags.close;
}

std::u16string blockHtml(const ArticleBlock& block) {
  std::u16string html;
  appendBlockHtml(block, html);
  return html;
}

std::u16string articleHtml(const Article& article) {
  std::u16string html(kPageStart);
  for (const ArticleBlock& block : article.blocks) appendBlockHtml(block, html);
  if (article.direction == Direction::RussianHebrew) html += kPageEnd;
  return html;
}

}  // namespace orva
