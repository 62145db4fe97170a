// Scripted sessions: parsing, the state that show prints, and the window
// resources and display helpers they rest on.
#include <gtest/gtest.h>

#include <sstream>

#include "ui/display_order.h"
#include "ui/session.h"
#include "window_fixture.h"

namespace orva {
namespace {

std::vector<SessionCommand> parse(const std::string& script) {
  std::istringstream in(script);
  return parseSessionScript(in);
}

int errorLine(const std::string& script) {
  try {
    parse(script);
  } catch (const SessionError& error) {
    return error.line;
  }
  return 0;
}

TEST(SessionScript, ParsesEveryCommandAndSkipsBlankAndCommentLines) {
  const auto commands = parse(
      "# a comment\n\ntype дом кот\r\nerase\nkey PageDown\nkey ש\nfocus list\ntap 3\nscroll thumbtrack 70000\n"
      "scroll endscroll\ncommand ru-he\ncommand 32774\nkeyboard up\nwait 250\nclose\nshow\n");
  ASSERT_EQ(commands.size(), 14u);
  EXPECT_EQ(commands[0].kind, SessionCommand::Kind::Type);
  EXPECT_EQ(commands[0].text, u"дом кот");
  EXPECT_EQ(commands[0].line, 3);
  EXPECT_EQ(commands[2].key, VK_NEXT);
  EXPECT_EQ(commands[3].key, 0u);
  EXPECT_EQ(commands[3].text, u"ש");
  EXPECT_TRUE(commands[4].flag);
  EXPECT_EQ(commands[5].number, 3);
  EXPECT_EQ(commands[6].request, ScrollRequest::ThumbTrack);
  EXPECT_EQ(commands[6].number, 70000);
  EXPECT_EQ(commands[7].request, ScrollRequest::EndScroll);
  EXPECT_EQ(commands[8].number, IDM_RUSSIAN_HEBREW);
  EXPECT_EQ(commands[9].number, IDM_EXIT);
  EXPECT_EQ(commands[11].number, 250);
}

TEST(SessionScript, ErrorsNameTheirLine) {
  EXPECT_EQ(errorLine("show\nbogus\n"), 2);
  EXPECT_EQ(errorLine("type\n"), 1);
  EXPECT_EQ(errorLine("show\n\nkey Tab\n"), 3);
  EXPECT_EQ(errorLine("tap -1\n"), 1);
  EXPECT_EQ(errorLine("scroll thumbtrack\n"), 1);
  EXPECT_EQ(errorLine("scroll lineup 3\n"), 1);
  EXPECT_EQ(errorLine("command nothing\n"), 1);
  EXPECT_EQ(errorLine("wait soon\n"), 1);
  EXPECT_EQ(errorLine("focus viewer\n"), 1);
  EXPECT_EQ(errorLine("show now\n"), 1);
  EXPECT_EQ(errorLine("type \xff\n"), 1);
}

class SessionStateTest : public test::WindowTest {};

TEST_F(SessionStateTest, ShowPrintsTheWholeStateInItsFixedLines) {
  start(false, true);
  std::ostringstream out;
  runSessionScript(parse("wait 2000\ncommand help\nshow\n"), ui(), out);
  std::istringstream lines(out.str());
  std::vector<std::string> got;
  for (std::string line; std::getline(lines, line);) got.push_back(line);
  ASSERT_EQ(got.size(), 21u);
  EXPECT_EQ(got[0], "direction: he-ru");
  EXPECT_EQ(got[1], "window: normal");
  EXPECT_EQ(got[2], "focus: word");
  EXPECT_EQ(got[3], "word: ");
  EXPECT_EQ(got[4], "selection: 0 0");
  EXPECT_EQ(got[5], "wordEditActive: 1");
  EXPECT_EQ(got[6], "list: entries=20 rows=8 top=0 selected=0");
  EXPECT_EQ(got[7].rfind("row 0: 0 " + test::reversed(test::kHebrewWords[0]), 0), 0u) << got[7];
  EXPECT_EQ(got[15], "buttons: 32799=pressed 32800=released");
  EXPECT_EQ(got[16], "timers: 2799@200");
  EXPECT_EQ(got[17].rfind("page: <html><body>\\r\\n<div align=\"right\"", 0), 0u) << got[17];
  EXPECT_EQ(got[17].find('\r'), std::string::npos);
  EXPECT_EQ(got[18], "messages: 2");
  EXPECT_EQ(got[19], "message: Error | Can't open rus-heb database!");
  EXPECT_EQ(got[20], "message: orva.htp | Help file could not be found!");
}

TEST_F(SessionStateTest, AScriptDrivesTheWindowToTheEnd) {
  start();
  std::ostringstream out;
  runSessionScript(parse("command ru-he\nwait 100\ntap 2\nkey Down\ncommand exit\nclose\nshow\n"), ui(), out);
  const std::string state = out.str();
  EXPECT_NE(state.find("direction: ru-he\nwindow: closed\nfocus: none\nword: баня\n"), std::string::npos) << state;
  EXPECT_NE(state.find("list: entries=0 rows=0 top=-1 selected=-1\nbuttons:"), std::string::npos) << state;
  EXPECT_NE(state.find("timers:\npage: \nmessages: 0\n"), std::string::npos) << state;
}

TEST(DisplayOrder, PointsFollowTheirLetterInsideTheOverride) {
  // Logical "שָׁלוֹם" reversed: each letter's points now stand before it.
  const std::u16string visual = u"\u05DD\u05B9\u05D5\u05DC\u05C1\u05B8\u05E9";
  EXPECT_EQ(pointsAfterLetters(visual), u"\u05DD\u05D5\u05B9\u05DC\u05E9\u05C1\u05B8");
  EXPECT_EQ(visualOrderForDisplay(u"\u05D0\u05D1"), u"\u202D\u05D0\u05D1");
  EXPECT_EQ(pointsAfterLetters(u"\u05B8"), u"\u05B8");  // a trailing run stays
  EXPECT_EQ(pointsAfterLetters(u"ab (c)"), u"ab (c)");
  EXPECT_FALSE(isHebrewPoint(u'\u05BE'));  // maqaf is a letter-like mark
}

TEST(Resources, TheMenuBarDescriptionDecodesToItsSixButtons) {
  const auto bar = decodeMenuBar(kMenuBarWords);
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->menuId, IDR_MENUBAR);
  ASSERT_EQ(bar->buttons.size(), 6u);
  EXPECT_EQ(bar->buttons[0].command, IDM_OPTIONS);
  EXPECT_TRUE(bar->buttons[0].isDropDown());
  EXPECT_EQ(loadString(bar->buttons[0].captionString), u"Options");
  EXPECT_TRUE(bar->buttons[1].isSeparator());
  EXPECT_EQ(bar->buttons[2].command, ID_HELP);
  EXPECT_EQ(bar->buttons[2].submenu, 1);
  EXPECT_EQ(kMenu[bar->buttons[2].submenu].items[1].command, IDM_ABOUT);
  EXPECT_EQ(bar->buttons[4].image, 0);
  EXPECT_EQ(bar->buttons[4].command, IDM_RUSSIAN_HEBREW);
  EXPECT_FALSE(bar->buttons[4].pressed());
  EXPECT_EQ(bar->buttons[5].image, 1);
  EXPECT_TRUE(bar->buttons[5].pressed());
  EXPECT_EQ(loadString(bar->buttons[5].secondString), u"~~Hebrew-Russian");
  EXPECT_FALSE(loadString(103));
  EXPECT_FALSE(decodeMenuBar(std::span(kMenuBarWords).first(20)));
}

// The About box and the programs' --version show the one generated version.
TEST(Resources, TheVersionShownIsTheProjectVersion) {
  EXPECT_EQ(kAboutFirstLine, u"ORVA Pocket 1.1");
  EXPECT_STREQ(kProductVersion, "1.1.0.0");
  EXPECT_STREQ(kProductName, "ORVA Pocket");
  EXPECT_EQ(kWindowTitle, u"ORVA Pocket");
}

}  // namespace
}  // namespace orva
