// The real window's keys and copies on the example dictionaries, under the
// offscreen platform: the direction keys and their tooltips, the word box
// taken with its text selected, Back and Forward through the session's
// history, and copies from the article in logical order under an English
// and a Hebrew desktop. Timers are fired by hand rather than waited for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "qt/main_window.h"
#include "window_test_support.h"
#include "ui/copied_text.h"

namespace orva {
namespace {

constexpr uint32_t kLanguageEnglish = 0x0409;

class WindowKeysTest : public ::testing::TestWithParam<uint32_t> {
 protected:
  void SetUp() override {
    services_ = std::make_unique<test::QuietServices>(
        ORVA_TEST_PROGRAM_DIR, DeviceSettings{GetParam(), codePageForLanguage(GetParam())});
    window_ = std::make_unique<MainWindow>(*services_);
    window_->resize(480, 536 + MainWindow::kMenuBarHeight);
    window_->start();
    ASSERT_TRUE(test::showActive(*window_));
    fire(kFirstArticleTimer);
  }
  void TearDown() override {
    window_.reset();
    services_.reset();
  }

  void type(const QString& text) { test::typeText(text); }
  // A word typed over whatever the box holds, then Enter.
  void lookUp(const char* utf8) {
    edit()->setFocus();
    edit()->selectAll();
    type(QString::fromUtf8(utf8));
    QTest::keyClick(edit(), Qt::Key_Return);
  }
  void key(QWidget* to, Qt::Key code, Qt::KeyboardModifiers modifiers) { QTest::keyClick(to, code, modifiers); }
  void fire(uint32_t timer) { window_->dialog().timer(timer); }
  QLineEdit* edit() { return window_->wordBox().widget(); }
  PageBrowser* viewer() { return window_->articleView()->widget(); }
  MainDialog& dialog() { return window_->dialog(); }
  bool pageHas(const char* utf8) {
    return window_->articleView()->shownSource().find(QString::fromUtf8(utf8).toStdU16String()) !=
           std::u16string::npos;
  }
  bool visualOrder() const { return GetParam() != kLanguageHebrew; }
  QString clipboard() { return QGuiApplication::clipboard()->text(); }
  static bool hasBidiControl(const QString& text) {
    for (QChar c : text)
      if (isBidiControl(c.unicode())) return true;
    return false;
  }
  // Selects, in the first right-to-left paragraph of the article, the
  // characters that show `logicalPart`, in whichever order they are shown.
  bool selectInHebrewBlock(const QString& logicalPart) {
    QString shown = logicalPart;
    if (visualOrder()) std::reverse(shown.begin(), shown.end());
    QTextDocument* page = viewer()->document();
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
      if (block.blockFormat().layoutDirection() != Qt::RightToLeft) continue;
      const qsizetype at = block.text().indexOf(shown);
      if (at < 0) return false;
      QTextCursor cursor(page);
      cursor.setPosition(block.position() + static_cast<int>(at));
      cursor.setPosition(block.position() + static_cast<int>(at + shown.size()), QTextCursor::KeepAnchor);
      viewer()->setTextCursor(cursor);
      return true;
    }
    return false;
  }

