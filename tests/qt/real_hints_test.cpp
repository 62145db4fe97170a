// The real window on the bundled dictionaries with the real analysers
// behind its hint line, under the offscreen platform: an inflected or
// prefixed word typed in either script is named as a form of its lemma,
// Enter goes there, and a word of the other script switches the direction
// first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>

#include "morphology/lookup_hint_source.h"
#include "qt/main_window.h"
#include "window_test_support.h"

namespace orva {
namespace {

class RealHintsTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (std::string(ORVA_VOCABULARY) == "example") GTEST_SKIP() << "built with the example vocabulary";
    const bool hebrewDevice = GetParam();
    services_ = std::make_unique<test::QuietServices>(
        ORVA_RUNTIME_DIR, hebrewDevice ? DeviceSettings{kLanguageHebrew, CodePage::Hebrew1255}
                                       : DeviceSettings{kLanguageRussian, CodePage::Cyrillic1251});
    window_ = std::make_unique<MainWindow>(*services_);
    hints_ = makeLookupHintSource(window_->dialog().dictionaries(), window_->dialog().device());
    window_->dialog().setLookupHintSource(hints_.get());
    window_->resize(480, 536 + MainWindow::kMenuBarHeight);
    window_->start();
    ASSERT_TRUE(test::showActive(*window_));
  }
  void TearDown() override {
    window_.reset();
    hints_.reset();
  }
  // A word typed over the word box's text, in logical order.
  void typeWord(const char* utf8) {
    edit()->setFocus();
    edit()->selectAll();
    test::typeText(QString::fromUtf8(utf8), edit());
  }
  QLineEdit* edit() { return window_->wordBox().widget(); }
  bool pageShows(const char* utf8) {
    return window_->articleView()->shownSource().find(QString::fromUtf8(utf8).toStdU16String()) !=
           std::u16string::npos;
  }
  std::unique_ptr<test::QuietServices> services_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<LookupHintSource> hints_;
};

TEST_P(RealHintsTest, ARussianFormIsNamedAndEnterGoesToItsLemma) {
  window_->directionButton(IDM_RUSSIAN_HEBREW)->click();
  typeWord("книги");
  QtHintLine& line = window_->hintLine();
  ASSERT_TRUE(line.isVisible());
  EXPECT_TRUE(line.text().contains(QString::fromUtf8("«книги» — form of <a href=\"0\"><b>книга</b></a>")))
      << line.text().toStdString();
  QTest::keyClick(edit(), Qt::Key_Return);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("книга"));
  EXPECT_TRUE(line.isHidden());
  // книга's translation, in visual order off a Hebrew device
  EXPECT_TRUE(pageShows(GetParam() ? "ספר" : "רפס"));

  typeWord("пошла");  // an irregular verb from the reviewed table
  ASSERT_TRUE(line.isVisible());
  EXPECT_TRUE(line.text().contains(QString::fromUtf8("<b>пойти</b>"))) << line.text().toStdString();
}

TEST_P(RealHintsTest, AHebrewWordWithPrefixesSwitchesTheDirectionAndLeadsToItsLemma) {
  window_->directionButton(IDM_RUSSIAN_HEBREW)->click();
  typeWord("ובבית");
  EXPECT_EQ(window_->dialog().direction(), Direction::HebrewRussian);  // switched by the script
  EXPECT_EQ(edit()->text(), QString::fromUtf8("ובבית"));                       // and the text kept
  QtHintLine& line = window_->hintLine();
  ASSERT_TRUE(line.isVisible());
  EXPECT_TRUE(line.text().contains(QString::fromUtf8("<b>בית</b>"))) << line.text().toStdString();
  QTest::keyClick(edit(), Qt::Key_Return);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("בית"));
  EXPECT_TRUE(pageShows("дом"));

  typeWord("סכום");  // spelled like a quoted headword (סכו"ם): its own article
  EXPECT_TRUE(line.isHidden());
  EXPECT_TRUE(pageShows("сумма")) << QString::fromStdU16String(window_->articleView()->shownSource()).toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothDevices, RealHintsTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "HebrewDevice" : "RussianDevice"; });

}  // namespace
}  // namespace orva
