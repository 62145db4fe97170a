// The main window's logic: initialisation and close, the command,
// notification and timer table, the word box and focus handling, the
// direction commands, hide, help and About, the lookup of typed text and the
// article of the selected row.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "article/article_view.h"
#include "store/dictionary_pair.h"
#include "store/direction.h"
#include "text/device_settings.h"
#include "ui/headword_list.h"
#include "ui/hint_line.h"
#include "ui/lookup_history.h"
#include "ui/lookup_hint.h"
#include "ui/platform.h"

namespace orva {

// One window message as the table matches it.
struct WindowMessage {
  uint32_t message = 0;
  uint16_t code = 0;  // notification code of a WM_COMMAND
  uint16_t id = 0;    // command or control id of a WM_COMMAND
  uint32_t timerId = 0;
};

class MainDialog : public CommandSink, public ListOwner, public MessageSink {
 public:
  explicit MainDialog(const WindowPlatform& platform);
  MainDialog(const MainDialog&) = delete;
  MainDialog& operator=(const MainDialog&) = delete;

  // The whole of WM_INITDIALOG: the initialisation, then the menu bar, then
  // the dialog manager's focus on the word box.
  void start();

  // Routes one message through the table, then the application's table,
  // then the default processing (where the OK command hides the window).
  void handle(const WindowMessage& message);

  // Shorthands for the platform.
  void command(uint16_t code, uint16_t id) override { handle({WM_COMMAND, code, id, 0}); }
  void timer(uint32_t id) { handle({WM_TIMER, 0, 0, id}); }
  void helpRequest() { handle({WM_HELP, 0, 0, 0}); }
  void close() { handle({WM_CLOSE, 0, 0, 0}); }

  // The key filter that runs before any key message (WM_KEYDOWN or
  // WM_CHAR) reaches the window or a control. Returns true when it replaced
  // the key code with 0: the key then does nothing.
  bool filterKey(uint32_t message, uint32_t& keyCode);

  // The client area changed size: lay the children out again and let the
  // list take as many rows as now fit.
  void resize(Size client);

  // The headword list, for the platform's key, scroll, tap and paint events.
  HeadwordList& headwordList() { return list_; }
  const HeadwordList& headwordList() const { return list_; }

  // State, for the platform and for tests.
  Direction direction() const { return direction_; }
  bool wordEditActive() const { return wordEditActive_; }
  bool suppressNextChange() const { return suppressNextChange_; }
  bool updatingWordBox() const { return updatingWordBox_; }
  bool isClosing() const { return closing_; }
  bool started() const { return started_; }
  // The window is gone after the close sequence; nothing reaches it then.
  bool destroyed() const { return destroyed_; }
  const std::string& programDirectory() const { return programDirectory_; }
  DictionaryPair& dictionaries() { return pair_; }

  // ListOwner
  DictionaryFile& currentFile() override { return pair_.file(direction_); }
  Direction currentDirection() const override { return direction_; }
  const DeviceSettings& device() const override { return device_; }
  bool closing() const override { return closing_; }
  void listSelectionChanged() override { command(LBN_SELCHANGE, IDC_HEADWORD_LIST); }
  // A tap on a row is a visit at once.
  void listRowTapped() override;
  // Scrolling shows the highlighted row's article once it pauses.
  void listScrolledUnderSelection() override;

  // Where the hint line asks why a typed word has no headword; null (the
  // default) shows no hint. The source must outlive the window or be reset.
  void setLookupHintSource(LookupHintSource* source) { hintSource_ = source; }
  // Goes to the headword of the hint line's link `link`: the list moves
  // there, its article is shown and the word box takes the headword.
  void followHint(int link);
  // What the hint line shows now, and where its links lead.
  const HintLineContent& hint() const { return hint_; }

  // A printable character typed while the list has the focus: the word box
  // takes the focus with its text selected, so that the character, which
  // the platform then delivers to the word box, replaces it. False when
  // the character is not one to type.
  bool redirectTypingToWordBox(char16_t c);

