// The article's colours on screen: the page names its own colours (red
// highlights, the grammar labels' dark blue, the welcome page's orange),
// chosen for a white page. On the displayed document each is replaced by
// the nearest shade that reads on the viewer's background; the page text
// itself is never changed.
#pragma once

#include <QColor>
#include <QTextDocument>

namespace orva {

// Maps every text colour of `document` for `background`; a grey that does
// not read becomes `defaultText`, and text without a colour of its own gets
// a readable shade of `defaultText` when that does not read itself. The page's
// own colours are kept in the document, so that mapping again for another
// background starts from them.
void mapPageColours(QTextDocument& document, const QColor& background, const QColor& defaultText);

// The text colours of the document as drawn, each once.
QList<QColor> documentTextColours(const QTextDocument& document, const QColor& defaultText);

}  // namespace orva
