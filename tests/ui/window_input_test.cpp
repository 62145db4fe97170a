// The window's input over the in-memory platform: typing is never written
// over, the article follows the highlighted row after keys and scrolling,
// text of the other script switches the direction, characters typed into
// the list go to the word box, and the hint line for typed words without a
// headword.
#include <gtest/gtest.h>

#include <map>

#include "text/utf.h"
#include "ui/typed_script.h"
#include "window_fixture.h"

namespace orva {
namespace {

using test::kHebrewWords;
using test::kRussianWords;
using test::reversed;

class WindowInputTest : public test::WindowTest {
 protected:
  int renders() { return ui().frame().viewer().completedPages(); }
  bool scrollTimerRunning() { return ui().timers().running().count(kScrollArticleTimer) == 1; }
  std::string hintText() { return test::u8(ui().hintLine().text()); }
};

TEST_F(WindowInputTest, TypingAfterADirectionCommandIsNeverWrittenOver) {
  start();
  ui().command(IDM_RUSSIAN_HEBREW);  // the focus stays in the word box, now inactive
  ASSERT_EQ(ui().focus(), Focus::WordBox);
  ASSERT_FALSE(dialog().wordEditActive());
  ui().type(u"м");
  EXPECT_EQ(word(), "м");
  EXPECT_TRUE(dialog().wordEditActive());
  EXPECT_EQ(list().topIndex(), 20);  // мама
  EXPECT_NE(page().find("мама"), std::string::npos);
  ui().type(u"ор");
  EXPECT_EQ(word(), "мор");
  EXPECT_EQ(list().topIndex(), 21);  // море
  // The first article of the switch no longer replaces what was typed.
  ui().wait(1000);
  EXPECT_EQ(list().topIndex(), 21);
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_EQ(word(), "мор");

  // When the first article did come, its headword is selected in the box,
  // so the next key starts a new word instead of adding to it.
  ui().command(IDM_RUSSIAN_HEBREW);
  ui().wait(kFirstArticleAfterSwitch);
  ASSERT_EQ(word(), kRussianWords[0]);
  ui().type(u"к");
  EXPECT_EQ(word(), "к");
  EXPECT_EQ(list().topIndex(), 17);  // книга
}

TEST_F(WindowInputTest, TypingDuringStartUpKeepsItsArticle) {
  start();
  ui().wait(500);
  ui().type(*utf8ToUtf16(reversed("לחם")));  // visual order, as a non-Hebrew desktop shows it
  ASSERT_EQ(list().topIndex(), 12);
  const std::string shown = page();
  ui().wait(2000);  // the start-up's first article would select row 0 of another entry
  EXPECT_EQ(list().topIndex(), 12);
  EXPECT_EQ(page(), shown);
  EXPECT_EQ(word(), reversed("לחם"));
}

TEST_F(WindowInputTest, AfterHideAndRestoreTypingGoesOnUntouched) {
  start();
  russianHebrew();
  ui().command(IDM_EXIT);
  ASSERT_EQ(ui().focus(), Focus::List);
  ui().type(u"ко");  // typed into the list after the restore: it goes to the word box
  EXPECT_EQ(ui().focus(), Focus::WordBox);
  EXPECT_EQ(word(), "ко");
  EXPECT_EQ(list().topIndex(), 18);  // кот
}

TEST_F(WindowInputTest, ListKeysShowTheArticleOfTheHighlightedRow) {
  start();
  russianHebrew();
  ui().tap(2);
  ASSERT_EQ(word(), "адрес");
  ui().pressKey(VK_NEXT);  // the highlight keeps row 2, now entry 10
  EXPECT_EQ(list().topIndex(), 8);
  EXPECT_EQ(list().selectedRow(), 2);
  EXPECT_EQ(word(), kRussianWords[10]);
  EXPECT_NE(page().find(kRussianWords[10]), std::string::npos);
  ui().pressKey(VK_PRIOR);
  EXPECT_EQ(word(), kRussianWords[2]);
  ui().pressKey(VK_END);
  EXPECT_EQ(list().selectedRow(), 7);
  EXPECT_EQ(word(), kRussianWords[29]);
  ui().pressKey(VK_HOME);
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_EQ(word(), kRussianWords[0]);
  // Up on row 0 at the top moves nothing and renders nothing again.
  const int before = renders();
  ui().pressKey(VK_UP);
  EXPECT_EQ(renders(), before);
  // Down on the last row scrolls one entry under the highlight.
  for (int i = 0; i < 7; ++i) ui().pressKey(VK_DOWN);
  ASSERT_EQ(list().selectedRow(), 7);
  ui().pressKey(VK_DOWN);
  EXPECT_EQ(list().topIndex(), 1);
  EXPECT_EQ(word(), kRussianWords[8]);
  ui().pressKey(VK_UP);  // inside the page: the selection moves
  for (int i = 0; i < 6; ++i) ui().pressKey(VK_UP);
  ASSERT_EQ(list().selectedRow(), 0);
  ui().pressKey(VK_UP);  // on row 0 below the top: one entry back
  EXPECT_EQ(list().topIndex(), 0);
  EXPECT_EQ(word(), kRussianWords[0]);
  EXPECT_FALSE(scrollTimerRunning());
}

TEST_F(WindowInputTest, ScrollingShowsTheHighlightedRowsArticleOnceItPauses) {
  start();
  russianHebrew();
  ui().tap(1);
  ASSERT_EQ(word(), "автобус");
  const std::string first = page();
  for (int i = 0; i < 3; ++i) ui().scroll(ScrollRequest::LineDown);  // a wheel notch
  EXPECT_EQ(list().topIndex(), 3);
  EXPECT_EQ(page(), first);
  EXPECT_TRUE(scrollTimerRunning());
  ui().wait(kScrollArticleDelay - 1);
  EXPECT_EQ(page(), first);
  ui().wait(1);
  EXPECT_EQ(word(), kRussianWords[4]);
  EXPECT_NE(page().find(kRussianWords[4]), std::string::npos);
  EXPECT_FALSE(scrollTimerRunning());

  // A thumb drag renders no article while it moves, one when it rests.
  const int before = renders();
  for (int32_t pos = 0; pos <= 22; pos += 2) {
    ui().scroll(ScrollRequest::ThumbTrack, pos);
    ui().wait(40);
  }
  ui().scroll(ScrollRequest::ThumbPosition, 22);
  ui().scroll(ScrollRequest::EndScroll);
  EXPECT_EQ(renders(), before);
  ui().wait(kScrollArticleDelay);
  EXPECT_EQ(renders(), before + 1);
  EXPECT_EQ(word(), kRussianWords[23]);
  ui().wait(1000);
  EXPECT_EQ(renders(), before + 1);
}

TEST_F(WindowInputTest, ScrollingWithoutAHighlightOrUnderATypedWordKeepsTheWord) {
  start();
  russianHebrew();
  ui().command(IDM_RUSSIAN_HEBREW);  // nothing selected until the first article
  ui().scroll(ScrollRequest::PageDown);
  EXPECT_FALSE(scrollTimerRunning());
  ui().wait(kFirstArticleAfterSwitch);
  activateWordBox();
  ui().type(u"до");
  ASSERT_EQ(list().topIndex(), 11);
  ui().scroll(ScrollRequest::LineDown);
  // A lookup while the pause is pending shows its own article; nothing follows.
  ui().type(u"р");
  EXPECT_FALSE(scrollTimerRunning());
  EXPECT_EQ(list().topIndex(), 12);
  ui().scroll(ScrollRequest::LineDown);
  ui().wait(kScrollArticleDelay);
  EXPECT_NE(page().find(kRussianWords[13]), std::string::npos);
  EXPECT_EQ(word(), "дор");  // the user's text stays
}

TEST(TypedScript, LettersOfOneScriptNameTheirDirection) {
  EXPECT_EQ(directionOfScript(u"книга"), Direction::RussianHebrew);
  EXPECT_EQ(directionOfScript(u"Ёж, 2"), Direction::RussianHebrew);
  EXPECT_EQ(directionOfScript(u"ספר"), Direction::HebrewRussian);
  EXPECT_EQ(directionOfScript(u"\u05E9\u05C1\u05DC"), Direction::HebrewRussian);  // with a point
  EXPECT_EQ(directionOfScript(u"\uFB2A"), Direction::HebrewRussian);              // a presentation form
  EXPECT_EQ(directionOfScript(u"book 12-"), std::nullopt);
  EXPECT_EQ(directionOfScript(u"\u05B0\u05B4"), std::nullopt);  // points alone
  EXPECT_EQ(directionOfScript(u"котספר"), std::nullopt);        // both scripts
  EXPECT_EQ(directionOfScript(u""), std::nullopt);
}

TEST_F(WindowInputTest, TextOfTheOtherScriptSwitchesTheDirectionAndIsLookedUp) {
  start();
  ui().wait(2000);
  ui().type(u"кни");  // Cyrillic in Hebrew-Russian
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_TRUE(ui().menuBar().isPressed(IDM_RUSSIAN_HEBREW));
  EXPECT_FALSE(ui().menuBar().isPressed(IDM_HEBREW_RUSSIAN));
  EXPECT_FALSE(ui().wordBox().rightAligned());
  EXPECT_EQ(ui().list().locale(), kRussianListLocale);
  EXPECT_EQ(word(), "кни");
  EXPECT_EQ(list().entryCount(), kRussianWords.size());
  EXPECT_EQ(list().topIndex(), 17);  // книга
  EXPECT_NE(page().find("книга"), std::string::npos);
  EXPECT_TRUE(dialog().wordEditActive());
  EXPECT_EQ(ui().timers().running().count(kFirstArticleTimer), 0u);
  ui().wait(1000);
  EXPECT_EQ(list().topIndex(), 17);

  // Letters of both scripts, or none, stay where they are.
  ui().type(u"גן");
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  for (int i = 0; i < 5; ++i) ui().erase();
  ui().type(u"12");
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  ui().erase();
  ui().erase();

  // Hebrew in Russian-Hebrew: back to Hebrew-Russian with the text kept.
  ui().type(u"ל");
  EXPECT_EQ(dialog().direction(), Direction::HebrewRussian);
  EXPECT_TRUE(ui().wordBox().rightAligned());
  EXPECT_EQ(word(), "ל");
  EXPECT_EQ(list().topIndex(), 12);  // לחם
  EXPECT_EQ(row(0), reversed("לחם"));
}

TEST_F(WindowInputTest, APasteOfTheOtherScriptSwitchesAsWell) {
  start();
  ui().wait(2000);
  ui().wordBox().setText(u"дом");  // what a paste does to the box
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_EQ(word(), "дом");
  EXPECT_EQ(list().topIndex(), 11);
}

TEST_F(WindowInputTest, TypingBeforeTheFocusSelectAllFiresIsNotSelectedOver) {
  start();
  russianHebrew();
  ui().focusList();
  ui().focusWordBox();  // the box selects its text 10 ms after the focus arrives
  ASSERT_EQ(ui().timers().running().count(kSelectAllTimer), 1u);
  ui().type(u"к");  // a fast typist's first key, before that
  EXPECT_EQ(ui().timers().running().count(kSelectAllTimer), 0u);
  ui().wait(kSelectAllPeriod);
  ui().type(u"о");
  EXPECT_EQ(word(), "ко");
}

TEST_F(WindowInputTest, CharactersTypedIntoTheListGoToTheWordBox) {
  start();
  russianHebrew();
  ui().tap(3);
  ASSERT_EQ(word(), "баня");
  ASSERT_EQ(ui().focus(), Focus::List);
  ui().type(u"к");  // replaces the headword the tap wrote
  EXPECT_EQ(ui().focus(), Focus::WordBox);
  EXPECT_TRUE(dialog().wordEditActive());
  EXPECT_EQ(word(), "к");
  EXPECT_EQ(list().topIndex(), 17);
  EXPECT_EQ(ui().timers().running().count(kSelectAllTimer), 0u);
  ui().wait(kSelectAllPeriod);
  ui().type(u"о");  // the word box has it now: the character is added
  EXPECT_EQ(word(), "ко");
  EXPECT_EQ(list().topIndex(), 18);
  // Keys without a character stay with the list.
  ui().focusList();
  ui().pressKey(VK_LEFT);
  ui().pressKey(VK_NEXT);
  EXPECT_EQ(ui().focus(), Focus::List);
  ui().pressEnter();
  ui().erase();
  EXPECT_EQ(ui().focus(), Focus::List);
  EXPECT_FALSE(dialog().redirectTypingToWordBox(u'\t'));
  EXPECT_FALSE(dialog().redirectTypingToWordBox(0x7F));
}

// A hint source that answers from a table and records what it was asked.
class FakeHints : public LookupHintSource {
 public:
  LookupHint hintFor(Direction direction, std::u16string_view typed) override {
    asked.emplace_back(direction, std::u16string(typed));
    const auto it = answers.find(std::u16string(typed));
    return it == answers.end() ? LookupHint{} : it->second;
  }

