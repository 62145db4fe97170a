// An in-memory platform for the window's logic: the reference screen of
// 240 x 268 with 13-pixel rows, every character 6 pixels wide, time frozen
// until it is advanced, and user actions (typing, keys, taps, scroll bar,
// commands) delivered the way the device delivers them. The session driver
// and the tests run the real MainDialog and HeadwordList over it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "article/article_view.h"
#include "ui/hint_line.h"
#include "ui/main_dialog.h"
#include "ui/platform.h"

namespace orva {

inline constexpr Size kReferenceClient{240, 268};
inline constexpr int kReferenceRowHeight = 13;
inline constexpr int kCharacterWidth = 6;

enum class Focus { None, WordBox, List };
enum class WindowState { Normal, Minimised, Closed };

// Timers over a clock that moves only when told to.
class ManualTimers : public Timers {
 public:
  void start(uint32_t id, uint32_t periodMs) override;
  void stop(uint32_t id) override { timers_.erase(id); }
  void stopAll() { timers_.clear(); }

  // Advances the clock by `ms`; every timer that falls due fires, in order
  // of due time (equal times: lower id first), and a repeating timer comes
  // due again one period after it fired.
  template <typename Fire>
  void advance(uint64_t ms, Fire&& fire) {
    const uint64_t target = now_ + ms;
    for (;;) {
      auto next = timers_.end();
      for (auto it = timers_.begin(); it != timers_.end(); ++it)
        if (it->second.due <= target && (next == timers_.end() || it->second.due < next->second.due)) next = it;
      if (next == timers_.end()) break;
      now_ = next->second.due;
      next->second.due = now_ + next->second.period;
      fire(next->first);
    }
    now_ = target;
  }

  uint64_t now() const { return now_; }
  // Running timers and their periods, by id.
  std::map<uint32_t, uint32_t> running() const;

 private:
  struct Timer {
    uint32_t period;
    uint64_t due;
  };
  std::map<uint32_t, Timer> timers_;
  uint64_t now_ = 0;
};

class MemoryPlatform;

class MemoryWordBox : public WordBox {
 public:
  explicit MemoryWordBox(MemoryPlatform& platform) : platform_(platform) {}
  std::u16string text() const override { return text_; }
  void setText(std::u16string_view text) override;
  void selectAll() override;
  void setRightAligned(bool right) override { rightAligned_ = right; }
  void setFocus() override;
  void move(const Rect& rect) override { rect_ = rect; }

  // The user's editing: a key press and a typed character.
  void keyDown(uint32_t key);
  void character(char16_t c);

  size_t selectionStart() const { return start_; }
  size_t selectionEnd() const { return end_; }
  bool rightAligned() const { return rightAligned_; }
  const Rect& rect() const { return rect_; }

 private:
  void replaceSelection(std::u16string_view with);

  MemoryPlatform& platform_;
  std::u16string text_;
  size_t start_ = 0;
  size_t end_ = 0;
  bool rightAligned_ = true;  // the template's ES_RIGHT
  Rect rect_;
};

// What a paint left in a row.
struct PaintedRow {
  std::u16string text;
  int left = 0;
  uint32_t background = kWhite;
  uint32_t colour = kBlack;
};

class MemoryList : public ListControl, public RowCanvas {
 public:
  explicit MemoryList(MemoryPlatform& platform) : platform_(platform) {}

  // ListControl
  void resetContent() override;
  void addRow() override;
  int rows() const override { return static_cast<int>(data_.size()); }
  void setItemData(int row, uint32_t data) override;
  uint32_t itemData(int row) const override;
  void setSelection(int row) override { selection_ = row >= 0 && row < rows() ? row : -1; }
  int selection() const override { return selection_; }
  int clientHeight() const override { return rect_.height; }
  int rowHeight() const override { return kReferenceRowHeight; }
  ScrollInfo scrollInfo() const override { return scroll_; }
  void setScrollInfo(const ScrollInfo& info) override { scroll_ = info; }
  void repaintNow() override;
  void setLocale(uint32_t locale) override { locale_ = locale; }
  void setFocus() override;
  void move(const Rect& rect) override { rect_ = rect; }

  // RowCanvas
  Rect rowRect(int row) const override { return {0, row * kReferenceRowHeight, rect_.width, kReferenceRowHeight}; }
  int textWidth(std::u16string_view text, bool visualOrder) override;
  uint32_t highlightColour() const override { return kHighlight; }
  void fill(const Rect& rect, uint32_t colour) override;
  void drawText(const Rect& clip, int left, std::u16string_view text, uint32_t colour, bool visualOrder) override;

  static constexpr uint32_t kHighlight = 0x000080;

  const std::vector<PaintedRow>& painted() const { return painted_; }
  int paintCount() const { return paints_; }
  uint32_t locale() const { return locale_; }
  const Rect& rect() const { return rect_; }

 private:
  int rowAt(const Rect& rect) const;

  MemoryPlatform& platform_;
  std::vector<uint32_t> data_;
  std::vector<PaintedRow> painted_;
  int selection_ = -1;
  ScrollInfo scroll_;
  uint32_t locale_ = 0;
  Rect rect_;
  int paints_ = 0;
};

class MemoryMenuBar : public MenuBar {
 public:
  void create(const MenuBarDescription& description, std::span<const std::u16string_view> tooltips) override;
  void pressButton(uint16_t command, bool pressed) override { pressed_[command] = pressed; }
  void destroy() override { created_ = false; }

  bool created() const { return created_; }
  bool isPressed(uint16_t command) const;
  const std::vector<std::u16string>& tooltips() const { return tooltips_; }

