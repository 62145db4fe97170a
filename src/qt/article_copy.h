// The plain text a copy from the article viewer gives: the viewer's
// paragraphs, or the selected part of them, in logical order and without
// bidi controls, whatever order the display shows Hebrew in.
#pragma once

#include <QString>
#include <QTextDocument>

namespace orva {

// The text between document positions `from` and `to`. `visualOrder`: the
// right-to-left paragraphs hold their text reversed for display.
QString copiedDocumentText(const QTextDocument& document, int from, int to, bool visualOrder);

// "Copy Article", the context menu's command for the whole article.
QString copyArticleText();

}  // namespace orva
