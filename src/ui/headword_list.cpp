// The headword list over the headword-list index.
#include "ui/headword_list.h"

#include <algorithm>
#include <limits>

#include "store/list_index.h"
#include "store/record_reader.h"
#include "text/display_text.h"

namespace orva {

namespace {

// The scroll range is 32-bit signed; an entry count beyond it is cut.
constexpr uint32_t kMaxEntries = static_cast<uint32_t>(std::numeric_limits<int32_t>::max());

}  // namespace

uint32_t HeadwordList::entryCount() const {
  const ScrollInfo info = control_.scrollInfo();
  if (info.page == 0 && info.pos < 0) return 0;  // the state of an empty list
  return static_cast<uint32_t>(int64_t{info.max} - info.min + 1);
}

int64_t HeadwordList::lastTop(const ScrollInfo& info) const {
  // With no rows at all the range still spans the index; the top can then
  // reach the last entry but not beyond it.
  const int64_t entries = int64_t{info.max} - info.min + 1;
  return std::max<int64_t>(0, entries - std::max<int64_t>(1, info.page));
}

void HeadwordList::Reset(uint32_t entryCount, uint32_t rowCount) {
  control_.resetContent();
  entryCount = std::min(entryCount, kMaxEntries);
  if (rowCount == 0 && entryCount != 0) {
    const int height = std::max(0, control_.clientHeight());
    const int rowHeight = std::max(1, control_.rowHeight());
    rowCount = static_cast<uint32_t>(height / rowHeight);
  }
  // A dictionary with fewer entries than rows gets one row per entry, so
  // that every row shows an entry and the scroll clamp never goes negative.
  rowCount = std::min(rowCount, entryCount);
  ScrollInfo info;
  if (entryCount > 0) {
    for (uint32_t r = 0; r < rowCount; ++r) control_.addRow();
    info.max = static_cast<int32_t>(entryCount - 1);
    info.page = rowCount;
    info.pos = 0;
  } else {
    info.max = 0;
    info.page = 0;
    info.pos = -1;
  }
  control_.setScrollInfo(info);
  if (entryCount > 0) step(ScrollRequest::LineUp);
}

int64_t HeadwordList::selectedEntry() const {
  const int selected = control_.selection();
  if (selected < 0) return -1;
  return int64_t{std::max(0, control_.scrollInfo().pos)} + selected;
}

void HeadwordList::scroll(ScrollRequest request) {
  const int64_t before = selectedEntry();
  step(request);
  if (before >= 0 && selectedEntry() != before && !owner_.closing()) owner_.listScrolledUnderSelection();
}

void HeadwordList::step(ScrollRequest request) {
  if (owner_.closing()) return;
  const ScrollInfo info = control_.scrollInfo();
  if (entryCount() == 0) return;  // nothing to scroll over, nothing to read
  const int64_t p = info.pos;
  const int64_t page = info.page;
  int64_t next = p;
  switch (request) {
    case ScrollRequest::LineUp: next = p - 1; break;
    case ScrollRequest::LineDown: next = p + 1; break;
    case ScrollRequest::PageUp: next = p - page; break;
    case ScrollRequest::PageDown: next = p + page; break;
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack: next = info.trackPos; break;
    case ScrollRequest::Top: next = 0; break;
    case ScrollRequest::Bottom: next = lastTop(info); break;
    default: break;
  }
  scrollTo(info, next);
}

void HeadwordList::scrollTo(ScrollInfo info, int64_t top) {
  if (top < 0) top = 0;
  top = std::min(top, lastTop(info));
  info.pos = static_cast<int32_t>(top);
  control_.setScrollInfo(info);
  DictionaryFile& file = owner_.currentFile();
  const int rows = std::min<int64_t>(control_.rows(), info.page);
  for (int r = 0; r < rows; ++r) {
    const auto recordPos = readListRecordPos(file, static_cast<uint32_t>(top + r));
    control_.setItemData(r, recordPos.value_or(kNoRecord));
  }
  control_.repaintNow();
}

void HeadwordList::ScrollToIndex(int32_t index) {
  if (index < 0 || owner_.closing()) return;
  // A list number past the last entry names no row; it changes nothing.
  if (static_cast<uint32_t>(index) >= entryCount()) return;
  const ScrollInfo info = control_.scrollInfo();
  const int64_t top = std::min<int64_t>(index, lastTop(info));
  scrollTo(info, top);
  control_.setSelection(static_cast<int>(index - top));
}

void HeadwordList::moveSelection(int row) {
  control_.setSelection(row);
  owner_.listSelectionChanged();
}

void HeadwordList::keyDown(uint32_t key) {
  const int rows = control_.rows();
  const int selected = control_.selection();
  const int64_t before = selectedEntry();
  switch (key) {
    case VK_PRIOR: step(ScrollRequest::PageUp); break;
    case VK_NEXT: step(ScrollRequest::PageDown); break;
    case VK_END:
      step(ScrollRequest::Bottom);
      if (rows > 0) control_.setSelection(rows - 1);
      break;
    case VK_HOME:
      step(ScrollRequest::Top);
      if (rows > 0) control_.setSelection(0);
      break;
    case VK_UP:
      if (selected == 0) {
        step(ScrollRequest::LineUp);
      } else if (rows > 0) {
        // The list box's own handling: the selection moves and the owner
        // hears of it. With nothing selected, the first row is taken.
        moveSelection(selected < 0 ? 0 : selected - 1);
        return;
      }
      break;
    case VK_DOWN:
      if (rows > 0 && selected == rows - 1) {
        step(ScrollRequest::LineDown);
      } else if (rows > 0) {
        moveSelection(selected < 0 ? 0 : selected + 1);
        return;
      }
      break;
    default: return;  // consumed
  }
  // The highlight keeps its row while the entries move under it: the
  // article follows whenever the highlighted entry is another one.
  const int64_t after = selectedEntry();
  if (after >= 0 && after != before && !owner_.closing()) owner_.listSelectionChanged();
}

void HeadwordList::tap(int row) {
  if (row < 0 || row >= control_.rows()) return;
  control_.setSelection(row);
  owner_.listRowTapped();
}

void HeadwordList::relayout() {
  if (owner_.closing()) return;
  const uint32_t entries = entryCount();
  if (entries == 0) return;
  ScrollInfo info = control_.scrollInfo();
  const int64_t oldTop = std::max(0, info.pos);
  const int selected = control_.selection();
  const int64_t selectedEntry = selected >= 0 ? oldTop + selected : -1;
  const int rowHeight = std::max(1, control_.rowHeight());
  const uint32_t rows = std::min<uint32_t>(static_cast<uint32_t>(std::max(0, control_.clientHeight()) / rowHeight),
                                           entries);
  control_.resetContent();
  for (uint32_t r = 0; r < rows; ++r) control_.addRow();
  info.page = rows;
  scrollTo(info, oldTop);
  const int64_t top = control_.scrollInfo().pos;
  if (selectedEntry >= top && selectedEntry < top + rows) control_.setSelection(static_cast<int>(selectedEntry - top));
}

void HeadwordList::paint(RowCanvas& canvas) {
  if (owner_.closing()) return;
  DictionaryFile& file = owner_.currentFile();
  const Direction direction = owner_.currentDirection();
  const DeviceSettings& device = owner_.device();
  const bool visualOrder = direction == Direction::HebrewRussian && !device.isHebrew();
  const int selected = control_.selection();
  RecordBuffer buffer{};
  for (int r = 0; r < control_.rows(); ++r) {
    const Rect rect = canvas.rowRect(r);
    const bool isSelected = r == selected;
    const uint32_t background = isSelected ? canvas.highlightColour() : kWhite;
    EntryRecord view{};
    buffer.fill(0);
    if (!file.readRecord(control_.itemData(r), buffer, view)) {
      canvas.fill(rect, background);  // a row that cannot be read shows no text
      continue;
    }
    const std::u16string text = direction == Direction::RussianHebrew ? RussianDisplayText(view.headword(), device)
                                                                      : HebrewDisplayText(view.headword(), device);
    const int width = canvas.textWidth(text, visualOrder);
    canvas.fill(rect, background);
    const int left = direction == Direction::RussianHebrew ? rect.x + 2 : rect.right() - width;
    canvas.drawText(rect, left, text, isSelected ? kWhite : kBlack, visualOrder);
  }
}

}  // namespace orva
