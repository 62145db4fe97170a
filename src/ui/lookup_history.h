// The words looked up in this session, in memory only: a bounded list of
// visited entries with a position in it for going back and forward.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "store/direction.h"

namespace orva {

// One visited entry: where it stands in its direction's list and its
// headword as the word box shows it, so that a changed dictionary can still
// be searched for it.
struct HistoryEntry {
  Direction direction = kStartDirection;
  uint32_t listOrdinal = 0;
  std::u16string headword;
  // The word box text whose lookup led here when the visit only rested on
  // a typed word; empty for a visit the user settled on (Enter, a click on
  // a row or a hint, leaving the entry by a direction change or Back).
  std::u16string typed;

  bool sameEntry(const HistoryEntry& other) const {
    return direction == other.direction && listOrdinal == other.listOrdinal && headword == other.headword;
  }
};

class LookupHistory {
 public:
  static constexpr size_t kDefaultCapacity = 500;

  explicit LookupHistory(size_t capacity = kDefaultCapacity) : capacity_(capacity == 0 ? 1 : capacity) {}

  // Records a visit and makes it the current entry:
  // - the current entry again changes nothing, except that a settled visit
  //   settles it;
  // - a typed visit whose text goes on from the text of the current, last,
  //   still unsettled entry replaces that entry, so that a word typed
  //   letter by letter leaves one entry, not one per prefix;
  // - otherwise the entries after the current one are dropped and the visit
  //   is appended; when the history is full the oldest entry goes.
  void visit(HistoryEntry entry);

  bool canGoBack() const { return !entries_.empty() && position_ > 0; }
  bool canGoForward() const { return !entries_.empty() && position_ + 1 < entries_.size(); }
  // Moves one entry back or forward and returns the entry now current;
  // nullopt, and no move, at either end.
  std::optional<HistoryEntry> back();
  std::optional<HistoryEntry> forward();

  // The current entry, or null while nothing has been visited.
  const HistoryEntry* current() const { return entries_.empty() ? nullptr : &entries_[position_]; }
  size_t size() const { return entries_.size(); }
  size_t position() const { return position_; }
  const HistoryEntry& at(size_t index) const { return entries_.at(index); }
  size_t capacity() const { return capacity_; }

 private:
  std::deque<HistoryEntry> entries_;
  size_t position_ = 0;
  size_t capacity_;
};

}  // namespace orva
