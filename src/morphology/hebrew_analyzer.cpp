// The Hebrew analyser: hspell splits the prefix particles off a typed word
// and gives the lemmas of what remains, with their analysis; the lemmas are
// ranked most likely first and each gets a short note for the learner.
// hspell, its library and its dictionary, is licensed under the GNU Affero
// General Public License version 3 (AGPL-3.0); this program links it.
#include "morphology/hebrew_analyzer.h"

#include <algorithm>

#include "morphology/hebrew_prefixes.h"
#include "morphology/hebrew_spelling.h"
#include "morphology/hspell_analysis.h"
#include "morphology/hspell_readings.h"

namespace orva {
namespace {

using Analysis = HebrewFormAnalysis;

// How likely a learner met the form in this reading, roughly: forms of
// everyday text weigh most, imperatives and object suffixes least. A verb
// form marked for person, or an infinitive after its lamed, is seldom
// anything else; a present participle is as often a noun. A past or future
// whose lemma has vav for its second letter is a passive (pual, hofal) of a
// common active form, and rare.
double weightOf(const Analysis& a, std::u16string_view prefix, std::u16string_view lemma) {
  if (a.properName) return 2;
  switch (a.partOfSpeech) {
    case Analysis::PartOfSpeech::Verb:
      if (a.tense == Analysis::Tense::Imperative) return 3;
      if (a.tense == Analysis::Tense::Infinitive) {
        if (a.hasSuffix) return 6;
        return prefix.ends_with(u'ל') ? 12 : 4;
      }
      if (a.hasSuffix) return 3;
      if (a.tense == Analysis::Tense::Past || a.tense == Analysis::Tense::Future) {
        return lemma.size() > 2 && lemma[1] == u'ו' ? 4 : 12;
      }
      return 10;
    case Analysis::PartOfSpeech::Noun:
    case Analysis::PartOfSpeech::Adjective:
      if (a.hasSuffix || a.construct) return 7;
      return 10;
    default:
      return 10;
  }
}

// A reading with more particles split off is the less likely one.
double prefixFactor(size_t prefixLetters) { return 1.0 / (1.0 + 0.75 * static_cast<double>(prefixLetters)); }

// "ו + ב + בית": each particle, then the base word.
std::u16string splitNote(std::u16string_view prefix, std::u16string_view baseWord) {
  std::u16string note;
  for (const char16_t particle : prefix) {
    note += particle;
    note += u" + ";
  }
  note += baseWord;
  return note;
}

std::u16string joinNotes(std::u16string first, const std::u16string& second) {
  if (first.empty()) return second;
  if (!second.empty()) first += u", " + second;
  return first;
}

// A lemma's score is that of its likeliest reading; each further reading
// adds a quarter of its own, as a noun's construct form, spelled like the
// plain one, is hardly more evidence.
struct Candidate {
  std::u16string lemma;
  std::u16string relation;
  double best = 0;     // the likeliest reading's score
  double others = 0;   // the sum over the other readings
  double weight = -1;  // of the reading whose note is kept
  size_t order = 0;    // first appearance, to keep hspell's order on ties

  double score() const { return best + 0.25 * others; }
};

class CandidateList {
 public:
  // A reading of `lemma` with this score; the note of the reading of most
  // weight is kept.
  void add(const std::u16string& lemma, const std::u16string& relation, double score, double weight) {
    auto it = std::find_if(candidates_.begin(), candidates_.end(), [&](const Candidate& c) { return c.lemma == lemma; });
    if (it == candidates_.end()) {
      candidates_.push_back({lemma, relation, score, 0, weight, candidates_.size()});
      return;
    }
    it->others += std::min(score, it->best);
    it->best = std::max(score, it->best);
    if (weight > it->weight) {
      it->weight = weight;
      it->relation = relation;
    }
  }

  double scoreOf(const std::u16string& lemma) const {
    for (const Candidate& c : candidates_) {
      if (c.lemma == lemma) return c.score();
    }
    return 0;
  }

  std::vector<LemmaCandidate> ranked(const std::u16string& word) {
    std::stable_sort(candidates_.begin(), candidates_.end(), [](const Candidate& a, const Candidate& b) {
      return a.score() != b.score() ? a.score() > b.score() : a.order < b.order;
    });
    std::vector<LemmaCandidate> result;
    for (Candidate& c : candidates_) {
      if (c.lemma != word && !c.lemma.empty()) result.push_back({std::move(c.lemma), std::move(c.relation)});
    }
    return result;
  }

 private:
  std::vector<Candidate> candidates_;
};

struct Split {
  std::u16string prefix;
  std::u16string baseWord;
  std::vector<std::u16string> lemmas;  // those its readings give
};

class HebrewAnalyzer final : public WordAnalyzer {
 public:
  explicit HebrewAnalyzer(std::string dictionaryPath) : dictionaryPath_(std::move(dictionaryPath)) {}

