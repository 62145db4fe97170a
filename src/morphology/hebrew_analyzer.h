// The Hebrew analyser over a chosen hspell dictionary, for callers that do
// not use the system's own (tests, a dictionary shipped beside the program).
#pragma once

#include <memory>
#include <string>

#include "morphology/word_analyzer.h"

namespace orva {

// An analyser reading hspell's word list at `hspellDictionaryPath` (the
// other files beside it). hspell holds one dictionary per process: an
// analyser asking for another than the one loaded first knows no word.
std::unique_ptr<WordAnalyzer> makeHebrewAnalyzer(std::string hspellDictionaryPath);

}  // namespace orva
