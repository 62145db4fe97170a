// The article pane as the rest of the system sees it: a viewer that is
// cleared, appended to with HTML text and with the article's blocks, and
// told when the page is complete.
#pragma once

#include <string>
#include <string_view>

#include "article/article_blocks.h"

namespace orva {

class ArticleView {
 public:
  virtual ~ArticleView() = default;
  virtual void clear() = 0;
  // Appends HTML text to the page built since the last clear.
  virtual void append(std::u16string_view html) = 0;
  // Appends one block of the article. The page it adds to is the block's
  // HTML line; a viewer that lays blocks out itself takes the block as it is.
  virtual void appendBlock(const ArticleBlock& block) {
    blockHtml_.clear();
    appendBlockHtml(block, blockHtml_);
    append(blockHtml_);
  }
  // The page is complete and is shown in full.
  virtual void endOfSource() = 0;

  // Clear, append, end of source.
  void ShowPage(std::u16string_view html) {
    clear();
    append(html);
    endOfSource();
  }
  // Append only.
  void AppendPage(std::u16string_view html) { append(html); }

 private:
  std::u16string blockHtml_;  // one buffer for every block
};

// A viewer that keeps the page text it holds: what a person would see once
// the page is complete. Used by orvadict and by tests.
class PageCollector : public ArticleView {
 public:
  void clear() override { page_.clear(); }
  void append(std::u16string_view html) override { page_ += html; }
  void appendBlock(const ArticleBlock& block) override { appendBlockHtml(block, page_); }
  void endOfSource() override { ++completed_; }

  const std::u16string& page() const { return page_; }
  int completedPages() const { return completed_; }

 private:
  std::u16string page_;
  int completed_ = 0;
};

}  // namespace orva
