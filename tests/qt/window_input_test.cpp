// The real window's input on the example dictionaries, under the offscreen
// platform and driven by key events: typing after a direction command, the
// direction switch by the typed text's script, typing into the list, the
// article after list keys and the wheel, and the hint line with a fake
// source. Timers are fired by hand rather than waited for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <map>
#include <memory>

#include "qt/main_window.h"
#include "window_test_support.h"

namespace orva {
namespace {

class FakeHints : public LookupHintSource {
 public:
  LookupHint hintFor(Direction, std::u16string_view typed) override {
    ++asked;
    const auto it = answers.find(std::u16string(typed));
    return it == answers.end() ? LookupHint{} : it->second;
  }
  std::map<std::u16string, LookupHint> answers;
  int asked = 0;
};

class WindowInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(services_);
    window_->resize(480, 536 + MainWindow::kMenuBarHeight);
    window_->start();
    ASSERT_TRUE(test::showActive(*window_));
  }
  void TearDown() override { window_.reset(); }

  void type(const QString& text) { test::typeText(text); }
  void fire(uint32_t timer) { window_->dialog().timer(timer); }
  QLineEdit* edit() { return window_->wordBox().widget(); }
  MainDialog& dialog() { return window_->dialog(); }
  bool pageHas(const char* utf8) {
    return window_->articleView()->shownSource().find(QString::fromUtf8(utf8).toStdU16String()) !=
           std::u16string::npos;
  }
  void russianHebrew() {
    window_->directionButton(IDM_RUSSIAN_HEBREW)->click();
    fire(kFirstArticleTimer);
  }

  test::QuietServices services_{ORVA_TEST_PROGRAM_DIR};
  std::unique_ptr<MainWindow> window_;
};

TEST_F(WindowInputTest, TypingAfterADirectionCommandIsKept) {
  window_->directionButton(IDM_RUSSIAN_HEBREW)->click();
  ASSERT_TRUE(edit()->hasFocus());  // the buttons take no focus
  type(QString::fromUtf8("дом"));
  EXPECT_EQ(edit()->text(), QString::fromUtf8("дом"));
  EXPECT_TRUE(pageHas("תיב"));
  EXPECT_EQ(window_->timerInterval(kFirstArticleTimer), -1);  // nothing comes to replace it

  // After the first article the written headword is selected: a key replaces it.
  window_->directionButton(IDM_RUSSIAN_HEBREW)->click();
  fire(kFirstArticleTimer);
  ASSERT_FALSE(edit()->text().isEmpty());
  type(QString::fromUtf8("кни"));
  EXPECT_EQ(edit()->text(), QString::fromUtf8("кни"));
  type(QString::fromUtf8("га"));
  EXPECT_EQ(edit()->text(), QString::fromUtf8("книга"));
  EXPECT_TRUE(pageHas("רפס"));
}

TEST_F(WindowInputTest, TheOtherScriptSwitchesTheDirectionAndKeepsTheText) {
  fire(kFirstArticleTimer);
  type(QString::fromUtf8("дом"));  // Cyrillic in Hebrew-Russian
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_TRUE(window_->directionButton(IDM_RUSSIAN_HEBREW)->isChecked());
  EXPECT_FALSE(window_->directionButton(IDM_HEBREW_RUSSIAN)->isChecked());
  EXPECT_EQ(edit()->text(), QString::fromUtf8("дом"));
  EXPECT_EQ(edit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft | Qt::AlignAbsolute);
  EXPECT_TRUE(pageHas("תיב"));
  // Hebrew back in Russian-Hebrew: the box shows it as typed and the
  // lookup gets the order the non-Hebrew desktop uses.
  edit()->selectAll();
  type(QString::fromUtf8("ספר"));
  EXPECT_EQ(dialog().direction(), Direction::HebrewRussian);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("ספר"));
  EXPECT_TRUE(pageHas("книга"));
  // A paste counts as typing too.
  edit()->setText(QString::fromUtf8("вода"));
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_TRUE(pageHas("םימ"));
}

TEST_F(WindowInputTest, CharactersTypedIntoTheListGoToTheWordBox) {
  russianHebrew();
  QtListControl& list = window_->list();
  QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, list.rowRect(1).center());
  ASSERT_TRUE(list.hasFocus());
  ASSERT_FALSE(edit()->text().isEmpty());
  type(QString::fromUtf8("вод"));
  EXPECT_TRUE(edit()->hasFocus());
  EXPECT_EQ(edit()->text(), QString::fromUtf8("вод"));
  EXPECT_TRUE(pageHas("םימ"));
  // Shortcuts and keys without text stay with the list.
  list.setFocus();
  QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(&list, Qt::Key_Left);
  EXPECT_TRUE(list.hasFocus());
}

