// The window's texts in the user's language: Russian and Hebrew
// translations of the menus, the tooltips, the About box and the hint line,
// loaded by the locale, with the layout mirrored for Hebrew. Under any other
// locale every text stays the English one the resources give.
#pragma once

#include <QLocale>
#include <QString>
#include <string_view>

class QTranslator;

namespace orva {

// The translation context of the window's texts.
inline constexpr char kTranslationContext[] = "orva";

// Installs the translation for `locale` into the application (replacing one
// installed before) and sets the layout direction: right to left for
// Hebrew, left to right otherwise. False when `locale` has no translation;
// the texts are then the English ones.
bool installTranslation(const QLocale& locale);

// `english`, one of the window's fixed texts, in the installed language.
QString translated(std::u16string_view english);

// A piece of the hint line in the installed language: the quoted word
// followed by " — form of " or " is not in the dictionary", or the
// "; nearest: " before the suggestions. Headwords and anything else stay as
// they are.
QString translatedHintPiece(std::u16string_view piece);

}  // namespace orva
