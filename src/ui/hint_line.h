// The hint line under the headword list: one line outside the article page
// that says what the typed word is a form of, or that it is not in the
// dictionary with the nearest headwords. Its pieces are plain text, strong
// text or links to headwords; a platform shows them on one line.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "ui/lookup_hint.h"
#include "ui/platform.h"

namespace orva {

// One piece of the hint line. A piece with a link leads to the hint's
// target of that number when the user follows it.
struct HintPiece {
  std::u16string text;
  bool strong = false;
  int link = -1;  // -1: not a link

  bool operator==(const HintPiece&) const = default;
};

// What the hint line shows for a hint, and the headwords its links lead to.
struct HintLineContent {
  LookupHint::Kind kind = LookupHint::Kind::None;
  std::vector<HintPiece> pieces;  // empty: the line is hidden
  std::vector<HintTarget> targets;
};

// At most this many suggestions are shown.
inline constexpr size_t kMaxHintSuggestions = 5;

// "«книги» — form of книга (note)" with the lemma strong and a link, or
// "«xyz» is not in the dictionary; nearest: a, b, c" with each suggestion a
// link. `typed` names the word when the hint does not.
HintLineContent composeHintLine(const LookupHint& hint, std::u16string_view typed);

// The line on screen. Following a link is reported to MainDialog::followHint.
class HintLine {
 public:
  virtual ~HintLine() = default;
  // Shows the pieces on one line; no pieces hide the line.
  virtual void show(std::span<const HintPiece> pieces) = 0;
  virtual void move(const Rect& rect) = 0;
  // Height of the line when it is shown.
  virtual int lineHeight() const = 0;
};

}  // namespace orva
