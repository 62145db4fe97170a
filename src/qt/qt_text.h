// Conversions between the logic's UTF-16 strings and Qt's.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orva {

inline QString toQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16(const QString& text) { return text.toStdU16String(); }

}  // namespace orva
