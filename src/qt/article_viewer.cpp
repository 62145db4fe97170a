// The article viewer binding.
#include "qt/article_viewer.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>

#include "qt/page_colours.h"
#include "qt/qt_text.h"
#include "ui/display_order.h"
#include "ui/page_markup.h"

namespace orva {

QVariant PageBrowser::loadResource(int type, const QUrl& name) {
  if (name.scheme() == QLatin1String("qrc")) return QTextBrowser::loadResource(type, name);
  ++refused_;
  // Neither answer may be null or empty: the document, and for images the
  // image handler, would then read the named file themselves. A refused
  // image is one transparent pixel; a refused style sheet is empty.
  if (type == QTextDocument::ImageResource) {
    QImage nothing(1, 1, QImage::Format_ARGB32);
    nothing.fill(Qt::transparent);
    return nothing;
  }
  return QByteArray("");
}

void PageBrowser::mapColours() {
  mapPageColours(*document(), palette().color(QPalette::Base), palette().color(QPalette::Text));
}

void PageBrowser::changeEvent(QEvent* event) {
  QTextBrowser::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) mapColours();
}

QtArticleView::QtArticleView(QWidget* parent, bool visualOrder)
    : browser_(new PageBrowser(parent)), visualOrder_(visualOrder) {
  browser_->setObjectName("articleView");
  browser_->setReadOnly(true);
  browser_->setOpenLinks(false);
  browser_->setOpenExternalLinks(false);
  browser_->setSearchPaths({});
  // A click gives it the focus, so that a selection can be copied with
  // Ctrl+C; Tab passes it by.
  browser_->setFocusPolicy(Qt::ClickFocus);
  browser_->setVisualOrder(visualOrder);
}

QtArticleView::~QtArticleView() { delete browser_; }

void QtArticleView::clear() {
  source_.clear();
  display_.clear();
  shown_.clear();
  browser_->clear();
}

void QtArticleView::append(std::u16string_view html) {
  source_ += html;
  if (!visualOrder_) display_ += html;
}

void QtArticleView::appendBlock(const ArticleBlock& block) {
  appendBlockHtml(block, source_);
  if (!visualOrder_) appendLogicalOrderBlockHtml(block, display_);
}

void QtArticleView::endOfSource() {
  shown_ = source_;
  if (!visualOrder_) {
    browser_->setHtml(toQString(sanitisePage(display_)));
    browser_->mapColours();
    return;
  }
  // A display without bidi showed every block left to right exactly as
  // stored: an override at the start of each block does the same here.
  browser_->setHtml(toQString(sanitisePage(pointsAfterLetters(source_))));
  QTextDocument* document = browser_->document();
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block.length() <= 1) continue;  // nothing in it to order
    cursor.setPosition(block.position());
    cursor.insertText(QString(QChar(kLeftToRightOverride)));
  }
  cursor.endEditBlock();
  browser_->mapColours();
}

}  // namespace orva
