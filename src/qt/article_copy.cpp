// Copying from the article viewer in logical order.
#include "qt/article_copy.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <algorithm>
#include <string>
#include <vector>

#include "qt/article_viewer.h"
#include "qt/qt_text.h"
#include "ui/copied_text.h"

namespace orva {

QString copyArticleText() { return QCoreApplication::translate("PageBrowser", "Copy Article"); }

QString copiedDocumentText(const QTextDocument& document, int from, int to, bool visualOrder) {
  if (from > to) std::swap(from, to);
  std::vector<std::u16string> texts;
  std::vector<bool> rightToLeft;
  for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
       block = block.next()) {
    // The block's own characters, without the separator that ends it.
    const int start = std::max(from, block.position()) - block.position();
    const int end = std::min(to, block.position() + block.length() - 1) - block.position();
    if (end < start) continue;
    std::u16string text = toU16(block.text().mid(start, end - start));
    // An embedded object (an image, a rule) has no text to copy; a line
    // break inside a paragraph is a line feed.
    std::erase(text, u'\uFFFC');
    std::replace(text.begin(), text.end(), u'\u2028', u'\n');
    texts.push_back(std::move(text));
    rightToLeft.push_back(block.blockFormat().layoutDirection() == Qt::RightToLeft);
  }
  std::vector<ShownBlock> blocks;
  for (size_t i = 0; i < texts.size(); ++i) blocks.push_back({texts[i], rightToLeft[i]});
  return toQString(copiedText(blocks, visualOrder));
}

QMimeData* PageBrowser::createMimeDataFromSelection() const {
  // Plain text only: the page's own markup would carry the display order.
  auto* data = new QMimeData;
  const QTextCursor cursor = textCursor();
  data->setText(copiedDocumentText(*document(), cursor.selectionStart(), cursor.selectionEnd(), visualOrder_));
  return data;
}

void PageBrowser::copyArticle() const {
  const QTextDocument& page = *document();
  QGuiApplication::clipboard()->setText(copiedDocumentText(page, 0, page.characterCount() - 1, visualOrder_));
}

QMenu* PageBrowser::createArticleMenu(const QPoint& position) {
  QMenu* menu = createStandardContextMenu(position);
  menu->addSeparator();
  QAction* copyAll = menu->addAction(copyArticleText(), this, [this] { copyArticle(); });
  copyAll->setObjectName("copyArticle");
  copyAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyAll->setEnabled(!document()->isEmpty());
  return menu;
}

void PageBrowser::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createArticleMenu(event->pos());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace orva
