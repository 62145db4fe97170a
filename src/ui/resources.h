// The window's static resources as data: the identifiers that code and
// resources share, the string table, the menu and the menu-bar description,
// the version and the fixed texts. The window is laid out in code, so no
// dialog template is kept.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "orva_version.h"  // the About box's first line

namespace orva {

// Resource and control identifiers.
inline constexpr uint16_t IDOK = 1;  // the caption's OK button
inline constexpr uint16_t IDD_MAIN = 102;
inline constexpr uint16_t IDI_APP = 128;
inline constexpr uint16_t IDD_ABOUT = 136;
inline constexpr uint16_t IDR_MENUBAR = 139;
inline constexpr uint16_t IDB_DIRECTIONS = 154;
inline constexpr uint16_t IDC_WORD_EDIT = 1002;
inline constexpr uint16_t IDC_HEADWORD_LIST = 1003;
inline constexpr uint16_t IDM_OPTIONS = 32771;
inline constexpr uint16_t IDS_OPTIONS = 32773;
inline constexpr uint16_t IDM_EXIT = 32774;
inline constexpr uint16_t IDS_HELP = 32777;
inline constexpr uint16_t IDM_ABOUT = 32781;
inline constexpr uint16_t IDM_USERS_GUIDE = 32790;
inline constexpr uint16_t IDM_HEBREW_RUSSIAN = 32799;
inline constexpr uint16_t IDM_RUSSIAN_HEBREW = 32800;
inline constexpr uint16_t ID_HELP = 57670;

// The window timers and their periods.
inline constexpr uint32_t kSelectAllTimer = 2780;
inline constexpr uint32_t kFirstArticleTimer = 2796;
inline constexpr uint32_t kKeyboardWatchTimer = 2799;
inline constexpr uint32_t kSelectAllPeriod = 10;
inline constexpr uint32_t kFirstArticleAtStart = 2000;
inline constexpr uint32_t kFirstArticleAfterSwitch = 100;
inline constexpr uint32_t kKeyboardWatchPeriod = 200;
// Shows the highlighted row's article once scrolling the list pauses, so
// that a drag over the whole index renders no article per step.
inline constexpr uint32_t kScrollArticleTimer = 2801;
inline constexpr uint32_t kScrollArticleDelay = 150;
// An article that stays on screen this long counts as visited in the
// session's history: typing a word letter by letter visits only the entry
// where the typing rests.
inline constexpr uint32_t kHistoryVisitTimer = 2802;
inline constexpr uint32_t kHistoryVisitDelay = 1000;

// List locales sent with a direction change (the list keeps no use for them).
inline constexpr uint32_t kHebrewListLocale = 0x040D040D;
inline constexpr uint32_t kRussianListLocale = 0x04190419;

// The fixed texts of the window.
inline constexpr std::u16string_view kApplicationName = u"orva.htp";
inline constexpr std::u16string_view kWindowTitle = u"ORVA Pocket";
inline constexpr std::u16string_view kHelpNotFound = u"Help file could not be found!";
inline constexpr std::u16string_view kHelpFileName = u"help.html";
inline constexpr std::u16string_view kRussianHebrewTooltip = u"Russian-Hebrew";
inline constexpr std::u16string_view kHebrewRussianTooltip = u"Hebrew-Russian";
inline constexpr std::u16string_view kAboutTitle = u"About";
inline constexpr std::u16string_view kAboutFirstLine = kProductTitle;
inline constexpr std::u16string_view kAboutSecondLine = u"Russian-Hebrew pocket dictionary";

// The page shown from start-up until the first article.
inline constexpr std::u16string_view kWelcomePage =
    u"<html><body><h3><br><center>&lt;&lt; <font color=\"#FF5A00\">Welcome to ORVA CE</font> &gt;&gt;</center>"
    u"</h3><br><p align=\"right\"><i>Type a word in Russian or Hebrew, or pick one from the list.</i></p>"
    u"</body></html>";

// String table: exactly these four entries.
struct StringResource {
  uint16_t id;
  std::u16string_view text;
};
inline constexpr std::array<StringResource, 4> kStringTable{{
    {IDS_OPTIONS, u"Options"},
    {IDS_HELP, u"Help"},
    {IDM_HEBREW_RUSSIAN, u"~~Hebrew-Russian"},
    {IDM_RUSSIAN_HEBREW, u"~~Russian-Hebrew"},
}};
std::optional<std::u16string_view> loadString(uint16_t id);

// Menu IDR_MENUBAR: the source of the menu bar's drop-down menus.
struct MenuItem {
  std::u16string_view text;
  uint16_t command;
};
struct MenuPopup {
  std::u16string_view text;
  std::span<const MenuItem> items;
};
inline constexpr std::array<MenuItem, 1> kOptionsItems{{{u"E&xit", IDM_EXIT}}};
inline constexpr std::array<MenuItem, 2> kHelpItems{{{u"Users Guide", IDM_USERS_GUIDE}, {u"About...", IDM_ABOUT}}};
inline constexpr std::array<MenuPopup, 2> kMenu{{{u"Options", kOptionsItems}, {u"Help", kHelpItems}}};

// Menu-bar description IDR_MENUBAR, as its 16-bit words: the menu id, the
// button count, then seven words per button.
inline constexpr uint16_t I_IMAGENONE = 0xFFFE;
inline constexpr uint16_t NOMENU = 0xFFFF;
inline constexpr uint16_t TBSTATE_PRESSED = 0x02;
inline constexpr uint16_t TBSTATE_ENABLED = 0x04;
inline constexpr uint16_t TBSTYLE_SEP = 0x01;
inline constexpr uint16_t TBSTYLE_DROPDOWN = 0x08;
inline constexpr uint16_t TBSTYLE_AUTOSIZE = 0x10;

inline constexpr std::array<uint16_t, 2 + 6 * 7> kMenuBarWords{
    IDR_MENUBAR, 6,
    I_IMAGENONE, IDM_OPTIONS, TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, IDS_OPTIONS, 0, 0,
    I_IMAGENONE, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0, 0, NOMENU,
    I_IMAGENONE, ID_HELP, TBSTATE_ENABLED, TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE, IDS_HELP, 0, 1,
    I_IMAGENONE, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0, 0, NOMENU,
    0, IDM_RUSSIAN_HEBREW, TBSTATE_ENABLED, TBSTYLE_AUTOSIZE, 0, IDM_RUSSIAN_HEBREW, NOMENU,
    1, IDM_HEBREW_RUSSIAN, TBSTATE_ENABLED | TBSTATE_PRESSED, TBSTYLE_AUTOSIZE, 0, IDM_HEBREW_RUSSIAN, NOMENU,
};

struct MenuBarButton {
  uint16_t image = I_IMAGENONE;
  uint16_t command = 0;
  uint16_t state = 0;
  uint16_t style = 0;
  uint16_t captionString = 0;
  uint16_t secondString = 0;
  uint16_t submenu = NOMENU;

  bool isSeparator() const { return (style & TBSTYLE_SEP) != 0; }
  bool isDropDown() const { return (style & TBSTYLE_DROPDOWN) != 0; }
  bool pressed() const { return (state & TBSTATE_PRESSED) != 0; }
};

struct MenuBarDescription {
  uint16_t menuId = 0;
  std::vector<MenuBarButton> buttons;
};

// Decodes a menu-bar description; nullopt when the words are too few for
// the button count they announce.
std::optional<MenuBarDescription> decodeMenuBar(std::span<const uint16_t> words);

// Tooltips of the image buttons, in the order of their images.
inline constexpr std::array<std::u16string_view, 2> kDirectionTooltips{kRussianHebrewTooltip, kHebrewRussianTooltip};
// The direction bitmap: two 16 x 16 images side by side, Russian-to-Hebrew first.
inline constexpr int kDirectionImageSize = 16;
inline constexpr int kDirectionImageCount = 2;

}  // namespace orva
