// The main window's logic.
#include "ui/main_dialog.h"

#include "article/article_page.h"
#include "store/prefix_search.h"
#include "store/record_reader.h"
#include "text/typed_query.h"

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
  platform_.wordBox.move(wordBoxRect(client));
  platform_.list.move(listRect(client));
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
  if (view_ != nullptr) platform_.frame.moveArticleView(viewerRect(client));
  list_.relayout();
}

void MainDialog::showMessage(std::u16string_view caption, std::u16string_view text) {
  platform_.frame.showMessage(caption.empty() ? kApplicationName : caption, text);
}

bool MainDialog::filterKey(uint32_t message, uint32_t& keyCode) {
  if (!started_ || destroyed_) return false;
  if (message != WM_KEYDOWN && message != WM_CHAR) return false;
  if (keyCode == VK_ESCAPE || keyCode == VK_RETURN || suppressNextChange_) {
    suppressNextChange_ = false;
    keyCode = 0;
    return true;
  }
  return false;
}

void MainDialog::lookUpTypedText(std::u16string typed) {
  suppressNextChange_ = true;
  // A dictionary replaced or changed since the last lookup is opened again;
  // the list and the article of the old file go with it.
  if (currentFile().reopenIfChanged() != FileChange::Unchanged) {
    platform_.list.resetContent();
    if (view_ != nullptr) view_->ShowPage(u"");
    list_.Reset(currentFile().entryCount(), 0);
  }
  const TypedQuery query = makeTypedQuery(typed, direction_, device_);
  const auto found = findTypedPrefix(query.view(), currentFile(), direction_, device_);
  if (found) {
    list_.ScrollToIndex(static_cast<int32_t>(*found));
    platform_.list.repaintNow();
    ShowArticle();
  }
  suppressNextChange_ = false;
}

void MainDialog::ShowArticle() {
  platform_.list.repaintNow();
  const int row = platform_.list.selection();
  // With no selected row, or a record that cannot be read, there is nothing
  // to compose: the word box and the page stay as they are.
  if (row < 0) return;
  DictionaryFile& file = currentFile();
  RecordBuffer buffer{};
  EntryRecord record{};
  if (!readRecord(file.handle, file.recordBase, file.formatVersion, platform_.list.itemData(row), buffer, record))
    return;
  updatingWordBox_ = true;
  if (!wordEditActive_) platform_.wordBox.setText(WordBoxText(record, direction_, device_));
  updatingWordBox_ = false;
  if (view_ != nullptr) ShowArticlePage(record, direction_, device_, pair_.hebrewRussian, *view_);
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

void MainDialog::switchDirection(Direction to) {
  const bool hebrew = to == Direction::HebrewRussian;
  const uint16_t pressed = hebrew ? IDM_HEBREW_RUSSIAN : IDM_RUSSIAN_HEBREW;
  const uint16_t released = hebrew ? IDM_RUSSIAN_HEBREW : IDM_HEBREW_RUSSIAN;
  platform_.menuBar.pressButton(pressed, true);
  platform_.menuBar.pressButton(released, false);
  direction_ = to;
  platform_.list.resetContent();
  platform_.list.setLocale(hebrew ? kHebrewListLocale : kRussianListLocale);
  platform_.wordBox.setText(u"");
  platform_.wordBox.setRightAligned(hebrew);
  if (view_ != nullptr) view_->ShowPage(u"");
  wordEditActive_ = false;
  pair_.file(to).reopenIfChanged();  // the list is reset over the file as it is now
  list_.Reset(pair_.file(to).entryCount(), 0);
  platform_.timers.start(kFirstArticleTimer, kFirstArticleAfterSwitch);
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
  std::u16string text = platform_.wordBox.text();
  if (!text.empty()) lookUpTypedText(std::move(text));
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
      ShowArticle();
      break;
    case kSelectAllTimer:
      platform_.timers.stop(kSelectAllTimer);
      platform_.wordBox.selectAll();
      break;
    default: break;
  }
}

}  // namespace orva
