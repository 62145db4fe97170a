// The window's history of the session over the in-memory platform: what
// counts as a visit, Back and Forward across directions, a dictionary
// changed in between, and the word box taken with its text selected.
#include <gtest/gtest.h>

#include <cstdio>

#include "text/utf.h"
#include "window_fixture.h"

namespace orva {
namespace {

using test::kHebrewWords;
using test::kRussianWords;
using test::reversed;

class WindowHistoryTest : public test::WindowTest {
 protected:
  // The headwords of the history, oldest first, as the word box shows them.
  std::vector<std::string> visited() {
    std::vector<std::string> out;
    for (size_t i = 0; i < dialog().history().size(); ++i) out.push_back(test::u8(dialog().history().at(i).headword));
    return out;
  }
  void typeWord(std::u16string_view text, uint64_t pause) {
    for (char16_t c : text) {
      ui().type(std::u16string(1, c));
      ui().wait(pause);
    }
  }
};

TEST_F(WindowHistoryTest, AWordTypedLetterByLetterIsOneVisitFastOrSlow) {
  start();
  russianHebrew();
  activateWordBox();
  typeWord(u"кни", 200);  // each rest is short
  EXPECT_TRUE(visited().empty());
  ui().wait(kHistoryVisitDelay);
  EXPECT_EQ(visited(), (std::vector<std::string>{"книга"}));
  // The first article after a direction command is nobody's lookup.
  EXPECT_EQ(dialog().history().size(), 1u);

  // Slowly, with a rest after every letter, the word still leaves one entry.
  activateWordBox();
  typeWord(u"мор", kHistoryVisitDelay + 500);
  EXPECT_EQ(visited(), (std::vector<std::string>{"книга", "море"}));
  ui().wait(5000);
  EXPECT_EQ(dialog().history().size(), 2u);
}

TEST_F(WindowHistoryTest, EnterATapAHintAndADirectionCommandVisitAtOnce) {
  start();
  russianHebrew();
  activateWordBox();
  ui().type(u"до");
  ui().pressEnter();
  EXPECT_EQ(visited(), (std::vector<std::string>{"дом"}));
  ui().tap(3);  // дорога's neighbours: the list stands at дом
  EXPECT_EQ(visited().size(), 2u);
  EXPECT_EQ(visited().back(), word());
  activateWordBox();
  ui().type(u"са");
  ui().command(IDM_HEBREW_RUSSIAN);  // leaving сад for the other direction
  EXPECT_EQ(visited().back(), "сад");
  EXPECT_EQ(visited().size(), 3u);
  // The switch's first article and the empty box add nothing.
  ui().wait(5000);
  EXPECT_EQ(visited().size(), 3u);
}

TEST_F(WindowHistoryTest, BackAndForwardShowTheVisitedArticlesAcrossDirections) {
  start();
  russianHebrew();
  activateWordBox();
  ui().type(u"кот");
  ui().pressEnter();
  ui().command(IDM_HEBREW_RUSSIAN);
  ui().wait(kFirstArticleAfterSwitch);
  activateWordBox();
  ui().type(*utf8ToUtf16(reversed("לחם")));  // visual order, as a non-Hebrew desktop shows it
  ASSERT_EQ(list().topIndex(), 12);
  // Back within the rest: לחם is recorded first, so Forward comes back to it.
  ASSERT_TRUE(dialog().goBack());
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_TRUE(ui().menuBar().isPressed(IDM_RUSSIAN_HEBREW));
  EXPECT_FALSE(ui().wordBox().rightAligned());
  EXPECT_EQ(word(), "кот");
  EXPECT_EQ(row(list().selectedRow()), "кот");
  EXPECT_NE(page().find("кот"), std::string::npos);
  EXPECT_EQ(ui().wordBox().selectionEnd() - ui().wordBox().selectionStart(), 3u);  // typing replaces it
  EXPECT_FALSE(dialog().goBack());
  EXPECT_EQ(word(), "кот");
  // Nothing comes later to replace the article shown.
  ui().wait(5000);
  EXPECT_EQ(word(), "кот");
  EXPECT_EQ(dialog().history().size(), 2u);

  ASSERT_TRUE(dialog().goForward());
  EXPECT_EQ(dialog().direction(), Direction::HebrewRussian);
  EXPECT_EQ(word(), reversed("לחם"));
  EXPECT_EQ(list().topIndex(), 12);
  EXPECT_NE(page().find("перевод 13<"), std::string::npos);
  EXPECT_FALSE(dialog().goForward());
  ui().wait(5000);
  EXPECT_EQ(dialog().history().size(), 2u);

  // A new visit after going back drops what lay ahead.
  dialog().goBack();
  ui().tap(2);
  EXPECT_EQ(dialog().history().size(), 2u);
  EXPECT_FALSE(dialog().goForward());
}

TEST_F(WindowHistoryTest, BackRightAfterADirectionCommandKeepsTheVisitedArticle) {
  start();
  russianHebrew();
  ui().tap(0);
  ui().command(IDM_HEBREW_RUSSIAN);
  ASSERT_TRUE(dialog().goBack());
  ui().wait(kFirstArticleAfterSwitch + 1000);  // the switch's first article no longer comes
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_EQ(word(), kRussianWords[0]);
  EXPECT_NE(page().find(kRussianWords[0]), std::string::npos);
  EXPECT_FALSE(dialog().goBack());  // the only visit is on screen
  EXPECT_EQ(dialog().history().size(), 1u);
}

TEST_F(WindowHistoryTest, BackFindsTheHeadwordAgainInAReplacedDictionary) {
  start();
  russianHebrew();
  ui().tap(3);  // баня
  ui().tap(5);  // берег
  // The dictionary is replaced: баня now stands elsewhere.
  test::writeRussianDictionary(dir_.file("new.dic"), {"баня", "берег", "кот"});
  ASSERT_EQ(std::rename(dir_.file("new.dic").c_str(), dir_.file("rusheb.dic").c_str()), 0);
  ASSERT_TRUE(dialog().goBack());
  EXPECT_EQ(list().entryCount(), 3u);
  EXPECT_EQ(word(), "баня");
  EXPECT_EQ(row(list().selectedRow()), "баня");
  EXPECT_NE(page().find("баня"), std::string::npos);
}

TEST_F(WindowHistoryTest, SelectWordBoxFocusesItWithTheWholeTextSelected) {
  start();
  russianHebrew();
  ui().tap(1);
  ASSERT_EQ(ui().focus(), Focus::List);
  dialog().selectWordBox();
  EXPECT_EQ(ui().focus(), Focus::WordBox);
  EXPECT_TRUE(dialog().wordEditActive());
  EXPECT_EQ(ui().wordBox().selectionStart(), 0u);
  EXPECT_EQ(ui().wordBox().selectionEnd(), ui().wordBox().text().size());
  // No select-all is left to come that would take the first typed letter.
  EXPECT_EQ(ui().timers().running().count(kSelectAllTimer), 0u);
  ui().type(u"к");
  ui().wait(kSelectAllPeriod);
  ui().type(u"о");
  EXPECT_EQ(word(), "ко");
}

}  // namespace
}  // namespace orva
