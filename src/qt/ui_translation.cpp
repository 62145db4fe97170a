// Loading the window's translations and translating its fixed texts.
#include "qt/ui_translation.h"

#include <QApplication>
#include <QTranslator>
#include <memory>

#include "qt/qt_text.h"

namespace orva {

namespace {

// The texts the translations cover, for lupdate: they are looked up at run
// time by their English wording, which the resources hold.
[[maybe_unused]] constexpr const char* kTranslatedTexts[] = {
    QT_TRANSLATE_NOOP("orva", "Options"),
    QT_TRANSLATE_NOOP("orva", "Help"),
    QT_TRANSLATE_NOOP("orva", "E&xit"),
    QT_TRANSLATE_NOOP("orva", "Users Guide"),
    QT_TRANSLATE_NOOP("orva", "About..."),
    QT_TRANSLATE_NOOP("orva", "Russian-Hebrew"),
    QT_TRANSLATE_NOOP("orva", "Hebrew-Russian"),
    QT_TRANSLATE_NOOP("orva", "About"),
    QT_TRANSLATE_NOOP("orva", "Russian-Hebrew pocket dictionary"),
    QT_TRANSLATE_NOOP("orva", "%1 — form of "),
    QT_TRANSLATE_NOOP("orva", "%1 is not in the dictionary"),
    QT_TRANSLATE_NOOP("orva", "; nearest: "),
};

std::unique_ptr<QTranslator>& installedTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

}  // namespace

bool installTranslation(const QLocale& locale) {
  auto& current = installedTranslator();
  if (current) {
    QCoreApplication::removeTranslator(current.get());
    current.reset();
  }
  QApplication::setLayoutDirection(locale.language() == QLocale::Hebrew ? Qt::RightToLeft : Qt::LeftToRight);
  auto translator = std::make_unique<QTranslator>();
  // Only a translation of the locale's language: "orva_ru.qm" or
  // "orva_he.qm" in the program's resources.
  if (locale.language() == QLocale::English || locale.language() == QLocale::C ||
      !translator->load(locale, QStringLiteral("orva"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
    return false;
  }
  QCoreApplication::installTranslator(translator.get());
  current = std::move(translator);
  return true;
}

QString translated(std::u16string_view english) {
  const QByteArray source = toQString(english).toUtf8();
  return QCoreApplication::translate(kTranslationContext, source.constData());
}

QString translatedHintPiece(std::u16string_view piece) {
  const QString text = toQString(piece);
  static const QString kFormOf = QStringLiteral(" — form of ");
  static const QString kNotIn = QStringLiteral(" is not in the dictionary");
  if (text.endsWith(kFormOf)) {
    return QCoreApplication::translate(kTranslationContext, "%1 — form of ").arg(text.chopped(kFormOf.size()));
  }
  if (text.endsWith(kNotIn)) {
    return QCoreApplication::translate(kTranslationContext, "%1 is not in the dictionary").arg(text.chopped(kNotIn.size()));
  }
  if (text == QStringLiteral("; nearest: ")) return QCoreApplication::translate(kTranslationContext, "; nearest: ");
  return text;
}

}  // namespace orva