  std::map<std::u16string, LookupHint> answers;
  std::vector<std::pair<Direction, std::u16string>> asked;
};

LookupHint formOf(std::u16string typed, std::u16string lemma, uint32_t ordinal, std::u16string relation) {
  LookupHint hint;
  hint.kind = LookupHint::Kind::FormOf;
  hint.typed = std::move(typed);
  hint.lemma = {std::move(lemma), ordinal};
  hint.relation = std::move(relation);
  return hint;
}

class HintLineTest : public WindowInputTest {
 protected:
  void startRussian() {
    start();
    dialog().setLookupHintSource(&hints_);
    russianHebrew();
    activateWordBox();
  }
  Rect viewerRect() { return ui().frame().viewerRect(); }

  FakeHints hints_;
};

TEST_F(HintLineTest, AFormShowsItsLemmaOutsideThePageAndEnterGoesThere) {
  hints_.answers[u"книги"] = formOf(u"книги", u"книга", 17, u"мн. ч.");
  startRussian();
  const Rect fullViewer = viewerRect();
  ui().type(u"книги");
  // The list is on the nearest entry as before; the line says why.
  EXPECT_EQ(list().topIndex(), 18);  // кот
  ASSERT_TRUE(ui().hintLine().visible());
  EXPECT_EQ(hintText(), "«книги» — form of книга (мн. ч.)");
  EXPECT_EQ(ui().hintLine().pieces()[1], (HintPiece{u"книга", true, 0}));
  EXPECT_EQ(ui().hintLine().rect(), (Rect{2, 134, 236, 15}));
  EXPECT_EQ(viewerRect(), (Rect{2, 149, 236, 117}));
  // Only the misses were asked about: к, кн, кни and книг begin headwords.
  ASSERT_EQ(hints_.asked.size(), 1u);
  EXPECT_EQ(hints_.asked[0], (std::pair<Direction, std::u16string>{Direction::RussianHebrew, u"книги"}));
  EXPECT_EQ(word(), "книги");

  ui().pressEnter();
  EXPECT_EQ(list().topIndex(), 17);
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_EQ(word(), "книга");
  EXPECT_NE(page().find("книга"), std::string::npos);
  EXPECT_FALSE(ui().hintLine().visible());
  EXPECT_EQ(viewerRect(), fullViewer);
  ui().pressEnter();  // no hint: Enter does nothing again
  EXPECT_EQ(list().topIndex(), 17);
  ui().type(u"д");  // the followed headword is selected: typing starts anew
  EXPECT_EQ(word(), "д");
}

TEST_F(HintLineTest, ThePageStaysExactlyAsItIsWithoutAHint) {
  hints_.answers[u"книги"] = formOf(u"книги", u"книга", 17, u"");
  startRussian();
  ui().type(u"книги");
  ASSERT_TRUE(ui().hintLine().visible());
  EXPECT_EQ(hintText(), "«книги» — form of книга");
  const std::u16string withHint = ui().frame().viewer().page();
  dialog().setLookupHintSource(nullptr);
  ui().erase();
  EXPECT_FALSE(ui().hintLine().visible());  // книг begins книга
  ui().type(u"и");
  EXPECT_FALSE(ui().hintLine().visible());
  EXPECT_EQ(ui().frame().viewer().page(), withHint);
}

TEST_F(HintLineTest, AWordNotInTheDictionaryListsAtMostFiveSuggestionsEachAClick) {
  LookupHint missing;
  missing.kind = LookupHint::Kind::NotInDictionary;
  for (uint32_t i : {13u, 14u, 15u, 16u, 19u, 20u}) missing.suggestions.push_back({*utf8ToUtf16(kRussianWords[i]), i});
  hints_.answers[u"жуки"] = missing;  // typed left empty: the line names the typed word itself
  startRussian();
  ui().type(u"жуки");
  ASSERT_TRUE(ui().hintLine().visible());
  EXPECT_EQ(hintText(), "«жуки» is not in the dictionary; nearest: жук, завтра, зима, игра, лес");
  EXPECT_EQ(dialog().hint().targets.size(), 5u);
  ui().pressEnter();  // Enter follows only a lemma
  EXPECT_TRUE(ui().hintLine().visible());
  ui().clickHint(3);
  EXPECT_EQ(list().topIndex(), 16);
  EXPECT_EQ(word(), "игра");
  EXPECT_NE(page().find("игра"), std::string::npos);
  EXPECT_FALSE(ui().hintLine().visible());
}

TEST_F(HintLineTest, TheLineGoesWhenItsWordDoes) {
  hints_.answers[u"котик"] = formOf(u"котик", u"кот", 18, u"");
  startRussian();
  // A match asks nothing and shows nothing.
  ui().type(u"кот");
  EXPECT_FALSE(ui().hintLine().visible());
  EXPECT_TRUE(hints_.asked.empty());
  ui().type(u"ик");
  ASSERT_TRUE(ui().hintLine().visible());
  ui().erase();  // коти: still a miss, with nothing to say about it
  EXPECT_FALSE(ui().hintLine().visible());
  ui().type(u"к");
  ASSERT_TRUE(ui().hintLine().visible());
  for (int i = 0; i < 5; ++i) ui().erase();  // an empty box
  EXPECT_FALSE(ui().hintLine().visible());
  ui().type(u"котик");
  ui().tap(4);  // the tapped headword replaces the word
  EXPECT_FALSE(ui().hintLine().visible());
  activateWordBox();
  ui().type(u"котик");
  ASSERT_TRUE(ui().hintLine().visible());
  ui().command(IDM_RUSSIAN_HEBREW);
  EXPECT_FALSE(ui().hintLine().visible());
  // A lemma that names no entry of the list leads nowhere.
  hints_.answers[u"котик"] = formOf(u"котик", u"кот", 30, u"");
  ui().wait(kFirstArticleAfterSwitch);
  ui().type(u"котик");
  const int32_t top = list().topIndex();
  ui().pressEnter();
  EXPECT_EQ(list().topIndex(), top);
  EXPECT_EQ(word(), "котик");
}

TEST_F(HintLineTest, HebrewIsAskedAboutInLogicalOrder) {
  start();
  dialog().setLookupHintSource(&hints_);
  ui().wait(2000);
  ui().type(*utf8ToUtf16(reversed("ספרים")));  // as the non-Hebrew desktop holds it
  ASSERT_FALSE(hints_.asked.empty());
  EXPECT_EQ(hints_.asked.back(), (std::pair<Direction, std::u16string>{Direction::HebrewRussian, u"ספרים"}));
  EXPECT_FALSE(ui().hintLine().visible());  // the source had nothing to say
}

TEST(HintLineText, PiecesForEachKindOfHint) {
  EXPECT_TRUE(composeHintLine({}, u"x").pieces.empty());
  LookupHint form = formOf(u"", u"", 1, u"");
  EXPECT_TRUE(composeHintLine(form, u"x").pieces.empty());  // a form of nothing says nothing
  form.lemma.headword = u"книга";
  const HintLineContent content = composeHintLine(form, u"книги");
  EXPECT_EQ(content.kind, LookupHint::Kind::FormOf);
  EXPECT_EQ(content.pieces, (std::vector<HintPiece>{{u"«книги» — form of ", false, -1}, {u"книга", true, 0}}));
  LookupHint missing;
  missing.kind = LookupHint::Kind::NotInDictionary;
  missing.typed = u"xyz";
  EXPECT_EQ(composeHintLine(missing, u"other").pieces,
            (std::vector<HintPiece>{{u"«xyz» is not in the dictionary", false, -1}}));
  missing.suggestions = {{u"", 1}, {u"a", 2}};  // an empty suggestion is left out
  const HintLineContent one = composeHintLine(missing, u"xyz");
  ASSERT_EQ(one.targets.size(), 1u);
  EXPECT_EQ(one.targets[0].listOrdinal, 2u);
  EXPECT_EQ(one.pieces.back(), (HintPiece{u"a", false, 0}));
}

}  // namespace
}  // namespace orva
