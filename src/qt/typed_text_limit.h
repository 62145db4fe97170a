// What the word box keeps of typed and pasted text: no more than a lookup
// can use, and no long runs of combining marks, which a text layout would
// reshape as one ever-growing cluster on every repaint and cursor blink.
#pragma once

#include <QString>
#include <QValidator>

namespace orva {

// A lookup takes 511 bytes of the query; one UTF-16 unit becomes at most
// one byte of a code page.
inline constexpr int kWordBoxMaxUnits = 511;
// Marks kept on one character; a pointed Hebrew letter takes up to three
// (dagesh or shin dot, vowel, and rarely a meteg).
inline constexpr int kMaxCombiningRun = 4;

// A combining mark, or a joiner that extends a cluster as a mark does.
bool extendsCluster(char32_t c);

// `text` with every run of cluster-extending characters cut to
// kMaxCombiningRun and then cut to kWordBoxMaxUnits units, never inside a
// surrogate pair. `cursor`, a position in `text`, moves with the text.
QString limitTypedText(const QString& text, int* cursor = nullptr);

// The word box's validator: it applies limitTypedText to whatever reaches
// the box, typed, pasted or set.
class TypedTextLimit : public QValidator {
 public:
  explicit TypedTextLimit(QObject* parent) : QValidator(parent) {}
  State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override { input = limitTypedText(input); }
};

}  // namespace orva
