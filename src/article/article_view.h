// The article pane as the rest of the system sees it: a viewer that is
// cleared, appended to with HTML text, and told when the page is complete.
#pragma once

#include <string>
#include <string_view>

namespace orva {

class ArticleView {
 public:
  virtual ~ArticleView() = default;
  virtual void clear() = 0;
  // Appends HTML text to the page built since the last clear.
  virtual void append(std::u16string_view html) = 0;
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
};

// A viewer that keeps the page text it holds: what a person would see once
// the page is complete. Used by orvadict and by tests.
class PageCollector : public ArticleView {
 public:
  void clear() override { page_.clear(); }
  void append(std::u16string_view html) override { page_ += html; }
  void endOfSource() override { ++completed_; }

  const std::u16string& page() const { return page_; }
  int completedPages() const { return completed_; }

 private:
  std::u16string page_;
  int completed_ = 0;
};

}  // namespace orva