TEST_F(WindowInputTest, ListKeysAndTheWheelShowTheHighlightedRowsArticle) {
  russianHebrew();
  QtListControl& list = window_->list();
  list.setFocus();
  const std::u16string first = window_->articleView()->shownSource();
  QTest::keyClick(&list, Qt::Key_End);
  EXPECT_EQ(list.selection(), list.rows() - 1);
  EXPECT_NE(window_->articleView()->shownSource(), first);
  const QString shownWord = edit()->text();
  QTest::keyClick(&list, Qt::Key_Home);
  EXPECT_EQ(window_->articleView()->shownSource(), first);
  // The wheel moves entries under the highlight; the article follows once
  // the wheel rests.
  const QPointF at = list.rowRect(0).center();
  QWheelEvent wheel(at, list.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&list, &wheel);
  EXPECT_EQ(dialog().headwordList().topIndex(), 3);
  EXPECT_EQ(window_->articleView()->shownSource(), first);
  EXPECT_EQ(window_->timerInterval(kScrollArticleTimer), 150);
  fire(kScrollArticleTimer);
  EXPECT_NE(window_->articleView()->shownSource(), first);
  EXPECT_EQ(window_->timerInterval(kScrollArticleTimer), -1);
  EXPECT_NE(edit()->text(), shownWord);
}

LookupHint formOf(const char16_t* typed, const char16_t* lemma, uint32_t ordinal) {
  LookupHint hint;
  hint.kind = LookupHint::Kind::FormOf;
  hint.typed = typed;
  hint.lemma = {lemma, ordinal};
  hint.relation = u"мн. ч.";
  return hint;
}

TEST_F(WindowInputTest, TheHintLineNamesTheLemmaAndEnterOrAClickGoesThere) {
  FakeHints hints;
  dialog().setLookupHintSource(&hints);
  russianHebrew();
  edit()->setFocus();
  edit()->selectAll();
  type(QString::fromUtf8("книга"));
  const HeadwordList& headwords = dialog().headwordList();
  const auto book = static_cast<uint32_t>(headwords.topIndex() + headwords.selectedRow());
  const std::u16string bookPage = window_->articleView()->shownSource();
  QtHintLine& line = window_->hintLine();
  EXPECT_TRUE(line.isHidden());
  EXPECT_EQ(hints.asked, 0);
  const QRect fullViewer = window_->articleView()->widget()->geometry();

  hints.answers[u"книги"] = formOf(u"книги", u"книга", book);
  edit()->backspace();
  type(QString::fromUtf8("и"));
  ASSERT_TRUE(line.isVisible());
  EXPECT_TRUE(line.text().contains(QString::fromUtf8("«книги» — form of <a href=\"0\"><b>книга</b></a> (мн. ч.)")));
  EXPECT_EQ(line.geometry().top(), fullViewer.top());
  EXPECT_EQ(window_->articleView()->widget()->geometry().top(), fullViewer.top() + line.height());
  EXPECT_NE(window_->articleView()->shownSource(), bookPage);  // the nearest entry, as before
  EXPECT_EQ(edit()->text(), QString::fromUtf8("книги"));

  QTest::keyClick(edit(), Qt::Key_Return);
  EXPECT_EQ(edit()->text(), QString::fromUtf8("книга"));
  EXPECT_EQ(window_->articleView()->shownSource(), bookPage);  // the page has no trace of the hint
  EXPECT_TRUE(line.isHidden());
  EXPECT_EQ(window_->articleView()->widget()->geometry(), fullViewer);

  // A click anywhere on the line of a single lemma goes there too.
  edit()->selectAll();
  type(QString::fromUtf8("книги"));
  ASSERT_TRUE(line.isVisible());
  QTest::mouseClick(&line, Qt::LeftButton, Qt::NoModifier, QPoint(line.width() - 5, line.height() / 2));
  EXPECT_EQ(edit()->text(), QString::fromUtf8("книга"));
  EXPECT_TRUE(line.isHidden());
}

TEST_F(WindowInputTest, TheHintLineOffersSuggestionsAsLinks) {
  FakeHints hints;
  LookupHint missing;
  missing.kind = LookupHint::Kind::NotInDictionary;
  missing.typed = u"ж<b>";
  missing.suggestions = {{u"ёж", 0}, {u"еда", 1}, {u"её", 2}};
  hints.answers[u"ж<b>"] = missing;
  dialog().setLookupHintSource(&hints);
  russianHebrew();
  edit()->setFocus();
  edit()->selectAll();
  type(QString::fromUtf8("ж<b>"));
  QtHintLine& line = window_->hintLine();
  ASSERT_TRUE(line.isVisible());
  // The typed text is shown as text, never as markup.
  EXPECT_TRUE(line.text().startsWith(QString::fromUtf8("«ж&lt;b&gt;» is not in the dictionary; nearest: ")));
  EXPECT_EQ(line.links(), (std::vector<int>{0, 1, 2}));
  QTest::keyClick(edit(), Qt::Key_Return);  // Enter follows only a lemma
  EXPECT_TRUE(line.isVisible());
  emit line.linkActivated(QStringLiteral("2"));
  EXPECT_EQ(dialog().headwordList().topIndex() + dialog().headwordList().selectedRow(), 2);
  EXPECT_TRUE(line.isHidden());
}

}  // namespace
}  // namespace orva