 private:
  bool created_ = false;
  std::map<uint16_t, bool> pressed_;
  std::vector<std::u16string> tooltips_;
};

class MemoryKeyboard : public OnScreenKeyboard {
 public:
  bool isUp() const override { return up_; }
  void lower() override { up_ = false; }
  void raise() { up_ = true; }

 private:
  bool up_ = false;
};

// The hint line: what it shows, where, and how often it was shown.
class MemoryHintLine : public HintLine {
 public:
  void show(std::span<const HintPiece> pieces) override;
  void move(const Rect& rect) override { rect_ = rect; }
  int lineHeight() const override { return kReferenceRowHeight + 2; }

  bool visible() const { return !pieces_.empty(); }
  const std::vector<HintPiece>& pieces() const { return pieces_; }
  // The whole line as one text.
  std::u16string text() const;
  const Rect& rect() const { return rect_; }

 private:
  std::vector<HintPiece> pieces_;
  Rect rect_;
};

struct MemoryMessage {
  std::u16string caption;
  std::u16string text;
};

struct MemoryOptions {
  std::string directory;
  DeviceSettings device;
  Size client = kReferenceClient;
};

class MemoryFrame : public WindowFrame {
 public:
  MemoryFrame(MemoryPlatform& platform, MemoryOptions options) : platform_(platform), options_(std::move(options)) {}

  std::string programDirectory() const override { return options_.directory; }
  DeviceSettings deviceSettings() const override { return options_.device; }
  void setTitle(std::u16string_view title) override { title_ = title; }
  void setIcon() override {}
  void centre() override {}
  Size clientSize() const override { return options_.client; }
  ArticleView& createArticleView(const Rect& rect) override;
  void moveArticleView(const Rect& rect) override { viewerRect_ = rect; }
  void destroyArticleView() override { viewerExists_ = false; }
  void minimise() override;
  void showMessage(std::u16string_view caption, std::u16string_view text) override;
  bool openDocument(const std::string& path) override;
  void runAbout() override { ++aboutRuns_; }
  void destroyAndExit(int exitCode) override;

  const std::u16string& title() const { return title_; }
  const PageCollector& viewer() const { return viewer_; }
  bool viewerExists() const { return viewerExists_; }
  const Rect& viewerRect() const { return viewerRect_; }
  WindowState state() const { return state_; }
  const std::vector<MemoryMessage>& messages() const { return messages_; }
  const std::vector<std::string>& openedDocuments() const { return opened_; }
  int aboutRuns() const { return aboutRuns_; }
  int exitCode() const { return exitCode_; }

 private:
  MemoryPlatform& platform_;
  MemoryOptions options_;
  std::u16string title_;
  PageCollector viewer_;
  bool viewerExists_ = false;
  Rect viewerRect_;
  WindowState state_ = WindowState::Normal;
  std::vector<MemoryMessage> messages_;
  std::vector<std::string> opened_;
  int aboutRuns_ = 0;
  int exitCode_ = -1;
};

// The whole in-memory platform with its main window.
class MemoryPlatform {
 public:
  explicit MemoryPlatform(MemoryOptions options);
  MemoryPlatform(const MemoryPlatform&) = delete;
  MemoryPlatform& operator=(const MemoryPlatform&) = delete;

  // Creates the window: initialisation, menu bar, first focus.
  void start() { dialog_.start(); }

  // User actions. Keys pass the window's key filter first, key-down and
  // character alike, and then reach the control that has the focus.
  void type(std::u16string_view text);
  void erase();
  void pressKey(uint32_t key);  // a key without a character (arrows, Home...)
  void pressEnter();
  void pressEscape();
  void focusWordBox() { wordBox_.setFocus(); }
  void focusList() { list_.setFocus(); }
  void tap(int row);
  // A click on the hint line's link `link`.
  void clickHint(int link);
  void scroll(ScrollRequest request, int32_t trackPos = 0);
  void command(uint16_t id);
  void raiseKeyboard() { keyboard_.raise(); }
  void lowerKeyboard() { keyboard_.lower(); }
  void wait(uint64_t ms);
  void close() { dialog_.close(); }

  MainDialog& dialog() { return dialog_; }
  const MainDialog& dialog() const { return dialog_; }
  MemoryFrame& frame() { return frame_; }
  const MemoryFrame& frame() const { return frame_; }
  MemoryWordBox& wordBox() { return wordBox_; }
  const MemoryWordBox& wordBox() const { return wordBox_; }
  MemoryList& list() { return list_; }
  const MemoryList& list() const { return list_; }
  const MemoryMenuBar& menuBar() const { return menuBar_; }
  const MemoryKeyboard& keyboard() const { return keyboard_; }
  const MemoryHintLine& hintLine() const { return hintLine_; }
  ManualTimers& timers() { return timers_; }
  const ManualTimers& timers() const { return timers_; }
  Focus focus() const { return focus_; }

 private:
  friend class MemoryWordBox;
  friend class MemoryList;
  friend class MemoryFrame;

  bool alive() const { return frame_.state() != WindowState::Closed; }
  void moveFocus(Focus to);
  // One key message through the filter to the focused control.
  void deliver(uint32_t message, uint32_t code);

  MemoryFrame frame_;
  MemoryWordBox wordBox_;
  MemoryList list_;
  MemoryMenuBar menuBar_;
  ManualTimers timers_;
  MemoryKeyboard keyboard_;
  MemoryHintLine hintLine_;
  Focus focus_ = Focus::None;
  MainDialog dialog_;
};

}  // namespace orva
