// The article viewer binding.
#include "qt/article_viewer.h"

#include <QTextBlock>
#include <QTextCursor>

#include "qt/qt_text.h"
#include "ui/display_order.h"

namespace orva {

QtArticleView::QtArticleView(QWidget* parent, bool visualOrder)
    : browser_(new QTextBrowser(parent)), visualOrder_(visualOrder) {
  browser_->setObjectName("articleView");
  browser_->setReadOnly(true);
  browser_->setOpenLinks(false);
  browser_->setOpenExternalLinks(false);
  browser_->setFocusPolicy(Qt::NoFocus);
}

QtArticleView::~QtArticleView() { delete browser_; }

void QtArticleView::clear() {
  source_.clear();
  shown_.clear();
  browser_->clear();
}

void QtArticleView::endOfSource() {
  shown_ = source_;
  if (!visualOrder_) {
    browser_->setHtml(toQString(rtlRunsInLogicalOrder(source_)));
    return;
  }
  // A display without bidi showed every block left to right exactly as
  // stored: an override at the start of each block does the same here.
  browser_->setHtml(toQString(pointsAfterLetters(source_)));
  QTextDocument* document = browser_->document();
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block.length() <= 1) continue;  // nothing in it to order
    cursor.setPosition(block.position());
    cursor.insertText(QString(QChar(kLeftToRightOverride)));
  }
  cursor.endEditBlock();
}

}  // namespace orva
