// The in-memory platform.
#include "ui/memory_platform.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace orva {

void ManualTimers::start(uint32_t id, uint32_t periodMs) {
  const uint32_t period = std::max<uint32_t>(1, periodMs);
  timers_[id] = {period, now_ + period};
}

std::map<uint32_t, uint32_t> ManualTimers::running() const {
  std::map<uint32_t, uint32_t> result;
  for (const auto& [id, timer] : timers_) result[id] = timer.period;
  return result;
}

// --- word box -------------------------------------------------------------

void MemoryWordBox::setText(std::u16string_view text) {
  text_ = text;
  start_ = end_ = 0;
  platform_.dialog_.command(EN_CHANGE, IDC_WORD_EDIT);
}

void MemoryWordBox::selectAll() {
  start_ = 0;
  end_ = text_.size();
}

void MemoryWordBox::setFocus() { platform_.moveFocus(Focus::WordBox); }

void MemoryWordBox::replaceSelection(std::u16string_view with) {
  text_.replace(start_, end_ - start_, with);
  start_ = end_ = start_ + with.size();
  platform_.dialog_.command(EN_CHANGE, IDC_WORD_EDIT);
}

void MemoryWordBox::keyDown(uint32_t key) {
  const size_t low = std::min(start_, end_);
  const size_t high = std::max(start_, end_);
  switch (key) {
    case VK_LEFT: start_ = end_ = low < high ? low : (low > 0 ? low - 1 : 0); break;
    case VK_RIGHT: start_ = end_ = low < high ? high : std::min(high + 1, text_.size()); break;
    case VK_HOME: start_ = end_ = 0; break;
    case VK_END: start_ = end_ = text_.size(); break;
    default: break;  // a single-line box has no use for the other keys
  }
}

void MemoryWordBox::character(char16_t c) {
  if (c == VK_BACK) {
    if (start_ != end_) {
      replaceSelection(u"");
    } else if (start_ > 0) {
      --start_;
      replaceSelection(u"");
    }
    return;  // nothing to delete: no change
  }
  if (c < 0x20) return;  // control characters insert nothing
  replaceSelection(std::u16string_view(&c, 1));
}

// --- list -----------------------------------------------------------------

void MemoryList::resetContent() {
  data_.clear();
  painted_.clear();
  selection_ = -1;
}

void MemoryList::addRow() {
  data_.push_back(0);
  painted_.emplace_back();
}

void MemoryList::setItemData(int row, uint32_t data) {
  if (row >= 0 && row < rows()) data_[static_cast<size_t>(row)] = data;
}

uint32_t MemoryList::itemData(int row) const {
  return row >= 0 && row < rows() ? data_[static_cast<size_t>(row)] : 0;
}

void MemoryList::repaintNow() {
  ++paints_;
  // The control paints its own empty rows first; the list covers them.
  for (PaintedRow& row : painted_) row = PaintedRow{};
  platform_.dialog_.headwordList().paint(*this);
}

void MemoryList::setFocus() { platform_.moveFocus(Focus::List); }

int MemoryList::textWidth(std::u16string_view text, bool) { return static_cast<int>(text.size()) * kCharacterWidth; }

int MemoryList::rowAt(const Rect& rect) const {
  const int row = rect.y / kReferenceRowHeight;
  return row >= 0 && row < rows() ? row : -1;
}

void MemoryList::fill(const Rect& rect, uint32_t colour) {
  const int row = rowAt(rect);
  if (row >= 0) painted_[static_cast<size_t>(row)] = PaintedRow{u"", 0, colour, kBlack};
}

void MemoryList::drawText(const Rect& clip, int left, std::u16string_view text, uint32_t colour, bool) {
  const int row = rowAt(clip);
  if (row < 0) return;
  PaintedRow& painted = painted_[static_cast<size_t>(row)];
  painted.text = text;
  painted.left = left;
  painted.colour = colour;
}

// --- menu bar -------------------------------------------------------------

void MemoryMenuBar::create(const MenuBarDescription& description, std::span<const std::u16string_view> tooltips) {
  created_ = true;
  pressed_.clear();
  for (const MenuBarButton& button : description.buttons)
    if (button.image != I_IMAGENONE) pressed_[button.command] = button.pressed();
  tooltips_.assign(tooltips.begin(), tooltips.end());
}

bool MemoryMenuBar::isPressed(uint16_t command) const {
  const auto it = pressed_.find(command);
  return it != pressed_.end() && it->second;
}

// --- hint line ------------------------------------------------------------

void MemoryHintLine::show(std::span<const HintPiece> pieces) { pieces_.assign(pieces.begin(), pieces.end()); }

