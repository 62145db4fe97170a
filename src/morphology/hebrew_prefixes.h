// The one-letter particles written before a Hebrew word (ו ה ב ל מ ש כ) and
// the sequences they may form, for words the analyser does not know.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orva {

struct PrefixSplit {
  std::u16string prefix;    // the particles, e.g. "וב"
  std::u16string baseWord;  // what follows them, at least two letters
};

// Every way `word` (Hebrew letters, logical order) may be particles
// followed by a word, the shortest prefix first. A base word that begins
// with a doubled vav after a particle is also offered with one vav, as the
// full spelling doubles it there.
std::vector<PrefixSplit> prefixSplitsOf(std::u16string_view word);

}  // namespace orva
