// hspell's readings of a Hebrew word: every legal split into prefix
// particles and a base word, with each analysis of the base word that the
// prefix allows. hspell keeps one dictionary in process-wide state; it is
// loaded once, on first use, and then only read.
#pragma once

#include <string>
#include <vector>

namespace orva {

// All texts in hspell's ISO-8859-8 spelling.
struct HspellReading {
  std::string prefix;       // the particles split off, may be empty
  std::string baseWord;     // the rest of the word, as hspell knows it
  std::string lemma;        // the dictionary form of the base word
  std::string description;  // the analysis, hspell's comma-separated tags
};

// The dictionary hspell itself would load (its word list; the other files
// sit beside it with suffixes added).
std::string defaultHspellDictionaryPath();

// Appends the readings of `word` to `readings`. `dictionaryPath` names the
// word list; the first call in the process loads it. False when it cannot
// be loaded, or when another dictionary was loaded before.
bool hspellReadings(const std::string& dictionaryPath, const std::string& word, std::vector<HspellReading>& readings);

}  // namespace orva
