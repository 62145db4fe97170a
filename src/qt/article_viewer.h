// The article viewer: a read-only QTextBrowser with inert links. The page is
// collected between a clear and the end of the source and then shown whole,
// after going through the page sanitiser. The browser loads no resource the
// program does not carry itself: a record cannot make it read a file. The
// page's colours are shown in shades that read on the desktop's palette.
#pragma once

#include <QTextBrowser>
#include <string>

#include "article/article_view.h"

namespace orva {

// A text browser whose only resources are the program's own (qrc:), and
// whose links open nothing.
class PageBrowser : public QTextBrowser {
 public:
  explicit PageBrowser(QWidget* parent) : QTextBrowser(parent) {}

  // Copies (article_copy.cpp): a selection copied with Ctrl+C, and the whole
  // article from the context menu's "Copy Article" or Ctrl+Shift+C, reach
  // the clipboard as plain text in logical order. `visualOrder`: the page
  // shows right-to-left blocks reversed.
  void setVisualOrder(bool visualOrder) { visualOrder_ = visualOrder; }
  void copyArticle() const;
  QMimeData* createMimeDataFromSelection() const override;
  // The context menu: the standard one (Copy, Select All) and "Copy Article".
  QMenu* createArticleMenu(const QPoint& position);
  void contextMenuEvent(QContextMenuEvent* event) override;

  // The document asks here, through the meta-object, for every image and
  // style sheet a page names.
  QVariant loadResource(int type, const QUrl& name) override;
  // How many resources were asked for and refused since the browser was made.
  int refusedResources() const { return refused_; }
  // Shows the page's colours in shades that read on the current palette.
  void mapColours();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  int refused_ = 0;
  bool visualOrder_ = false;
};

class QtArticleView : public ArticleView {
 public:
  // `visualOrder`: Hebrew on the page is already in display order (a device
  // whose language is not Hebrew) and must not be reordered again.
  QtArticleView(QWidget* parent, bool visualOrder);
  ~QtArticleView() override;

  void clear() override;
  void append(std::u16string_view html) override;
  // Keeps the block's HTML as the logic sent it, and lays a right-to-left
  // block out in logical order when the page is not already in visual order.
  void appendBlock(const ArticleBlock& block) override;
  void endOfSource() override;

  PageBrowser* widget() const { return browser_; }
  // The page text last shown, as the logic sent it.
  const std::u16string& shownSource() const { return shown_; }

 private:
  PageBrowser* browser_;
  bool visualOrder_;
  std::u16string source_;   // the page as the logic sent it
  std::u16string display_;  // the page as the browser is given it, in logical order
  std::u16string shown_;
};

}  // namespace orva
