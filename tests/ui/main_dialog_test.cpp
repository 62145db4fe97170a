// The main window over the in-memory platform: start-up, typing, the
// re-entry flags, keys, taps, the direction commands, hide, help and close.
#include <gtest/gtest.h>

#include <fstream>

#include "text/utf.h"
#include "window_fixture.h"

namespace orva {
namespace {

using test::kHebrewWords;
using test::kRussianWords;
using test::reversed;
using test::u8;

class MainDialogTest : public test::WindowTest {};

TEST_F(MainDialogTest, StartsWithWelcomePageHebrewListAndFirstArticleAfterTwoSeconds) {
  start();
  const MemoryFrame& frame = ui().frame();
  EXPECT_EQ(frame.title(), u"ORVA Pocket");
  EXPECT_TRUE(frame.messages().empty());
  EXPECT_EQ(frame.viewer().page(), kWelcomePage);
  EXPECT_EQ(dialog().direction(), Direction::HebrewRussian);
  EXPECT_TRUE(ui().menuBar().created());
  EXPECT_TRUE(ui().menuBar().isPressed(IDM_HEBREW_RUSSIAN));
  EXPECT_FALSE(ui().menuBar().isPressed(IDM_RUSSIAN_HEBREW));
  EXPECT_EQ(ui().menuBar().tooltips(), (std::vector<std::u16string>{u"Russian-Hebrew", u"Hebrew-Russian"}));
  EXPECT_TRUE(ui().wordBox().rightAligned());
  EXPECT_EQ(ui().list().locale(), kHebrewListLocale);
  // The reference layout.
  EXPECT_EQ(ui().wordBox().rect(), (Rect{2, 3, 236, 23}));
  EXPECT_EQ(ui().list().rect(), (Rect{2, 28, 236, 104}));
  EXPECT_EQ(frame.viewerRect(), (Rect{2, 134, 236, 132}));
  // The list is filled from hebrus.dic, Hebrew in visual order.
  EXPECT_EQ(list().entryCount(), kHebrewWords.size());
  EXPECT_EQ(list().rowCount(), 8);
  EXPECT_EQ(list().topIndex(), 0);
  EXPECT_EQ(list().selectedRow(), -1);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(row(r), reversed(kHebrewWords[static_cast<size_t>(r)]));
  // The dialog manager focused the word box.
  EXPECT_EQ(ui().focus(), Focus::WordBox);
  EXPECT_TRUE(dialog().wordEditActive());
  EXPECT_EQ(ui().timers().running(), (std::map<uint32_t, uint32_t>{{2780, 10}, {2796, 2000}, {2799, 200}}));

  ui().wait(1999);
  EXPECT_EQ(frame.viewer().page(), kWelcomePage);
  EXPECT_EQ(ui().timers().running(), (std::map<uint32_t, uint32_t>{{2796, 2000}, {2799, 200}}));
  ui().wait(1);
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_NE(page().find(kHebrewWords[0]), std::string::npos);
  EXPECT_NE(page().find("перевод 1<"), std::string::npos);
  EXPECT_EQ(word(), "");  // the user is in the word box: nothing is written there
  EXPECT_EQ(ui().timers().running(), (std::map<uint32_t, uint32_t>{{2799, 200}}));
}

TEST_F(MainDialogTest, BothDictionariesMissingShowTwoMessagesAndTheWindowStillComesUp) {
  start(false, false);
  const auto& messages = ui().frame().messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].caption, u"Error");
  EXPECT_EQ(messages[0].text, u"Can't open rus-heb database!");
  EXPECT_EQ(messages[1].caption, u"Error");
  EXPECT_EQ(messages[1].text, u"Can't open heb-rus database!");
  EXPECT_EQ(ui().frame().state(), WindowState::Normal);
  EXPECT_EQ(ui().frame().title(), u"ORVA Pocket");
  EXPECT_TRUE(ui().menuBar().created());
  EXPECT_EQ(list().entryCount(), 0u);
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_EQ(list().topIndex(), -1);
  // Nothing to show, nothing to find, no direction to fail in.
  ui().wait(2000);
  EXPECT_EQ(ui().frame().viewer().page(), kWelcomePage);
  ui().type(u"שלום");
  ui().scroll(ScrollRequest::PageDown);
  EXPECT_EQ(list().topIndex(), -1);
  russianHebrew();
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_EQ(page(), "");
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(MainDialogTest, OneMissingDictionaryLeavesTheOtherDirectionWorking) {
  start(false, true);
  ASSERT_EQ(ui().frame().messages().size(), 1u);
  EXPECT_EQ(ui().frame().messages()[0].text, u"Can't open rus-heb database!");
  EXPECT_EQ(list().entryCount(), kHebrewWords.size());
  russianHebrew();
  EXPECT_EQ(list().entryCount(), 0u);
  ui().command(IDM_HEBREW_RUSSIAN);
  ui().wait(100);
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_NE(page().find(kHebrewWords[0]), std::string::npos);
}

TEST_F(MainDialogTest, TypingLooksUpTheWholeTextAndDeletingTheLastCharacterStartsNothing) {
  start();
  russianHebrew();
  activateWordBox();
  ui().type(u"ко");
  EXPECT_EQ(word(), "ко");
  EXPECT_EQ(list().topIndex(), 18);  // кот
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_EQ(row(0), "кот");
  EXPECT_NE(page().find("кот"), std::string::npos);
  EXPECT_FALSE(dialog().suppressNextChange());
  ui().erase();
  EXPECT_EQ(word(), "к");
  EXPECT_EQ(list().topIndex(), 17);  // книга
  const std::string shown = page();
  ui().erase();
  EXPECT_EQ(word(), "");
  EXPECT_EQ(list().topIndex(), 17);
  EXPECT_EQ(page(), shown);
  // Capitals are found in lower case; text after the last key finds nothing.
  ui().type(u"ДВ");
  EXPECT_EQ(list().topIndex(), 10);  // дверь
  EXPECT_EQ(list().selectedRow(), 0);
  ui().erase();
  ui().erase();
  ui().type(u"яя");
  EXPECT_EQ(list().topIndex(), 10);
  EXPECT_FALSE(dialog().suppressNextChange());
}

TEST_F(MainDialogTest, AnEntryInTheLastPageIsSelectedBelowRowZero) {
  start();
  russianHebrew();
  activateWordBox();
  ui().type(u"сад");  // entry 27; the last page starts at 22
  EXPECT_EQ(list().topIndex(), 22);
  EXPECT_EQ(list().selectedRow(), 5);
  EXPECT_EQ(row(5), "сад");
}

TEST_F(MainDialogTest, HebrewTypedOnANonHebrewDeviceIsReversedBeforeTheLookup) {
  start();
  activateWordBox();
  // The word box holds visual order: "לחם" typed as the display shows it.
  ui().type(*utf8ToUtf16(reversed("לחם")));
  EXPECT_EQ(list().topIndex(), 12);
  EXPECT_EQ(row(0), reversed("לחם"));
}

TEST_F(MainDialogTest, HebrewIsLookedUpInLogicalOrderOnAHebrewDevice) {
  start(true, true, {kLanguageHebrew, CodePage::Hebrew1255});
  EXPECT_EQ(row(0), kHebrewWords[0]);
  activateWordBox();
  ui().type(u"לחם");
  EXPECT_EQ(list().topIndex(), 12);
  EXPECT_EQ(row(0), "לחם");
}

TEST_F(MainDialogTest, TheWrittenBackHeadwordStartsNoLookup) {
  start();
  russianHebrew();
  EXPECT_EQ(word(), kRussianWords[0]);  // the first article after a switch writes its headword
  activateWordBox();
  ui().type(u"г");
  ASSERT_EQ(list().topIndex(), 8);
  // A tap while the word box had the focus: the list's focus handler clears
  // wordEditActive first, so the tapped headword is written into the box,
  // and that write does not move the list.
  ui().tap(3);
  EXPECT_EQ(ui().focus(), Focus::List);
  EXPECT_FALSE(dialog().wordEditActive());
  EXPECT_EQ(word(), "дом");
  EXPECT_EQ(list().topIndex(), 8);
  EXPECT_EQ(list().selectedRow(), 3);
  EXPECT_NE(page().find("дом"), std::string::npos);
  EXPECT_FALSE(dialog().suppressNextChange());
  EXPECT_FALSE(dialog().updatingWordBox());
}

TEST_F(MainDialogTest, EnterAndEscapeAreSwallowedEverywhere) {
  start();
  russianHebrew();
  activateWordBox();
  ui().type(u"ко");
  for (Focus focus : {Focus::WordBox, Focus::List}) {
    if (focus == Focus::List) ui().focusList();
    ui().pressEnter();
    ui().pressEscape();
    EXPECT_EQ(ui().frame().state(), WindowState::Normal);
    EXPECT_EQ(word(), "ко");
    EXPECT_EQ(list().topIndex(), 18);
    EXPECT_EQ(list().selectedRow(), 0);
  }
  uint32_t code = VK_RETURN;
  EXPECT_TRUE(dialog().filterKey(WM_KEYDOWN, code));
  EXPECT_EQ(code, 0u);
  code = VK_ESCAPE;
  EXPECT_TRUE(dialog().filterKey(WM_CHAR, code));
  EXPECT_EQ(code, 0u);
  code = 'A';
  EXPECT_FALSE(dialog().filterKey(WM_KEYDOWN, code));
  EXPECT_EQ(code, uint32_t{'A'});
  code = VK_RETURN;
  EXPECT_FALSE(dialog().filterKey(0x0200, code));  // not a key message
  EXPECT_EQ(code, VK_RETURN);
}

TEST_F(MainDialogTest, TapsAndUpDownInsideThePageShowTheSelectedArticle) {
  start();
  russianHebrew();
  ui().tap(2);
  EXPECT_EQ(word(), "адрес");
  EXPECT_NE(page().find("адрес"), std::string::npos);
  ui().pressKey(VK_DOWN);
  EXPECT_EQ(list().selectedRow(), 3);
  EXPECT_EQ(word(), "баня");
  ui().pressKey(VK_UP);
  ui().pressKey(VK_UP);
  EXPECT_EQ(list().selectedRow(), 1);
  EXPECT_EQ(word(), "автобус");
  // Scrolling keeps the row number: the row shows another entry, and the
  // article follows it.
  ui().pressKey(VK_NEXT);
  EXPECT_EQ(list().topIndex(), 8);
  EXPECT_EQ(list().selectedRow(), 1);
  EXPECT_EQ(word(), "город");
  // A tap past the last row selects nothing.
  ui().tap(8);
  EXPECT_EQ(list().selectedRow(), 1);
}

TEST_F(MainDialogTest, ADirectionCommandInTheFirstTwoSecondsReplacesThePendingFirstArticle) {
  start();
  ui().wait(500);
  ui().command(IDM_RUSSIAN_HEBREW);
  EXPECT_TRUE(ui().menuBar().isPressed(IDM_RUSSIAN_HEBREW));
  EXPECT_FALSE(ui().menuBar().isPressed(IDM_HEBREW_RUSSIAN));
  EXPECT_FALSE(ui().wordBox().rightAligned());
  EXPECT_EQ(ui().list().locale(), kRussianListLocale);
  EXPECT_EQ(dialog().direction(), Direction::RussianHebrew);
  EXPECT_EQ(page(), "");
  EXPECT_EQ(list().entryCount(), kRussianWords.size());
  EXPECT_EQ(list().selectedRow(), -1);
  EXPECT_EQ(ui().timers().running().at(kFirstArticleTimer), 100u);
  ui().wait(99);
  EXPECT_EQ(page(), "");
  ui().wait(1);
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_NE(page().find("абрикос"), std::string::npos);
  EXPECT_EQ(ui().timers().running().count(kFirstArticleTimer), 0u);
  ui().wait(5000);  // the start-up timer is gone for good
  EXPECT_EQ(list().selectedRow(), 0);
}

TEST_F(MainDialogTest, PressingTheDirectionInForceRunsTheWholeCommandAgain) {
  start();
  ui().wait(2000);
  activateWordBox();
  ui().type(u"ל");
  ASSERT_NE(list().topIndex(), 0);
  ui().command(IDM_HEBREW_RUSSIAN);
  EXPECT_TRUE(ui().menuBar().isPressed(IDM_HEBREW_RUSSIAN));
  EXPECT_EQ(word(), "");
  EXPECT_FALSE(dialog().wordEditActive());
  EXPECT_EQ(list().topIndex(), 0);
  EXPECT_EQ(list().selectedRow(), -1);
  EXPECT_EQ(page(), "");
  EXPECT_TRUE(ui().wordBox().rightAligned());
  ui().wait(100);
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_EQ(word(), reversed(kHebrewWords[0]));
}

TEST_F(MainDialogTest, ExitAndOkHideTheWindowAndKeepItsState) {
  for (uint16_t command : {IDM_EXIT, IDOK}) {
    start();
    ui().wait(2000);
    const std::string shown = page();
    ui().raiseKeyboard();
    ui().command(command);
    EXPECT_EQ(ui().frame().state(), WindowState::Minimised);
    EXPECT_EQ(ui().focus(), Focus::List);
    EXPECT_FALSE(dialog().wordEditActive());
    EXPECT_FALSE(ui().keyboard().isUp());
    EXPECT_EQ(page(), shown);
    EXPECT_EQ(list().selectedRow(), 0);
    EXPECT_EQ(ui().frame().exitCode(), -1);
    // The keyboard watch keeps running while minimised.
    ui().raiseKeyboard();
    ui().wait(200);
    EXPECT_EQ(ui().focus(), Focus::WordBox);
    EXPECT_TRUE(dialog().wordEditActive());
  }
}

TEST_F(MainDialogTest, RaisingTheKeyboardActivatesTheWordBoxWithItsTextSelected) {
  start();
  russianHebrew();
  ui().focusList();
  ui().tap(4);
  ASSERT_EQ(word(), "белый");
  ui().raiseKeyboard();
  ui().wait(kKeyboardWatchPeriod - ui().timers().now() % kKeyboardWatchPeriod);  // the next watch tick
  EXPECT_EQ(ui().focus(), Focus::WordBox);
  EXPECT_TRUE(dialog().wordEditActive());
  EXPECT_EQ(ui().wordBox().selectionStart(), 0u);
  EXPECT_EQ(ui().wordBox().selectionEnd(), 5u);
  EXPECT_EQ(ui().timers().running().count(kSelectAllTimer), 1u);  // selected once more 10 ms later
  ui().type(u"д");  // replaces the selection
  EXPECT_EQ(word(), "д");
  EXPECT_EQ(list().topIndex(), 10);
  // Lowering it changes nothing; the watch does nothing while the box is active.
  ui().lowerKeyboard();
  ui().wait(400);
  EXPECT_EQ(ui().focus(), Focus::WordBox);
}

TEST_F(MainDialogTest, HelpOpensTheGuideOrSaysItCannotBeFound) {
  start();
  ui().command(IDM_USERS_GUIDE);
  ASSERT_EQ(ui().frame().messages().size(), 1u);
  EXPECT_EQ(ui().frame().messages()[0].caption, u"orva.htp");
  EXPECT_EQ(ui().frame().messages()[0].text, u"Help file could not be found!");
  std::ofstream(dir_.file("help.html")) << "<html></html>";
  ui().command(IDM_USERS_GUIDE);
  dialog().helpRequest();
  EXPECT_EQ(ui().frame().messages().size(), 1u);
  EXPECT_EQ(ui().frame().openedDocuments(),
            (std::vector<std::string>{dir_.file("help.html"), dir_.file("help.html")}));
  ui().command(IDM_ABOUT);
  EXPECT_EQ(ui().frame().aboutRuns(), 1);
  ui().command(ID_HELP);  // the "Help" button only opens its menu
  ui().command(IDM_OPTIONS);
  EXPECT_EQ(ui().frame().openedDocuments().size(), 2u);
  EXPECT_EQ(ui().frame().state(), WindowState::Normal);
}

TEST_F(MainDialogTest, CloseReleasesEverythingAndNothingReachesTheWindowAfterwards) {
  start();
  ui().wait(2000);
  ui().command(IDM_EXIT);  // closing while minimised is the same
  ui().close();
  EXPECT_TRUE(dialog().isClosing());
  EXPECT_TRUE(dialog().destroyed());
  EXPECT_EQ(ui().frame().state(), WindowState::Closed);
  EXPECT_EQ(ui().frame().exitCode(), 0);
  EXPECT_FALSE(dialog().dictionaries().russianHebrew.isOpen());
  EXPECT_FALSE(dialog().dictionaries().hebrewRussian.isOpen());
  EXPECT_EQ(page(), "");
  EXPECT_FALSE(ui().frame().viewerExists());
  EXPECT_FALSE(ui().menuBar().created());
  EXPECT_EQ(list().entryCount(), 0u);
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_EQ(list().topIndex(), -1);
  EXPECT_TRUE(ui().timers().running().empty());
  EXPECT_EQ(ui().focus(), Focus::None);
  ui().type(u"д");
  ui().command(IDM_RUSSIAN_HEBREW);
  ui().wait(1000);
  ui().close();
  EXPECT_EQ(dialog().direction(), Direction::HebrewRussian);
  EXPECT_EQ(word(), "");
  EXPECT_EQ(list().rowCount(), 0);
}

TEST_F(MainDialogTest, ResizingKeepsTheTopEntryAndMakesRowsFitTheList) {
  start();
  russianHebrew();
  ui().scroll(ScrollRequest::ThumbPosition, 5);
  ui().tap(2);
  dialog().resize({240, 400});  // list height 170: 13 rows
  EXPECT_EQ(ui().list().rect(), (Rect{2, 28, 236, 170}));
  EXPECT_EQ(ui().frame().viewerRect(), (Rect{2, 200, 236, 198}));
  EXPECT_EQ(list().rowCount(), 13);
  EXPECT_EQ(list().topIndex(), 5);
  EXPECT_EQ(list().selectedRow(), 2);
  EXPECT_EQ(row(12), kRussianWords[17]);
  dialog().resize({240, 160});  // 50 pixels: 3 rows; the selected entry stays visible
  EXPECT_EQ(list().rowCount(), 3);
  EXPECT_EQ(list().topIndex(), 5);
  EXPECT_EQ(list().selectedRow(), 2);
  dialog().resize({240, 120});  // 30 pixels: 2 rows; the selected entry drops out of view
  EXPECT_EQ(list().rowCount(), 2);
  EXPECT_EQ(list().selectedRow(), -1);
  // At the end of the list a taller list moves the top back so every row is filled.
  ui().pressKey(VK_END);
  dialog().resize({240, 400});
  EXPECT_EQ(list().topIndex(), 30 - 13);
  EXPECT_EQ(row(12), kRussianWords[29]);
}

}  // namespace
}  // namespace orva
