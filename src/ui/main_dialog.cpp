// The main window's logic.
#include "ui/main_dialog.h"

#include <algorithm>

#include "article/article_page.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "store/record_reader.h"
#include "text/display_text.h"
#include "text/typed_query.h"
#include "ui/typed_script.h"

namespace orva {

// The window handles exactly these events, in this order; one row per
// message, notification code and id.
const MainDialog::MessageEntry MainDialog::kMessageTable[] = {
    {WM_HELP, 0, 0, &MainDialog::onHelp, nullptr},
    {WM_COMMAND, 0, IDM_HEBREW_RUSSIAN, &MainDialog::onHebrewRussian, nullptr},
    {WM_COMMAND, 0, IDM_RUSSIAN_HEBREW, &MainDialog::onRussianHebrew, nullptr},
    {WM_COMMAND, EN_SETFOCUS, IDC_WORD_EDIT, &MainDialog::onWordEditSetFocus, nullptr},
    {WM_CLOSE, 0, 0, &MainDialog::onClose, nullptr},
    {WM_COMMAND, EN_CHANGE, IDC_WORD_EDIT, &MainDialog::onWordEditChange, nullptr},
    {WM_COMMAND, LBN_SELCHANGE, IDC_HEADWORD_LIST, &MainDialog::onListSelChange, nullptr},
    {WM_COMMAND, 0, IDM_EXIT, &MainDialog::onExit, nullptr},
    {WM_COMMAND, 0, IDM_ABOUT, &MainDialog::onAbout, nullptr},
    {WM_COMMAND, 0, IDM_USERS_GUIDE, &MainDialog::onUsersGuide, nullptr},
    {WM_COMMAND, LBN_SETFOCUS, IDC_HEADWORD_LIST, &MainDialog::onListSetFocus, nullptr},
    {WM_TIMER, 0, 0, nullptr, &MainDialog::onTimer},
};

MainDialog::MainDialog(const WindowPlatform& platform) : platform_(platform), list_(platform.list, *this) {}

void MainDialog::handle(const WindowMessage& message) {
  if (!started_ || destroyed_) return;  // no window (yet, or any more)
  for (const MessageEntry& entry : kMessageTable) {
    if (entry.message != message.message) continue;
    if (message.message == WM_COMMAND && (entry.code != message.code || entry.id != message.id)) continue;
    if (entry.timerHandler != nullptr) {
      (this->*entry.timerHandler)(message.timerId);
    } else {
      (this->*entry.handler)();
    }
    return;
  }
  // The application's own table routes ID_HELP to the framework's standard
  // help handler, which adds nothing here: the "Help" button only opens its
  // drop-down menu.
  if (message.message == WM_COMMAND && message.code == 0 && message.id == ID_HELP) return;
  // Default processing: the dialog's OK command hides the window.
  if (message.message == WM_COMMAND && message.code == 0 && message.id == IDOK) onOK();
}

void MainDialog::start() {
  if (started_) return;
  started_ = true;
  initialise();
  createMenuBar();
  // The initialisation leaves the focus to the dialog manager, which gives
  // it to the first control, the word box.
  if (!closing_) platform_.wordBox.setFocus();
}

Rect MainDialog::wordBoxRect(Size client) { return {2, 3, client.width - 4, 23}; }
Rect MainDialog::listRect(Size client) { return {2, 28, client.width - 4, client.height / 2 - 30}; }
Rect MainDialog::viewerRect(Size client) {
  return {2, client.height / 2, client.width - 4, client.height - client.height / 2 - 2};
}

void MainDialog::layOut(Size client) {
  client_ = client;
  platform_.wordBox.move(wordBoxRect(client));
  platform_.list.move(listRect(client));
  const Rect viewer = viewerRect(client);
  platform_.hintLine.move({viewer.x, viewer.y, viewer.width, platform_.hintLine.lineHeight()});
}

void MainDialog::layOutViewer(Size client) {
  if (view_ == nullptr) return;
  Rect viewer = viewerRect(client);
  // A shown hint line takes the top of the viewer's place; the page itself
  // is not touched.
  if (!hint_.pieces.empty()) {
    const int line = std::min(platform_.hintLine.lineHeight(), std::max(0, viewer.height));
    viewer.y += line;
    viewer.height -= line;
  }
  platform_.frame.moveArticleView(viewer);
}

void MainDialog::initialise() {
  WindowFrame& frame = platform_.frame;
  programDirectory_ = frame.programDirectory();
  openDictionaries(pair_, programDirectory_, *this);
  frame.setTitle(kWindowTitle);
  device_ = frame.deviceSettings();
  frame.setIcon();
  frame.centre();
  const Size client = frame.clientSize();
  layOut(client);
  direction_ = Direction::HebrewRussian;
  platform_.list.setLocale(kHebrewListLocale);
  view_ = &frame.createArticleView(viewerRect(client));
  // The welcome page goes in without a clear first.
  view_->append(kWelcomePage);
  view_->endOfSource();
  list_.Reset(pair_.hebrewRussian.entryCount(), 0);
  wordEditActive_ = false;
  platform_.timers.start(kFirstArticleTimer, kFirstArticleAtStart);
  platform_.timers.start(kKeyboardWatchTimer, kKeyboardWatchPeriod);
}

void MainDialog::createMenuBar() {
  const auto description = decodeMenuBar(kMenuBarWords);
  if (description) platform_.menuBar.create(*description, kDirectionTooltips);
}

void MainDialog::resize(Size client) {
  if (!started_ || closing_ || destroyed_) return;
  layOut(client);
  layOutViewer(client);
  list_.relayout();
}

void MainDialog::showMessage(std::u16string_view caption, std::u16string_view text) {
  platform_.frame.showMessage(caption.empty() ? kApplicationName : caption, text);
}

bool MainDialog::filterKey(uint32_t message, uint32_t& keyCode) {
  if (!started_ || destroyed_) return false;
  if (message != WM_KEYDOWN && message != WM_CHAR) return false;
  // No key reaches the filter while a lookup runs (the lookup shows no modal
  // box and runs to its end inside the change notification), so
  // `suppressNextChange_` is always clear here and the filter leaves it alone.
  if (keyCode == VK_ESCAPE || keyCode == VK_RETURN) {
    // Enter goes to the lemma the hint line names; it still reaches nothing
    // else.
    const bool followLemma = keyCode == VK_RETURN && message == WM_KEYDOWN && hint_.kind == LookupHint::Kind::FormOf;
    const bool settle = keyCode == VK_RETURN && message == WM_KEYDOWN && !followLemma;
    keyCode = 0;
    if (followLemma) followHint(0);
    // Enter on a found word makes it a visit of the history at once.
    if (settle) settleShownArticle();
    return true;
  }
  return false;
}

void MainDialog::lookUpTypedText(std::u16string typed) {
  suppressNextChange_ = true;
  takeUpChangedFile();
  const TypedQuery query = makeTypedQuery(typed, direction_, device_);
  const auto found = findTypedPrefix(query.view(), currentFile(), direction_, device_);
  bool begins = false;
  if (found) {
    list_.ScrollToIndex(static_cast<int32_t>(*found));
    platform_.list.repaintNow();
    ShowArticle();
    if (shown_ && visitPending_) shown_->typed = typed;
    begins = selectedHeadwordBegins(typed);
  }
  // The list stays on the nearest entry either way; the hint line says when
  // no headword begins with the typed text.
  HintLineContent content;
  if (!begins && hintSource_ != nullptr) {
    std::u16string logical = typed;
    if (direction_ == Direction::HebrewRussian && !device_.isHebrew()) ToVisualOrder(logical);
    content = composeHintLine(hintSource_->hintFor(direction_, logical), logical);
  }
  showHint(std::move(content));
  suppressNextChange_ = false;
}

void MainDialog::takeUpChangedFile() {
  // A dictionary replaced or changed since the last lookup is opened again;
  // the list and the article of the old file go with it.
  if (currentFile().reopenIfChanged() != FileChange::Unchanged) {
    platform_.list.resetContent();
    if (view_ != nullptr) view_->ShowPage(u"");
    list_.Reset(currentFile().entryCount(), 0);
  }
}

bool MainDialog::selectedHeadwordBegins(std::u16string_view typed) {
  const int row = platform_.list.selection();
  if (row < 0) return false;
  DictionaryFile& file = currentFile();
  RecordBuffer buffer{};
  EntryRecord record{};
  if (!file.readRecord(platform_.list.itemData(row), buffer, record))
    return false;
  // The headword goes through the same folding as typed text would, as if
  // the user had typed what the word box shows for it. Hebrew quotes are
  // passed over, as the search passes over them.
  const bool hebrew = direction_ == Direction::HebrewRussian;
  const auto folded = [hebrew](const TypedQuery& query) {
    std::string bytes;
    for (char c : query.view())
      if (!hebrew || (c != '\'' && c != '"')) bytes.push_back(c);
    return bytes;
  };
  const std::string headword = folded(makeTypedQuery(WordBoxText(record, direction_, device_), direction_, device_));
  const std::string query = folded(makeTypedQuery(typed, direction_, device_));
  return !query.empty() && headword.compare(0, query.size(), query) == 0;
}

void MainDialog::showHint(HintLineContent content) {
  const bool wasShown = !hint_.pieces.empty();
  hint_ = std::move(content);
  const bool shown = !hint_.pieces.empty();
  if (!wasShown && !shown) return;
  platform_.hintLine.show(hint_.pieces);
  if (wasShown != shown) layOutViewer(client_);
}

void MainDialog::followHint(int link) {
  if (!started_ || destroyed_ || closing_) return;
  if (link < 0 || static_cast<size_t>(link) >= hint_.targets.size()) return;
  const HintTarget target = hint_.targets[static_cast<size_t>(link)];
  if (target.listOrdinal >= list_.entryCount()) return;  // names no entry of this list
  list_.ScrollToIndex(static_cast<int32_t>(target.listOrdinal));
  platform_.list.repaintNow();
  if (const auto entry = showSelectedArticle(true)) articleShown(*entry, true);
  showHint({});
}

void MainDialog::listRowTapped() {
  listSelectionChanged();
  settleShownArticle();
}

void MainDialog::articleShown(const HistoryEntry& entry, bool settle) {
  shown_ = entry;
  visitPending_ = !settle;
  if (settle) {
    platform_.timers.stop(kHistoryVisitTimer);
    history_.visit(entry);
  } else {
    platform_.timers.start(kHistoryVisitTimer, kHistoryVisitDelay);
  }
}

void MainDialog::settleShownArticle() {
  platform_.timers.stop(kHistoryVisitTimer);
  visitPending_ = false;
  if (!shown_) return;
  shown_->typed.clear();
  history_.visit(*shown_);
}

bool MainDialog::goBack() {
  if (!started_ || destroyed_ || closing_) return false;
  settleShownArticle();
  // Away from every visit (a direction command's first article, a blank
  // page), Back returns to the current one first.
  const HistoryEntry* current = history_.current();
  if (current != nullptr && (!shown_ || !shown_->sameEntry(*current))) return showHistoryEntry(*current);
  return showHistoryEntry(history_.back());
}

bool MainDialog::goForward() {
  if (!started_ || destroyed_ || closing_) return false;
  settleShownArticle();
  return showHistoryEntry(history_.forward());
}

bool MainDialog::showHistoryEntry(const std::optional<HistoryEntry>& entry) {
  if (!entry) return false;
  if (entry->direction != direction_) switchDirection(entry->direction, true);
  platform_.timers.stop(kFirstArticleTimer);  // the entry is what the page shows now
  takeUpChangedFile();
  DictionaryFile& file = currentFile();
  // The entry is where it was unless the dictionary changed since; then
  // its headword is looked up again.
  std::optional<uint32_t> ordinal;
  if (entry->listOrdinal < list_.entryCount()) {
    RecordBuffer buffer{};
    EntryRecord record{};
    const auto pos = readListRecordPos(file, entry->listOrdinal);
    if (pos && file.readRecord(*pos, buffer, record) &&
        WordBoxText(record, direction_, device_) == entry->headword)
      ordinal = entry->listOrdinal;
  }
  if (!ordinal) {
    suppressNextChange_ = true;
    const TypedQuery query = makeTypedQuery(entry->headword, direction_, device_);
    ordinal = findTypedPrefix(query.view(), file, direction_, device_);
    suppressNextChange_ = false;
  }
  if (!ordinal) return false;
  list_.ScrollToIndex(static_cast<int32_t>(*ordinal));
  platform_.list.repaintNow();
  shown_ = showSelectedArticle(true);
  visitPending_ = false;
  showHint({});
  return true;
}

void MainDialog::selectWordBox() {
  if (!started_ || destroyed_ || closing_) return;
  platform_.wordBox.setFocus();
  // Selected now; a select-all still to come would take what is typed next.
  platform_.timers.stop(kSelectAllTimer);
  platform_.wordBox.selectAll();
}

bool MainDialog::redirectTypingToWordBox(char16_t c) {
  if (!started_ || destroyed_ || closing_) return false;
  if (c < 0x20 || c == 0x7F) return false;
  platform_.wordBox.setFocus();
  // The character replaces the whole text now; a select-all still to come
  // would take what was just typed.
  platform_.timers.stop(kSelectAllTimer);
  platform_.wordBox.selectAll();
  return true;
}

void MainDialog::listScrolledUnderSelection() {
  if (!closing_) platform_.timers.start(kScrollArticleTimer, kScrollArticleDelay);
}

void MainDialog::ShowArticle() {
  if (const auto entry = showSelectedArticle(!wordEditActive_)) articleShown(*entry, false);
}

std::optional<HistoryEntry> MainDialog::showSelectedArticle(bool writeBack) {
  // Whatever shows the selected row's article makes a pending one redundant.
  platform_.timers.stop(kScrollArticleTimer);
  platform_.list.repaintNow();
  const int row = platform_.list.selection();
  // With no selected row, or a record that cannot be read, there is nothing
  // to compose: the word box and the page stay as they are.
  if (row < 0) return std::nullopt;
  DictionaryFile& file = currentFile();
  RecordBuffer buffer{};
  EntryRecord record{};
  if (!file.readRecord(platform_.list.itemData(row), buffer, record)) return std::nullopt;
  HistoryEntry shown{direction_, record.listOrdinal, WordBoxText(record, direction_, device_), {}};
  if (writeBack) {
    updatingWordBox_ = true;
    platform_.wordBox.setText(shown.headword);
    // Selected, so that typing replaces the headword instead of adding to it.
    platform_.wordBox.selectAll();
    updatingWordBox_ = false;
    // The word box no longer holds the word the hint was about.
    showHint({});
  }
  if (view_ != nullptr) ShowArticlePage(record, direction_, device_, pair_.hebrewRussian, *view_);
  return shown;
}

void MainDialog::onHelp() {
  const std::string path = programDirectory_ + "/" + std::string(kHelpFileName.begin(), kHelpFileName.end());
  if (!platform_.frame.openDocument(path)) showMessage(u"", kHelpNotFound);
}

void MainDialog::onUsersGuide() { onHelp(); }

void MainDialog::onAbout() { platform_.frame.runAbout(); }

void MainDialog::onExit() {
  platform_.list.setFocus();
  wordEditActive_ = false;
  if (platform_.keyboard.isUp()) platform_.keyboard.lower();
  platform_.frame.minimise();
}

void MainDialog::onOK() { onExit(); }

void MainDialog::onClose() {
  closing_ = true;
  showHint({});
  closeDictionaries(pair_);
  if (view_ != nullptr) {
    view_->endOfSource();
    view_->clear();
  }
  platform_.list.resetContent();
  list_.Reset(0, 0);
  platform_.menuBar.destroy();
  if (view_ != nullptr) {
    view_ = nullptr;
    platform_.frame.destroyArticleView();
  }
  destroyed_ = true;
  platform_.frame.destroyAndExit(0);
}

void MainDialog::onHebrewRussian() { switchDirection(Direction::HebrewRussian); }
void MainDialog::onRussianHebrew() { switchDirection(Direction::RussianHebrew); }

void MainDialog::switchDirection(Direction to, bool keepTyping) {
  // Leaving an article by a direction command makes it a visit; the
  // article goes from the screen either way.
  if (!keepTyping) settleShownArticle();
  platform_.timers.stop(kHistoryVisitTimer);
  shown_.reset();
  visitPending_ = false;
  const bool hebrew = to == Direction::HebrewRussian;
  const uint16_t pressed = hebrew ? IDM_HEBREW_RUSSIAN : IDM_RUSSIAN_HEBREW;
  const uint16_t released = hebrew ? IDM_RUSSIAN_HEBREW : IDM_HEBREW_RUSSIAN;
  platform_.menuBar.pressButton(pressed, true);
  platform_.menuBar.pressButton(released, false);
  direction_ = to;
  platform_.list.resetContent();
  platform_.list.setLocale(hebrew ? kHebrewListLocale : kRussianListLocale);
  if (!keepTyping) {
    updatingWordBox_ = true;
    platform_.wordBox.setText(u"");
    updatingWordBox_ = false;
  }
  platform_.wordBox.setRightAligned(hebrew);
  if (view_ != nullptr) view_->ShowPage(u"");
  // A switch by the typed text's script happens while the user types.
  if (!keepTyping) wordEditActive_ = false;
  platform_.timers.stop(kScrollArticleTimer);
  showHint({});
  pair_.file(to).reopenIfChanged();  // the list is reset over the file as it is now
  list_.Reset(pair_.file(to).entryCount(), 0);
  if (keepTyping) {
    platform_.timers.stop(kFirstArticleTimer);  // the typed text's lookup shows the article
  } else {
    platform_.timers.start(kFirstArticleTimer, kFirstArticleAfterSwitch);
  }
}

void MainDialog::onWordEditSetFocus() {
  if (!wordEditActive_) platform_.timers.start(kSelectAllTimer, kSelectAllPeriod);
  wordEditActive_ = true;
}

void MainDialog::onListSetFocus() { wordEditActive_ = false; }

void MainDialog::onWordEditChange() {
  if (suppressNextChange_) {
    suppressNextChange_ = false;
    return;
  }
  if (updatingWordBox_) return;
  // A change the window did not make itself is the user working in the word
  // box: from now on no lookup writes over the text, whatever the focus
  // history (there is no on-screen keyboard to tell otherwise).
  wordEditActive_ = true;
  // Nor does a select-all still pending from the focus's arrival: it would
  // select what was just typed, and the next key would replace it.
  platform_.timers.stop(kSelectAllTimer);
  std::u16string text = platform_.wordBox.text();
  if (text.empty()) {
    showHint({});  // no typed word left to say anything about
    return;
  }
  // What the user typed decides the article; a pending first article would
  // replace it.
  platform_.timers.stop(kFirstArticleTimer);
  // Text of the other direction's script switches there, as its button
  // would, and keeps the text.
  if (const auto script = directionOfScript(text); script && *script != direction_) {
    switchDirection(*script, true);
    text = platform_.wordBox.text();  // as the new direction holds it
  }
  lookUpTypedText(std::move(text));
}

void MainDialog::onListSelChange() { ShowArticle(); }

void MainDialog::onTimer(uint32_t id) {
  switch (id) {
    case kKeyboardWatchTimer:
      if (platform_.keyboard.isUp() && !wordEditActive_) {
        platform_.wordBox.selectAll();
        platform_.wordBox.setFocus();
        wordEditActive_ = true;
      }
      break;
    case kFirstArticleTimer:
      platform_.timers.stop(kFirstArticleTimer);
      if (platform_.list.rows() > 0) platform_.list.setSelection(0);
      platform_.list.repaintNow();
      // Nobody looked this entry up: it is no visit of the history.
      showSelectedArticle(!wordEditActive_);
      shown_.reset();
      visitPending_ = false;
      break;
    case kSelectAllTimer:
      platform_.timers.stop(kSelectAllTimer);
      platform_.wordBox.selectAll();
      break;
    case kScrollArticleTimer:
      platform_.timers.stop(kScrollArticleTimer);
      ShowArticle();
      break;
    case kHistoryVisitTimer:
      platform_.timers.stop(kHistoryVisitTimer);
      if (shown_ && visitPending_) history_.visit(*shown_);
      visitPending_ = false;
      break;
    default: break;
  }
}

}  // namespace orva
