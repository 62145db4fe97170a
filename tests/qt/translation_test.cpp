// The window in the user's language: under a Russian or a Hebrew locale the
// menus, the tooltips, the About box and the hint line are translated and
// Hebrew mirrors the layout; under an English locale every text stays the
// one the resources give, exactly.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <memory>

#include "qt/article_copy.h"
#include "qt/main_window.h"
#include "window_test_support.h"
#include "qt/ui_translation.h"

namespace orva {
namespace {

// What the window shows of its fixed texts.
struct Texts {
  QString options, help, exit, usersGuide, about, russianHebrew, hebrewRussian, aboutTitle, aboutLine;
  Qt::LayoutDirection direction;
};

Texts openWindowIn(const char* locale, bool expectTranslation) {
  EXPECT_EQ(installTranslation(QLocale(QString::fromLatin1(locale))), expectTranslation) << locale;
  test::QuietServices services(ORVA_TEST_PROGRAM_DIR);
  MainWindow window(services);
  window.resize(480, 536 + MainWindow::kMenuBarHeight);
  window.start();
  Texts texts;
  auto* options = window.findChild<QToolButton*>(QStringLiteral("Options"));
  auto* help = window.findChild<QToolButton*>(QStringLiteral("Help"));
  EXPECT_TRUE(options && help && options->menu() && help->menu()) << locale;
  if (!options || !help || !options->menu() || !help->menu()) return texts;
  texts.options = options->text();
  texts.help = help->text();
  texts.exit = options->menu()->actions().value(0)->text();
  texts.usersGuide = help->menu()->actions().value(0)->text();
  texts.about = help->menu()->actions().value(1)->text();
  texts.russianHebrew = window.directionButton(IDM_RUSSIAN_HEBREW)->toolTip();
  texts.hebrewRussian = window.directionButton(IDM_HEBREW_RUSSIAN)->toolTip();
  AboutDialog about;
  texts.aboutTitle = about.windowTitle();
  const auto labels = about.findChildren<QLabel*>();
  for (QLabel* label : labels)
    if (!label->text().isEmpty() && !label->text().startsWith(QStringLiteral("ORVA"))) texts.aboutLine = label->text();
  texts.direction = window.layoutDirection();
  return texts;
}

class TranslationTest : public ::testing::Test {
 protected:
  void TearDown() override { installTranslation(QLocale::c()); }
};

TEST_F(TranslationTest, EnglishKeepsTheResourcesTexts) {
  const Texts texts = openWindowIn("en_US", false);
  EXPECT_EQ(texts.options, QStringLiteral("Options"));
  EXPECT_EQ(texts.help, QStringLiteral("Help"));
  EXPECT_EQ(texts.exit, QStringLiteral("E&xit"));
  EXPECT_EQ(texts.usersGuide, QStringLiteral("Users Guide"));
  EXPECT_EQ(texts.about, QStringLiteral("About..."));
  EXPECT_TRUE(texts.russianHebrew.startsWith(QStringLiteral("Russian-Hebrew")));
  EXPECT_TRUE(texts.hebrewRussian.startsWith(QStringLiteral("Hebrew-Russian")));
  EXPECT_EQ(texts.aboutTitle, QStringLiteral("About"));
  EXPECT_EQ(texts.aboutLine, QStringLiteral("Russian-Hebrew pocket dictionary"));
  EXPECT_EQ(texts.direction, Qt::LeftToRight);
  EXPECT_EQ(translatedHintPiece(u"«книги» — form of "), QString::fromUtf8("«книги» — form of "));
  EXPECT_EQ(copyArticleText(), QStringLiteral("Copy Article"));
}

TEST_F(TranslationTest, RussianTranslatesMenusTooltipsAboutAndHints) {
  const Texts texts = openWindowIn("ru_RU", true);
  EXPECT_EQ(texts.options, QString::fromUtf8("Параметры"));
  EXPECT_EQ(texts.help, QString::fromUtf8("Справка"));
  EXPECT_EQ(texts.exit, QString::fromUtf8("В&ыход"));
  EXPECT_EQ(texts.usersGuide, QString::fromUtf8("Руководство пользователя"));
  EXPECT_TRUE(texts.russianHebrew.startsWith(QString::fromUtf8("Русско-ивритский"))) << texts.russianHebrew.toStdString();
  EXPECT_EQ(texts.aboutTitle, QString::fromUtf8("О программе"));
  EXPECT_EQ(texts.aboutLine, QString::fromUtf8("Русско-ивритский карманный словарь"));
  EXPECT_EQ(texts.direction, Qt::LeftToRight);
  EXPECT_EQ(translatedHintPiece(u"«книги» — form of "), QString::fromUtf8("«книги» — форма слова "));
  EXPECT_EQ(translatedHintPiece(u"«кнак» is not in the dictionary"), QString::fromUtf8("«кнак» нет в словаре"));
  EXPECT_EQ(translatedHintPiece(u"книга"), QString::fromUtf8("книга"));  // a headword stays
  EXPECT_EQ(copyArticleText(), QString::fromUtf8("Копировать статью"));
}

TEST_F(TranslationTest, HebrewTranslatesAndMirrorsTheLayout) {
  const Texts texts = openWindowIn("he_IL", true);
  EXPECT_EQ(texts.options, QString::fromUtf8("אפשרויות"));
  EXPECT_EQ(texts.about, QString::fromUtf8("אודות..."));
  EXPECT_TRUE(texts.hebrewRussian.startsWith(QString::fromUtf8("עברית–רוסית")));
  EXPECT_EQ(texts.aboutTitle, QString::fromUtf8("אודות"));
  EXPECT_EQ(texts.direction, Qt::RightToLeft);
  EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(translatedHintPiece(u"; nearest: "), QString::fromUtf8("; הקרובות ביותר: "));

  // Back to English: the translation goes and the layout is left to right.
  const Texts english = openWindowIn("en_GB", false);
  EXPECT_EQ(english.options, QStringLiteral("Options"));
  EXPECT_EQ(english.direction, Qt::LeftToRight);
}

}  // namespace
}  // namespace orva
