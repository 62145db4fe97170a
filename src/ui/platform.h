// The small interfaces through which the window's logic talks to the
// platform: the word box, the list control with its scroll bar, the menu
// bar, timers, the on-screen keyboard, message boxes, the shell and the
// window frame. The article viewer is ArticleView. A desktop toolkit and
// the in-memory platform of the session driver both implement them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "article/article_view.h"
#include "text/device_settings.h"
#include "ui/resources.h"

namespace orva {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool operator==(const Rect&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

// Window messages and control notifications the main window reacts to.
inline constexpr uint32_t WM_CLOSE = 0x10;
inline constexpr uint32_t WM_HELP = 0x53;
inline constexpr uint32_t WM_KEYDOWN = 0x100;
inline constexpr uint32_t WM_CHAR = 0x102;
inline constexpr uint32_t WM_COMMAND = 0x111;
inline constexpr uint32_t WM_TIMER = 0x113;
inline constexpr uint16_t LBN_SELCHANGE = 1;
inline constexpr uint16_t LBN_SETFOCUS = 4;
inline constexpr uint16_t EN_SETFOCUS = 0x100;
inline constexpr uint16_t EN_CHANGE = 0x300;

// Key codes the logic distinguishes.
inline constexpr uint32_t VK_BACK = 0x08;
inline constexpr uint32_t VK_RETURN = 0x0D;
inline constexpr uint32_t VK_ESCAPE = 0x1B;
inline constexpr uint32_t VK_PRIOR = 0x21;
inline constexpr uint32_t VK_NEXT = 0x22;
inline constexpr uint32_t VK_END = 0x23;
inline constexpr uint32_t VK_HOME = 0x24;
inline constexpr uint32_t VK_LEFT = 0x25;
inline constexpr uint32_t VK_UP = 0x26;
inline constexpr uint32_t VK_RIGHT = 0x27;
inline constexpr uint32_t VK_DOWN = 0x28;

// Where the controls report what happened to them: a WM_COMMAND with a
// notification code and the control id. Focus changes and text changes
// arrive synchronously, inside the action that caused them.
class CommandSink {
 public:
  virtual ~CommandSink() = default;
  virtual void command(uint16_t code, uint16_t id) = 0;
};

// The one-line word box. Its text is what the logic reads and writes; a
// platform that shows text differently converts at its edge.
class WordBox {
 public:
  virtual ~WordBox() = default;
  virtual std::u16string text() const = 0;
  // Replaces the text; the change notification (EN_CHANGE) runs before
  // this returns.
  virtual void setText(std::u16string_view text) = 0;
  virtual void selectAll() = 0;
  virtual void setRightAligned(bool right) = 0;
  // Moves the focus here; EN_SETFOCUS runs before this returns when the
  // box did not have the focus.
  virtual void setFocus() = 0;
  virtual void move(const Rect& rect) = 0;
};

// Scroll state of the list's vertical scroll bar; positions are 32 bits,
// the tracking position too.
struct ScrollInfo {
  int32_t min = 0;
  int32_t max = 0;
  uint32_t page = 0;
  int32_t pos = 0;
  int32_t trackPos = 0;
};

// The list box with its scroll bar: rows that carry 32-bit item data, one
// selected row or none, and the scroll state. Selecting from the logic
// notifies nobody.
class ListControl {
 public:
  virtual ~ListControl() = default;
  virtual void resetContent() = 0;
  virtual void addRow() = 0;
  virtual int rows() const = 0;
  virtual void setItemData(int row, uint32_t data) = 0;
  virtual uint32_t itemData(int row) const = 0;
  virtual void setSelection(int row) = 0;  // -1: none
  virtual int selection() const = 0;
  virtual int clientHeight() const = 0;
  // Height of one row as the control draws it; 13 on the reference screen.
  virtual int rowHeight() const = 0;
  virtual ScrollInfo scrollInfo() const = 0;
  virtual void setScrollInfo(const ScrollInfo& info) = 0;
  // Invalidates the whole control and repaints it at once.
  virtual void repaintNow() = 0;
  virtual void setLocale(uint32_t locale) = 0;
  virtual void setFocus() = 0;
  virtual void move(const Rect& rect) = 0;
};

// Colours as 0xRRGGBB.
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kBlack = 0x000000;

// What the list paints its rows on.
class RowCanvas {
 public:
  virtual ~RowCanvas() = default;
  virtual Rect rowRect(int row) const = 0;
  // Width of the text in the list's font. `visualOrder` marks Hebrew that
  // is already in display order and must not be reordered again.
  virtual int textWidth(std::u16string_view text, bool visualOrder) = 0;
  virtual uint32_t highlightColour() const = 0;
  virtual void fill(const Rect& rect, uint32_t colour) = 0;
  // Draws one line from `left`, at the top of `clip` and clipped to it.
  virtual void drawText(const Rect& clip, int left, std::u16string_view text, uint32_t colour,
                        bool visualOrder) = 0;
};

// The menu bar: built from its description; the two direction buttons are
// pressed and released explicitly.
class MenuBar {
 public:
  virtual ~MenuBar() = default;
  virtual void create(const MenuBarDescription& description, std::span<const std::u16string_view> tooltips) = 0;
  virtual void pressButton(uint16_t command, bool pressed) = 0;
  virtual void destroy() = 0;
};

// Window timers of the main window; starting a running id restarts it.
class Timers {
 public:
  virtual ~Timers() = default;
  virtual void start(uint32_t id, uint32_t periodMs) = 0;
  virtual void stop(uint32_t id) = 0;
};

class OnScreenKeyboard {
 public:
  virtual ~OnScreenKeyboard() = default;
  virtual bool isUp() const = 0;
  virtual void lower() = 0;
};

// The main window's frame and the services around it.
class WindowFrame {
 public:
  virtual ~WindowFrame() = default;
  virtual std::string programDirectory() const = 0;
  virtual DeviceSettings deviceSettings() const = 0;
  virtual void setTitle(std::u16string_view title) = 0;
  virtual void setIcon() = 0;
  virtual void centre() = 0;
  virtual Size clientSize() const = 0;
  // Creates the article viewer child; it lives until destroyArticleView.
  virtual ArticleView& createArticleView(const Rect& rect) = 0;
  virtual void moveArticleView(const Rect& rect) = 0;
  virtual void destroyArticleView() = 0;
  virtual void minimise() = 0;
  // A message box owned by the window; the caption is never empty.
  virtual void showMessage(std::u16string_view caption, std::u16string_view text) = 0;
  // Asks the shell to open a local document; false when it cannot.
  virtual bool openDocument(const std::string& path) = 0;
  // Runs the About box modally.
  virtual void runAbout() = 0;
  // Destroys the window (its timers die with it) and ends the process.
  virtual void destroyAndExit(int exitCode) = 0;
};

class HintLine;  // ui/hint_line.h

// Everything the main window needs of its platform.
struct WindowPlatform {
  WindowFrame& frame;
  WordBox& wordBox;
  ListControl& list;
  MenuBar& menuBar;
  Timers& timers;
  OnScreenKeyboard& keyboard;
  HintLine& hintLine;
};

}  // namespace orva
