// The word box's limit on typed text.
#include "qt/typed_text_limit.h"

#include <QChar>
#include <algorithm>

namespace orva {

bool extendsCluster(char32_t c) {
  if (c == 0x200C || c == 0x200D) return true;  // zero-width non-joiner and joiner
  switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing: return true;
    default: return false;
  }
}

QString limitTypedText(const QString& text, int* cursor) {
  QString out;
  out.reserve(std::min<qsizetype>(text.size(), kWordBoxMaxUnits));
  int run = 0;
  int newCursor = cursor != nullptr ? *cursor : 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n;) {
    char32_t c = text.at(i).unicode();
    qsizetype units = 1;
    if (QChar::isHighSurrogate(c) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
      units = 2;
    }
    run = extendsCluster(c) ? run + 1 : 0;
    const bool keep = run <= kMaxCombiningRun && out.size() + units <= kWordBoxMaxUnits;
    if (keep) {
      out.append(text.constData() + i, units);
    } else if (cursor != nullptr && i < *cursor) {
      // Units dropped before the cursor move it back.
      newCursor -= static_cast<int>(std::min<qsizetype>(units, *cursor - i));
    }
    i += units;
  }
  if (cursor != nullptr) *cursor = std::clamp(newCursor, 0, static_cast<int>(out.size()));
  return out;
}

QValidator::State TypedTextLimit::validate(QString& input, int& pos) const {
  input = limitTypedText(input, &pos);
  return Acceptable;
}

}  // namespace orva
