// The Russian analyser with the places its spell-checker dictionary is
// looked for, so that a test can start it with none.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "morphology/word_analyzer.h"

namespace orva {

// The folders where the system keeps Hunspell dictionaries, searched in
// order for ru_RU.aff and ru_RU.dic.
std::vector<std::string> systemHunspellFolders();

// An analyser over the first folder that holds both files. Loading takes a
// moment, so it starts at once on a thread of its own and the first
// question waits for it. Without the dictionary only the table of irregular
// forms answers.
std::unique_ptr<WordAnalyzer> makeRussianAnalyzer(const std::vector<std::string>& hunspellFolders);

}  // namespace orva
