// The session's history of visited entries.
#include "ui/lookup_history.h"

namespace orva {

void LookupHistory::visit(HistoryEntry entry) {
  if (!entries_.empty()) {
    HistoryEntry& now = entries_[position_];
    if (now.sameEntry(entry)) {
      if (entry.typed.empty()) now.typed.clear();
      return;
    }
    const bool last = position_ + 1 == entries_.size();
    const bool typingOn = !entry.typed.empty() && !now.typed.empty() && now.direction == entry.direction &&
                          entry.typed.size() > now.typed.size() && entry.typed.starts_with(now.typed);
    if (last && typingOn) {
      now = std::move(entry);
      return;
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position_) + 1, entries_.end());
  }
  entries_.push_back(std::move(entry));
  if (entries_.size() > capacity_) entries_.pop_front();
  position_ = entries_.size() - 1;
}

std::optional<HistoryEntry> LookupHistory::back() {
  if (!canGoBack()) return std::nullopt;
  return entries_[--position_];
}

std::optional<HistoryEntry> LookupHistory::forward() {
  if (!canGoForward()) return std::nullopt;
  return entries_[++position_];
}

}  // namespace orva
