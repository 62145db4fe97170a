// The dictionary forms a typed word may be an inflected or prefixed form
// of, from the spell checkers' analysers: Hunspell for Russian, hspell for
// Hebrew. The core never depends on these; the window and orvadict do.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orva {

struct LemmaCandidate {
  std::u16string lemma;     // the dictionary form, spelled as headwords are
  std::u16string relation;  // a short note on how the word relates to it, may be empty
};

class WordAnalyzer {
 public:
  virtual ~WordAnalyzer() = default;
  // The lemmas `word` may be a form of, most likely first; never `word`
  // itself. Empty when the analyser does not know the word or is missing.
  virtual std::vector<LemmaCandidate> lemmasOf(std::u16string_view word) const = 0;
};

// Each returns a working analyser, or one that knows no word when its
// dictionary cannot be loaded.
std::unique_ptr<WordAnalyzer> makeRussianAnalyzer();
std::unique_ptr<WordAnalyzer> makeHebrewAnalyzer();

}  // namespace orva
