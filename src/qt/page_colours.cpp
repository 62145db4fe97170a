// Walking a document's text fragments and mapping their colours.
#include "qt/page_colours.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <vector>

#include "qt/readable_colours.h"

namespace orva {

namespace {

// Where a fragment's colour as the page gave it is kept; an invalid colour
// stands for "none of its own".
constexpr int kPageColourProperty = QTextFormat::UserProperty + 1;

QColor pageColour(const QTextCharFormat& format) {
  if (format.hasProperty(kPageColourProperty)) return format.property(kPageColourProperty).value<QColor>();
  return format.foreground().style() == Qt::NoBrush ? QColor() : format.foreground().color();
}

struct Recolouring {
  int position;
  int length;
  QColor page;
  QColor shown;  // invalid: back to no colour of its own
};

}  // namespace

void mapPageColours(QTextDocument& document, const QColor& background, const QColor& defaultText) {
  const QColor readableDefault = readableOn(defaultText, background);
  const bool defaultReads = readableDefault.rgb() == QColor(defaultText.rgb()).rgb();
  std::vector<Recolouring> changes;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      const QColor page = pageColour(format);
      QColor shown;
      // A grey the page names (its Hebrew blocks are "black") is plain
      // text: it takes the palette's text colour when it does not read.
      if (page.isValid() && page.hslSaturation() == 0 && contrastRatio(page, background) < kReadableContrast)
        shown = readableDefault;
      else if (page.isValid())
        shown = readableOn(page, background);
      else if (!defaultReads)
        shown = readableDefault;
      const QColor current = format.foreground().style() == Qt::NoBrush ? QColor() : format.foreground().color();
      if (shown != current || !format.hasProperty(kPageColourProperty))
        changes.push_back({fragment.position(), fragment.length(), page, shown});
    }
  }
  if (changes.empty()) return;
  // Formats change only after the walk, which they would otherwise disturb;
  // recolouring is no edit the user could undo.
  const bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);
  QTextCursor cursor(&document);
  for (const Recolouring& change : changes) {
    cursor.setPosition(change.position);
    cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setProperty(kPageColourProperty, change.page);
    if (change.shown.isValid()) {
      format.setForeground(change.shown);
      cursor.mergeCharFormat(format);
    } else {
      cursor.mergeCharFormat(format);
      QTextCharFormat plain = cursor.charFormat();
      plain.clearForeground();
      plain.setProperty(kPageColourProperty, QColor());
      cursor.setCharFormat(plain);
    }
  }
  document.setUndoRedoEnabled(undo);
}

QList<QColor> documentTextColours(const QTextDocument& document, const QColor& defaultText) {
  QList<QColor> colours;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      const QColor colour = format.foreground().style() == Qt::NoBrush ? defaultText : format.foreground().color();
      if (!it.fragment().text().trimmed().isEmpty() && !colours.contains(colour)) colours.append(colour);
    }
  }
  return colours;
}

}  // namespace orva