  std::unique_ptr<test::QuietServices> services_;
  std::unique_ptr<MainWindow> window_;
};

TEST_P(WindowKeysTest, DirectionKeysAreInTheTooltipsAndWorkWhereverTheFocusIs) {
  QToolButton* ruHe = window_->directionButton(IDM_RUSSIAN_HEBREW);
  QToolButton* heRu = window_->directionButton(IDM_HEBREW_RUSSIAN);
  EXPECT_EQ(ruHe->toolTip(), "Russian-Hebrew (Ctrl+1)");
  EXPECT_EQ(heRu->toolTip(), "Hebrew-Russian (Ctrl+2)");

  key(edit(), Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_TRUE(ruHe->isChecked());
  EXPECT_FALSE(heRu->isChecked());
  EXPECT_EQ(window_->timerInterval(kFirstArticleTimer), 100);  // the button's own command
  fire(kFirstArticleTimer);

  QtListControl& list = window_->list();
  list.setFocus();
  key(&list, Qt::Key_2, Qt::ControlModifier);
  EXPECT_EQ(dialog().direction(), Direction::HebrewRussian);
  EXPECT_TRUE(heRu->isChecked());
  fire(kFirstArticleTimer);

  viewer()->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(viewer()->hasFocus());
  key(viewer(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  key(viewer(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(dialog().direction(), Direction::HebrewRussian);
  EXPECT_TRUE(heRu->isChecked());
  EXPECT_FALSE(ruHe->isChecked());
  // From the word box, Ctrl+Tab switches too instead of moving the focus.
  edit()->setFocus();
  key(edit(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_TRUE(edit()->hasFocus());
}

TEST_P(WindowKeysTest, CtrlLAndF6TakeTheWordBoxWithItsTextSelected) {
  key(edit(), Qt::Key_1, Qt::ControlModifier);
  lookUp("дом");
  QtListControl& list = window_->list();
  list.setFocus();
  key(&list, Qt::Key_L, Qt::ControlModifier);
  EXPECT_TRUE(edit()->hasFocus());
  EXPECT_EQ(edit()->selectedText(), QString::fromUtf8("дом"));
  EXPECT_EQ(window_->timerInterval(kSelectAllTimer), -1);  // none to come that would take the next letter
  type(QString::fromUtf8("вод"));  // the first key starts a new word
  EXPECT_EQ(edit()->text(), QString::fromUtf8("вод"));

  QTest::mouseClick(viewer()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  ASSERT_TRUE(viewer()->hasFocus());  // a click gives the article the focus
  key(viewer(), Qt::Key_F6, Qt::NoModifier);
  EXPECT_TRUE(edit()->hasFocus());
  EXPECT_EQ(edit()->selectedText(), QString::fromUtf8("вод"));
  // Typing into the article goes to the word box, as typing into the list does.
  viewer()->setFocus(Qt::MouseFocusReason);
  type(QString::fromUtf8("кни"));
  EXPECT_TRUE(edit()->hasFocus());
  EXPECT_EQ(edit()->text(), QString::fromUtf8("кни"));
}

TEST_P(WindowKeysTest, AltLeftAndAltRightWalkTheHistoryAcrossDirections) {
  key(edit(), Qt::Key_1, Qt::ControlModifier);
  fire(kFirstArticleTimer);
  lookUp("дом");
  lookUp("книга");
  key(edit(), Qt::Key_2, Qt::ControlModifier);
  fire(kFirstArticleTimer);
  edit()->setFocus();
  type(QString::fromUtf8("שלום"));  // no Enter: going back records it all the same

  key(edit(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_TRUE(window_->directionButton(IDM_RUSSIAN_HEBREW)->isChecked());
  EXPECT_EQ(edit()->text(), QString::fromUtf8("книга"));
  EXPECT_TRUE(pageHas(visualOrder() ? "רפס" : "ספר"));
  window_->list().setFocus();
  key(&window_->list(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("дом"));
  key(&window_->list(), Qt::Key_Left, Qt::AltModifier);  // nothing before the first visit
  EXPECT_EQ(edit()->text(), QString::fromUtf8("дом"));

  key(&window_->list(), Qt::Key_Right, Qt::AltModifier);
  key(&window_->list(), Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(dialog().direction(), Direction::HebrewRussian);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("שלום"));  // the box shows it as typed
  EXPECT_TRUE(pageHas("здравствуй"));
  EXPECT_EQ(dialog().history().size(), 3u);

  // The mouse's back and forward buttons, over the article or the list.
  QTest::mouseClick(viewer()->viewport(), Qt::BackButton);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("книга"));
  QTest::mouseClick(&window_->list(), Qt::ForwardButton);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("שלום"));
}

TEST_P(WindowKeysTest, CopyArticleGivesPlainLogicalText) {
  key(edit(), Qt::Key_1, Qt::ControlModifier);
  lookUp("доброе утро");
  QGuiApplication::clipboard()->clear();
  key(edit(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const QString copied = clipboard();
  EXPECT_TRUE(copied.startsWith(QString::fromUtf8("доброе утро\nבוקר טוב"))) << copied.toStdString();
  EXPECT_FALSE(copied.contains(QString::fromUtf8("בוט")));
  EXPECT_FALSE(hasBidiControl(copied));

  // The context menu's command gives the same.
  QGuiApplication::clipboard()->clear();
  std::unique_ptr<QMenu> menu(viewer()->createArticleMenu(QPoint(5, 5)));
  QAction* copyAll = menu->findChild<QAction*>("copyArticle");
  ASSERT_NE(copyAll, nullptr);
  EXPECT_EQ(copyAll->text(), "Copy Article");
  EXPECT_EQ(copyAll->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyAll->trigger();
  EXPECT_EQ(clipboard(), copied);

  // In the other direction: the Hebrew headword with a letter in red, the
  // Russian translation after it.
  key(edit(), Qt::Key_2, Qt::ControlModifier);
  lookUp("שלום");
  key(edit(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(clipboard().startsWith(QString::fromUtf8("שלום\nмир; здравствуй"))) << clipboard().toStdString();
  EXPECT_FALSE(hasBidiControl(clipboard()));
}

TEST_P(WindowKeysTest, ASelectionCopiedWithCtrlCIsInLogicalOrder) {
  key(edit(), Qt::Key_1, Qt::ControlModifier);
  lookUp("доброе утро");
  QTest::mouseClick(viewer()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  ASSERT_TRUE(viewer()->hasFocus());
  ASSERT_TRUE(selectInHebrewBlock(QString::fromUtf8("טוב")));
  QGuiApplication::clipboard()->clear();
  key(viewer(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard(), QString::fromUtf8("טוב"));
  ASSERT_TRUE(selectInHebrewBlock(QString::fromUtf8("בוקר טוב")));
  key(viewer(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard(), QString::fromUtf8("בוקר טוב"));
  // Across paragraphs: from the Russian headword into the Hebrew block.
  viewer()->selectAll();
  key(viewer(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(clipboard().startsWith(QString::fromUtf8("доброе утро\nבוקר טוב")));
  EXPECT_FALSE(hasBidiControl(clipboard()));
}

INSTANTIATE_TEST_SUITE_P(Desktops, WindowKeysTest, ::testing::Values(kLanguageEnglish, kLanguageHebrew),
                         [](const ::testing::TestParamInfo<uint32_t>& info) {
                           return info.param == kLanguageHebrew ? std::string("Hebrew") : std::string("English");
                         });

}  // namespace
}  // namespace orva
