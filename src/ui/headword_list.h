// The headword list: a window of rowCount rows over the whole headword-list
// index of the current dictionary. The rows carry only record positions; the
// texts are read from the dictionary file and painted on every repaint.
#pragma once

#include <cstdint>

#include "store/dictionary_pair.h"
#include "store/direction.h"
#include "text/device_settings.h"
#include "ui/platform.h"

namespace orva {

// Scroll requests, as the scroll bar sends them.
enum class ScrollRequest : uint16_t {
  LineUp = 0,
  LineDown = 1,
  PageUp = 2,
  PageDown = 3,
  ThumbPosition = 4,
  ThumbTrack = 5,
  Top = 6,
  Bottom = 7,
  EndScroll = 8,
};

// What the list reads from its owner, the main window, and how it tells
// the owner that the user changed the selection.
class ListOwner {
 public:
  virtual ~ListOwner() = default;
  virtual DictionaryFile& currentFile() = 0;
  virtual Direction currentDirection() const = 0;
  virtual const DeviceSettings& device() const = 0;
  virtual bool closing() const = 0;
  // The user moved the selection (a tap, or Up or Down inside the page), or
  // a key scrolled another entry under the selected row.
  virtual void listSelectionChanged() = 0;
  // A tap chose a row: the selection changed as above, by the user's
  // explicit choice.
  virtual void listRowTapped() { listSelectionChanged(); }
  // The scroll bar or the wheel moved another entry under the selected row.
  virtual void listScrolledUnderSelection() {}
};

// Item data of a row whose index entry could not be read: no record lies
// there, so the row is painted without text.
inline constexpr uint32_t kNoRecord = 0xFFFFFFFF;

class HeadwordList {
 public:
  HeadwordList(ListControl& control, ListOwner& owner) : control_(control), owner_(owner) {}

  // Empties the control, creates the rows (rowCount 0: as many as fit),
  // sets the scroll range and fills the rows from the top of the index.
  // Nothing is selected afterwards.
  void Reset(uint32_t entryCount, uint32_t rowCount);

  // Scrolls so that entry `index` is visible, normally in row 0, and selects
  // its row without notifying anybody.
  void ScrollToIndex(int32_t index);

  // The scroll step for a request from the scroll bar or the wheel. When it
  // moves another entry under the selected row the owner hears of it.
  void scroll(ScrollRequest request);

  // A key pressed while the list has the focus. The list handles every key;
  // a key that puts another entry under the selection tells the owner, so
  // that the article follows the highlight.
  void keyDown(uint32_t key);

  // A tap on a row (the platform has given the list the focus first).
  void tap(int row);

  // After the control changed height: as many rows as now fit, the same
  // entry on top where possible, the selected entry kept when it stays
  // visible.
  void relayout();

  // Paints every row over what the control painted itself.
  void paint(RowCanvas& canvas);

  // The state as the control holds it.
  uint32_t entryCount() const;
  int rowCount() const { return control_.rows(); }
  int32_t topIndex() const { return control_.scrollInfo().pos; }
  int selectedRow() const { return control_.selection(); }

 private:
  int64_t lastTop(const ScrollInfo& info) const;
  // The scroll step itself, with nobody told.
  void step(ScrollRequest request);
  // The index entry under the selected row, or -1 when none is selected.
  int64_t selectedEntry() const;
  // Writes `top` as the scroll position, refills the rows and repaints.
  void scrollTo(ScrollInfo info, int64_t top);
  void moveSelection(int row);

  ListControl& control_;
  ListOwner& owner_;
};

}  // namespace orva
