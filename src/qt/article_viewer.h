// The article viewer: a read-only QTextBrowser with inert links. The page is
// collected between a clear and the end of the source and then shown whole.
#pragma once

#include <QTextBrowser>
#include <string>

#include "article/article_view.h"

namespace orva {

class QtArticleView : public ArticleView {
 public:
  // `visualOrder`: Hebrew on the page is already in display order (a device
  // whose language is not Hebrew) and must not be reordered again.
  QtArticleView(QWidget* parent, bool visualOrder);
  ~QtArticleView() override;

  void clear() override;
  void append(std::u16string_view html) override { source_ += html; }
  void endOfSource() override;

  QTextBrowser* widget() const { return browser_; }
  // The page text last shown, as the logic sent it.
  const std::u16string& shownSource() const { return shown_; }

 private:
  QTextBrowser* browser_;
  bool visualOrder_;
  std::u16string source_;
  std::u16string shown_;
};

}  // namespace orva
