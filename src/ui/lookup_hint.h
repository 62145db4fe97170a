// What the window says beside the article when no headword begins with the
// typed text: the lemma the typed word is a form of, or that the word is not
// in the dictionary with the nearest headwords. The window asks a
// LookupHintSource; the morphology module provides the real one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/direction.h"

namespace orva {

// A headword the hint can lead to: its text and its row in the list.
struct HintTarget {
  std::u16string headword;
  uint32_t listOrdinal = 0;
};

struct LookupHint {
  enum class Kind {
    None,             // nothing to say
    FormOf,           // the typed word is a form of `lemma`
    NotInDictionary,  // no headword and no known lemma; `suggestions` are the nearest
  };
  Kind kind = Kind::None;
  std::u16string typed;                 // the word as it was looked up
  HintTarget lemma;                     // FormOf
  std::u16string relation;              // FormOf: a short grammatical note, may be empty
  std::vector<HintTarget> suggestions;  // NotInDictionary: at most five, nearest first
};

class LookupHintSource {
 public:
  virtual ~LookupHintSource() = default;
  // Asked only when no headword of the direction's dictionary begins with
  // `typed` (already normalised as the lookup saw it).
  virtual LookupHint hintFor(Direction direction, std::u16string_view typed) = 0;
};

}  // namespace orva
