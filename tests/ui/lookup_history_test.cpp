// The session's history on its own: visits, going back and forward, the
// merging of a word typed letter by letter, and the bound.
#include <gtest/gtest.h>

#include "ui/lookup_history.h"

namespace orva {
namespace {

HistoryEntry entry(uint32_t ordinal, std::u16string typed = u"", Direction direction = Direction::RussianHebrew) {
  return {direction, ordinal, u"w" + std::u16string(1, static_cast<char16_t>(u'a' + ordinal % 26)), std::move(typed)};
}

std::vector<uint32_t> ordinals(const LookupHistory& history) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < history.size(); ++i) out.push_back(history.at(i).listOrdinal);
  return out;
}

TEST(LookupHistory, GoesBackAndForwardAndStopsAtBothEnds) {
  LookupHistory history;
  EXPECT_EQ(history.current(), nullptr);
  EXPECT_FALSE(history.back());
  EXPECT_FALSE(history.forward());
  for (uint32_t i = 1; i <= 3; ++i) history.visit(entry(i));
  EXPECT_EQ(history.current()->listOrdinal, 3u);
  EXPECT_FALSE(history.canGoForward());
  EXPECT_EQ(history.back()->listOrdinal, 2u);
  EXPECT_EQ(history.back()->listOrdinal, 1u);
  EXPECT_FALSE(history.canGoBack());
  EXPECT_FALSE(history.back());
  EXPECT_EQ(history.position(), 0u);
  EXPECT_EQ(history.forward()->listOrdinal, 2u);
  EXPECT_EQ(history.forward()->listOrdinal, 3u);
  EXPECT_FALSE(history.forward());
  EXPECT_EQ(history.current()->listOrdinal, 3u);
}

TEST(LookupHistory, AVisitAfterGoingBackDropsWhatLayAhead) {
  LookupHistory history;
  for (uint32_t i = 1; i <= 4; ++i) history.visit(entry(i));
  history.back();
  history.back();  // at 2
  history.visit(entry(2));  // the current entry again: nothing changes
  EXPECT_EQ(ordinals(history), (std::vector<uint32_t>{1, 2, 3, 4}));
  EXPECT_TRUE(history.canGoForward());
  history.visit(entry(9));
  EXPECT_EQ(ordinals(history), (std::vector<uint32_t>{1, 2, 9}));
  EXPECT_FALSE(history.canGoForward());
  // The same word in the other direction is another entry.
  history.visit(entry(9, u"", Direction::HebrewRussian));
  EXPECT_EQ(history.size(), 4u);
}

TEST(LookupHistory, AWordTypedOnReplacesItsUnsettledPrefix) {
  LookupHistory history;
  history.visit(entry(1));
  history.visit(entry(5, u"к"));
  history.visit(entry(6, u"кн"));
  history.visit(entry(7, u"кни"));
  EXPECT_EQ(ordinals(history), (std::vector<uint32_t>{1, 7}));
  EXPECT_EQ(history.current()->typed, u"кни");
  // Another word, not going on from the last: a new entry.
  history.visit(entry(8, u"ко"));
  EXPECT_EQ(ordinals(history), (std::vector<uint32_t>{1, 7, 8}));
  // A settled entry is kept, even when the typing goes on from it.
  history.visit(entry(8));
  EXPECT_TRUE(history.current()->typed.empty());
  history.visit(entry(9, u"кот"));
  EXPECT_EQ(ordinals(history), (std::vector<uint32_t>{1, 7, 8, 9}));
  // Typing on in the other direction is another word.
  history.visit(entry(3, u"котx", Direction::HebrewRussian));
  EXPECT_EQ(history.size(), 5u);
  // Erasing back to a shorter text is not typing on.
  history.visit(entry(4, u"кот"));
  history.visit(entry(2, u"ко"));
  EXPECT_EQ(history.size(), 7u);
}

TEST(LookupHistory, AnEntryReachedByGoingBackIsNotReplacedByTyping) {
  LookupHistory history;
  history.visit(entry(1, u"а"));
  history.visit(entry(2));
  history.back();  // at 1, still unsettled
  history.visit(entry(3, u"аб"));
  EXPECT_EQ(ordinals(history), (std::vector<uint32_t>{1, 3}));
}

TEST(LookupHistory, KeepsOnlyTheNewestEntriesWithinItsCapacity) {
  LookupHistory history(3);
  for (uint32_t i = 1; i <= 5; ++i) history.visit(entry(i));
  EXPECT_EQ(ordinals(history), (std::vector<uint32_t>{3, 4, 5}));
  EXPECT_EQ(history.position(), 2u);
  EXPECT_EQ(history.back()->listOrdinal, 4u);
  LookupHistory big;
  for (uint32_t i = 0; i < 2 * LookupHistory::kDefaultCapacity; ++i) big.visit(entry(i));
  EXPECT_EQ(big.size(), LookupHistory::kDefaultCapacity);
  EXPECT_EQ(big.current()->listOrdinal, 2 * LookupHistory::kDefaultCapacity - 1);
  EXPECT_EQ(LookupHistory(0).capacity(), 1u);
}

}  // namespace
}  // namespace orva