std::u16string MemoryHintLine::text() const {
  std::u16string text;
  for (const HintPiece& piece : pieces_) text += piece.text;
  return text;
}

// --- frame ----------------------------------------------------------------

ArticleView& MemoryFrame::createArticleView(const Rect& rect) {
  viewerExists_ = true;
  viewerRect_ = rect;
  return viewer_;
}

void MemoryFrame::minimise() {
  if (state_ == WindowState::Normal) state_ = WindowState::Minimised;
}

void MemoryFrame::showMessage(std::u16string_view caption, std::u16string_view text) {
  messages_.push_back({std::u16string(caption), std::u16string(text)});
}

bool MemoryFrame::openDocument(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  opened_.push_back(path);
  return true;
}

void MemoryFrame::destroyAndExit(int exitCode) {
  state_ = WindowState::Closed;
  exitCode_ = exitCode;
  platform_.timers_.stopAll();
  platform_.focus_ = Focus::None;
}

// --- platform -------------------------------------------------------------

MemoryPlatform::MemoryPlatform(MemoryOptions options)
    : frame_(*this, std::move(options)),
      wordBox_(*this),
      list_(*this),
      dialog_(WindowPlatform{frame_, wordBox_, list_, menuBar_, timers_, keyboard_, hintLine_}) {}

void MemoryPlatform::moveFocus(Focus to) {
  if (focus_ == to || !alive()) return;
  focus_ = to;
  if (to == Focus::WordBox) dialog_.command(EN_SETFOCUS, IDC_WORD_EDIT);
  if (to == Focus::List) dialog_.command(LBN_SETFOCUS, IDC_HEADWORD_LIST);
}

void MemoryPlatform::deliver(uint32_t message, uint32_t code) {
  if (!alive()) return;
  dialog_.filterKey(message, code);  // a filtered key goes on with code 0
  if (focus_ == Focus::WordBox) {
    if (message == WM_KEYDOWN) wordBox_.keyDown(code);
    if (message == WM_CHAR && code != 0) wordBox_.character(static_cast<char16_t>(code));
  } else if (focus_ == Focus::List) {
    if (message == WM_KEYDOWN) dialog_.headwordList().keyDown(code);
    // A character typed into the list goes to the word box.
    if (message == WM_CHAR && code != 0 && dialog_.redirectTypingToWordBox(static_cast<char16_t>(code)))
      wordBox_.character(static_cast<char16_t>(code));
  }
}

namespace {

// The key code of the key that types `c`: letters and digits have their own
// codes; everything else comes through the keyboard's processing key.
uint32_t keyCodeOf(char16_t c) {
  if (c >= u'a' && c <= u'z') return c - u'a' + u'A';
  if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u' ') return c;
  return 0xE5;
}

}  // namespace

void MemoryPlatform::type(std::u16string_view text) {
  for (char16_t c : text) {
    deliver(WM_KEYDOWN, keyCodeOf(c));
    deliver(WM_CHAR, c);
  }
}

void MemoryPlatform::erase() {
  deliver(WM_KEYDOWN, VK_BACK);
  deliver(WM_CHAR, VK_BACK);
}

void MemoryPlatform::pressKey(uint32_t key) { deliver(WM_KEYDOWN, key); }

void MemoryPlatform::pressEnter() {
  deliver(WM_KEYDOWN, VK_RETURN);
  deliver(WM_CHAR, VK_RETURN);
}

void MemoryPlatform::pressEscape() {
  deliver(WM_KEYDOWN, VK_ESCAPE);
  deliver(WM_CHAR, VK_ESCAPE);
}

void MemoryPlatform::tap(int row) {
  if (!alive()) return;
  list_.setFocus();
  dialog_.headwordList().tap(row);
}

void MemoryPlatform::clickHint(int link) {
  if (alive() && link >= 0 && static_cast<size_t>(link) < dialog_.hint().targets.size()) dialog_.followHint(link);
}

void MemoryPlatform::scroll(ScrollRequest request, int32_t trackPos) {
  if (!alive()) return;
  if (request == ScrollRequest::ThumbTrack || request == ScrollRequest::ThumbPosition) {
    ScrollInfo info = list_.scrollInfo();
    info.trackPos = trackPos;
    list_.setScrollInfo(info);
  }
  dialog_.headwordList().scroll(request);
}

void MemoryPlatform::command(uint16_t id) { dialog_.command(0, id); }

void MemoryPlatform::wait(uint64_t ms) {
  timers_.advance(ms, [this](uint32_t id) { dialog_.timer(id); });
}

}  // namespace orva