  std::vector<LemmaCandidate> lemmasOf(std::u16string_view typed) const override {
    const std::optional<std::string> spelled = toHspellSpelling(typed);
    if (!spelled) return {};
    std::vector<HspellReading> readings;
    if (!hspellReadings(dictionaryPath_, *spelled, readings)) return {};
    const std::u16string word = fromHspellSpelling(*spelled);
    if (readings.empty()) return unknownWordCandidates(word);

    CandidateList candidates;
    std::vector<Split> splits;
    for (const HspellReading& reading : readings) {
      const Analysis analysis = parseHspellAnalysis(reading.description);
      const std::u16string prefix = fromHspellSpelling(reading.prefix);
      const std::u16string baseWord = fromHspellSpelling(reading.baseWord);
      // Words of no inflection and names have no lemma of their own in
      // hspell's data: the base word is their dictionary form.
      const bool uninflected = analysis.properName || analysis.partOfSpeech == Analysis::PartOfSpeech::Other;
      const std::u16string lemma = uninflected ? baseWord : fromHspellSpelling(reading.lemma);
      const double weight = weightOf(analysis, prefix, lemma);
      const std::u16string relation =
          joinNotes(prefix.empty() ? std::u16string() : splitNote(prefix, baseWord), russianNoteOf(analysis));
      candidates.add(lemma, relation, weight * prefixFactor(prefix.size()), weight);
      if (prefix.empty()) continue;
      auto split = std::find_if(splits.begin(), splits.end(),
                                [&](const Split& s) { return s.prefix == prefix && s.baseWord == baseWord; });
      if (split == splits.end()) split = splits.insert(splits.end(), Split{prefix, baseWord, {}});
      split->lemmas.push_back(lemma);
    }
    // The word without its particles follows the best lemma of its split, so
    // that a prefixed form of a headword is found through the headword.
    for (const Split& split : splits) {
      if (candidates.scoreOf(split.baseWord) > 0) continue;
      double best = 0;
      for (const std::u16string& lemma : split.lemmas) best = std::max(best, candidates.scoreOf(lemma));
      candidates.add(split.baseWord, splitNote(split.prefix, split.baseWord), best * 0.999, 0);
    }
    // Last, the word with fewer of those particles split off ("שליד" is
    // "ש + ליד" before hspell's "ש + ל + יד").
    for (const Split& split : splits) {
      for (size_t n = 1; n < split.prefix.size(); ++n) {
        const std::u16string rest = word.substr(n);
        if (candidates.scoreOf(rest) == 0) candidates.add(rest, splitNote(word.substr(0, n), rest), 0.001, 0);
      }
    }
    return candidates.ranked(word);
  }

 private:
  // A word hspell does not know (a loanword, a name) may still be a known
  // word behind particles, or the plural of one: offer the word's singular,
  // then what remains after each possible prefix, and its singular.
  static std::vector<LemmaCandidate> unknownWordCandidates(const std::u16string& word) {
    std::vector<LemmaCandidate> result;
    for (const std::u16string& singular : singularsOf(word)) result.push_back({singular, u"мн. ч."});
    for (const PrefixSplit& split : prefixSplitsOf(word)) {
      const std::u16string note = splitNote(split.prefix, split.baseWord);
      result.push_back({split.baseWord, note});
      for (const std::u16string& singular : singularsOf(split.baseWord)) result.push_back({singular, note + u", мн. ч."});
    }
    return result;
  }

  // The singulars a regular plural ending points to: -ים dropped; -ות
  // replaced by -ה, -ת or nothing.
  static std::vector<std::u16string> singularsOf(std::u16string_view word) {
    constexpr size_t kMinStemLetters = 2;
    std::vector<std::u16string> singulars;
    if (word.size() < kMinStemLetters + 2) return singulars;
    const std::u16string stem(word.substr(0, word.size() - 2));
    if (word.ends_with(u"ים")) {
      singulars.push_back(withFinalShape(stem));
    } else if (word.ends_with(u"ות")) {
      singulars.push_back(stem + u"ה");
      singulars.push_back(stem + u"ת");
      singulars.push_back(withFinalShape(stem));
    }
    return singulars;
  }

  std::string dictionaryPath_;
};

}  // namespace

std::unique_ptr<WordAnalyzer> makeHebrewAnalyzer(std::string hspellDictionaryPath) {
  return std::make_unique<HebrewAnalyzer>(std::move(hspellDictionaryPath));
}

std::unique_ptr<WordAnalyzer> makeHebrewAnalyzer() { return makeHebrewAnalyzer(defaultHspellDictionaryPath()); }

}  // namespace orva