  // The session's history: Back and Forward show the entry before or after
  // the current one, switching the direction when it belongs to the other
  // one, and write its headword into the word box. An article still
  // resting on screen is recorded first, so that Forward comes back to it;
  // from a page that is no visit, Back shows the current entry again.
  // False when there is nothing in that direction.
  bool goBack();
  bool goForward();
  const LookupHistory& history() const { return history_; }

  // Gives the word box the focus with its whole text selected, so that
  // typing starts a new word.
  void selectWordBox();

  // MessageSink: a message box owned by the window.
  void showMessage(std::u16string_view caption, std::u16string_view text) override;

  // The lookup of typed text: finds the first headword that begins with it,
  // moves the list there and shows that entry's article.
  void lookUpTypedText(std::u16string typed);

  // The article of the list's selected row, and the headword written back
  // into the word box unless the user is typing there.
  void ShowArticle();

  // The layout of the three children for a client area.
  static Rect wordBoxRect(Size client);
  static Rect listRect(Size client);
  static Rect viewerRect(Size client);

 private:
  using Handler = void (MainDialog::*)();
  using TimerHandler = void (MainDialog::*)(uint32_t);
  struct MessageEntry {
    uint32_t message;
    uint16_t code;
    uint16_t id;
    Handler handler;
    TimerHandler timerHandler;
  };
  static const MessageEntry kMessageTable[];

  void initialise();
  void createMenuBar();
  void layOut(Size client);
  // A direction command; `keepTyping` is the switch by the typed text's
  // script, which keeps the text and leaves the lookup to the caller.
  void switchDirection(Direction to, bool keepTyping = false);
  // The article of the selected row; `writeBack` puts its headword into the
  // word box. Returns the entry shown, if any.
  std::optional<HistoryEntry> showSelectedArticle(bool writeBack);
  // An article on screen becomes a visit once it has stayed there a while;
  // `settle` records it at once.
  void articleShown(const HistoryEntry& entry, bool settle);
  // Records the article on screen as settled, if one is.
  void settleShownArticle();
  bool showHistoryEntry(const std::optional<HistoryEntry>& entry);
  // Opens the current dictionary again when its file changed, with a fresh
  // list and a blank page.
  void takeUpChangedFile();
  // Whether the selected row's headword begins with the typed query.
  bool selectedHeadwordBegins(std::u16string_view typed);
  void showHint(HintLineContent content);
  void layOutViewer(Size client);

  // Handlers of the table; they take no arguments, except the timer's.
  void onHelp();
  void onHebrewRussian();
  void onRussianHebrew();
  void onWordEditSetFocus();
  void onClose();
  void onWordEditChange();
  void onListSelChange();
  void onExit();
  void onAbout();
  void onUsersGuide();
  void onListSetFocus();
  void onTimer(uint32_t id);
  void onOK();

  WindowPlatform platform_;
  HeadwordList list_;
  ArticleView* view_ = nullptr;
  DictionaryPair pair_;
  DeviceSettings device_;
  std::string programDirectory_;
  Direction direction_ = kStartDirection;
  // The guards against the notifications the window's own actions raise
  // synchronously. `wordEditActive_`: the user works in the word box, so an
  // article shown must not write its headword over the typing, and a focus
  // change back into the box must not select the text again.
  bool wordEditActive_ = false;
  // Set from the start to the end of a lookup: the article it shows may
  // write the found headword into the word box, and the change handler
  // swallows (and clears it for) that change instead of starting a lookup.
  bool suppressNextChange_ = false;
  // Set while the window itself writes into the word box outside a lookup
  // (an article shown from the list, a direction change emptying the box):
  // the change that write reports is not the user's.
  bool updatingWordBox_ = false;
  bool closing_ = false;
  bool started_ = false;
  bool destroyed_ = false;
  LookupHintSource* hintSource_ = nullptr;
  HintLineContent hint_;
  Size client_;
  LookupHistory history_;
  // The entry whose article is on screen, and whether it is still waiting
  // to count as a visit.
  std::optional<HistoryEntry> shown_;
  bool visitPending_ = false;
};

}  // namespace orva
