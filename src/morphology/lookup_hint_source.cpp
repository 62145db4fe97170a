// The hint for a typed word without a headword: a lemma from the analysers
// that the open dictionary holds (or the dictionary's own entry for the very
// form, when the lemma's group has one), else the nearest headwords.
#include "morphology/lookup_hint_source.h"

#include <algorithm>
#include <set>

#include "morphology/headword_match.h"
#include "morphology/spelling_distance.h"
#include "text/collation.h"
#include "text/typed_query.h"

namespace orva {

namespace {

constexpr size_t kMaxSuggestions = 5;
// Headwords read on each side of every place a suggestion is looked for.
constexpr uint32_t kNeighbourhood = 8;
// Longer texts are pasted sentences; they get no suggestions.
constexpr size_t kLongestSuggestedWord = 48;
// At most this many letters before a form entry's headword may be prefixes
// of the typed word (Hebrew ו, ה, ב, ל, מ, ש, כ and their combinations).
constexpr size_t kMaxFormEntryPrefixLetters = 3;

// The most edits a suggestion may be away from a word of this length.
size_t allowedEdits(size_t length) { return length <= 4 ? 1 : length <= 8 ? 2 : 3; }

size_t commonPrefix(std::string_view a, std::string_view b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

class DictionaryHintSource final : public LookupHintSource {
 public:
  DictionaryHintSource(DictionaryPair& pair, const DeviceSettings& device, std::unique_ptr<WordAnalyzer> russian,
                       std::unique_ptr<WordAnalyzer> hebrew)
      : pair_(pair), device_(device), russian_(std::move(russian)), hebrew_(std::move(hebrew)) {}

  LookupHint hintFor(Direction direction, std::u16string_view typed) override {
    LookupHint hint;
    hint.typed = std::u16string(typed);
    DictionaryFile& file = pair_.file(direction);
    if (!file.isOpen() || file.entryCount() == 0) return hint;
    const std::u16string word(trimmedWord(typed));
    if (word.empty()) return hint;
    const std::string typedKey = comparisonKeyOfWord(word, direction);

    // A word pasted with punctuation around it.
    if (word != typed) {
      if (auto entry = findHeadword(file, direction, logicalDevice(), word)) return formOf(std::move(hint), *entry, u"");
    }

    std::vector<LemmaCandidate> lemmas;
    if (const WordAnalyzer* analyzer = analyzerFor(direction)) lemmas = analyzer->lemmasOf(word);
    for (const LemmaCandidate& candidate : lemmas) {
      auto entry = findHeadword(file, direction, logicalDevice(), candidate.lemma);
      if (!entry) continue;
      if (auto own = ownFormEntry(file, direction, *entry, typedKey)) return formOf(std::move(hint), *own, candidate.relation);
      return formOf(std::move(hint), *entry, candidate.relation);
    }

    hint.kind = LookupHint::Kind::NotInDictionary;
    hint.suggestions = nearestHeadwords(file, direction, word, typedKey, lemmas);
    return hint;
  }

 private:
  const WordAnalyzer* analyzerFor(Direction direction) const {
    return direction == Direction::RussianHebrew ? russian_.get() : hebrew_.get();
  }

  static LookupHint formOf(LookupHint hint, const HeadwordEntry& entry, std::u16string_view relation) {
    hint.kind = LookupHint::Kind::FormOf;
    hint.lemma = {entry.shown, entry.listOrdinal};
    hint.relation = std::u16string(relation);
    return hint;
  }

  // The dictionary may hold the typed form itself as an entry of the lemma's
  // group (a plural, a verb form), which the prefixes kept the lookup from
  // finding; its article says exactly what the form is, so it is preferred.
  std::optional<HeadwordEntry> ownFormEntry(DictionaryFile& file, Direction direction, const HeadwordEntry& lemma,
                                            const std::string& typedKey) const {
    for (HeadwordEntry& entry : groupEntries(file, direction, logicalDevice(), lemma.entryId / 1000)) {
      if (entry.entryId == lemma.entryId || entry.key.empty() || entry.key.size() >= typedKey.size()) continue;
      if (typedKey.size() - entry.key.size() > kMaxFormEntryPrefixLetters) continue;
      if (typedKey.compare(typedKey.size() - entry.key.size(), entry.key.size(), entry.key) == 0) return entry;
    }
    return std::nullopt;
  }

  // Headwords a reader would take for the word: those a few edits away,
  // fewest edits first, then the longest shared beginning, then the nearest
  // in the list. They are looked for around the place the word would stand
  // and around the places of its likeliest misspellings (first letter
  // extra, first two letters swapped, second letter extra) and of the
  // analysers' lemmas. Failing any, the headwords at the word's place.
  std::vector<HintTarget> nearestHeadwords(DictionaryFile& file, Direction direction, std::u16string_view word,
                                           const std::string& typedKey,
                                           const std::vector<LemmaCandidate>& lemmas) const {
    std::vector<HintTarget> suggestions;
    if (typedKey.empty() || typedKey.size() > kLongestSuggestedWord) return suggestions;
    const TypedQuery query = makeTypedQuery(word, direction, logicalDevice());
    const auto place = insertionPoint(file, direction, logicalDevice(), query.view());
    if (!place) return suggestions;

    std::vector<std::string> probes = {typedKey};
    if (typedKey.size() > 2) {
      probes.push_back(typedKey.substr(1));
      std::string swapped = typedKey;
      std::swap(swapped[0], swapped[1]);
      probes.push_back(swapped);
      probes.push_back(typedKey.substr(0, 1) + typedKey.substr(2));
    }
    for (size_t i = 0; i < lemmas.size() && i < 2; ++i) probes.push_back(comparisonKeyOfWord(lemmas[i].lemma, direction));

    struct Scored {
      size_t edits;
      size_t shared;
      uint32_t away;
      HintTarget target;
    };
    std::vector<Scored> scored;
    std::set<uint32_t> seen;
    const size_t limit = allowedEdits(typedKey.size());
    for (size_t p = 0; p < probes.size(); ++p) {
      if (probes[p].empty()) continue;
      const auto at = p == 0 ? place : insertionPoint(file, direction, logicalDevice(), probes[p]);
      if (!at) continue;
      const uint32_t first = *at > kNeighbourhood ? *at - kNeighbourhood : 0;
      for (HeadwordEntry& entry : listEntries(file, direction, logicalDevice(), first, *at + kNeighbourhood)) {
        if (!seen.insert(entry.listOrdinal).second) continue;
        const size_t edits = spellingDistance(typedKey, entry.key, limit);
        if (edits > limit) continue;
        const uint32_t away = entry.listOrdinal > *place ? entry.listOrdinal - *place : *place - entry.listOrdinal;
        scored.push_back({edits, commonPrefix(typedKey, entry.key), away, {std::move(entry.shown), entry.listOrdinal}});
      }
    }
    std::sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
      if (a.edits != b.edits) return a.edits < b.edits;
      if (a.shared != b.shared) return a.shared > b.shared;
      if (a.away != b.away) return a.away < b.away;
      return a.target.listOrdinal < b.target.listOrdinal;
    });
    for (size_t i = 0; i < scored.size() && suggestions.size() < kMaxSuggestions; ++i)
      suggestions.push_back(std::move(scored[i].target));
    if (!suggestions.empty()) return suggestions;

    // Nothing is spelled alike: the headwords where the word would stand,
    // as a printed dictionary opened at that place shows them.
    const uint32_t first = *place >= 2 ? *place - 2 : 0;
    for (HeadwordEntry& entry : listEntries(file, direction, logicalDevice(), first, first + kMaxSuggestions - 1))
      suggestions.push_back({std::move(entry.shown), entry.listOrdinal});
    return suggestions;
  }

  // The word is in logical order once trimmed; the lookup's conversion must
  // not reverse it again.
  DeviceSettings logicalDevice() const {
    DeviceSettings device = device_;
    device.language = kLanguageHebrew;
    return device;
  }

  DictionaryPair& pair_;
  const DeviceSettings& device_;
  std::unique_ptr<WordAnalyzer> russian_;
  std::unique_ptr<WordAnalyzer> hebrew_;
};

}  // namespace

std::unique_ptr<LookupHintSource> makeLookupHintSource(DictionaryPair& pair, const DeviceSettings& device,
                                                       std::unique_ptr<WordAnalyzer> russian,
                                                       std::unique_ptr<WordAnalyzer> hebrew) {
  return std::make_unique<DictionaryHintSource>(pair, device, std::move(russian), std::move(hebrew));
}

std::unique_ptr<LookupHintSource> makeLookupHintSource(DictionaryPair& pair, const DeviceSettings& device) {
  return makeLookupHintSource(pair, device, makeRussianAnalyzer(), makeHebrewAnalyzer());
}

}  // namespace orva
