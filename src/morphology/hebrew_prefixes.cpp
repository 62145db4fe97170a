// Splitting Hebrew prefix particles off a word by their grammar alone.
#include "morphology/hebrew_prefixes.h"

namespace orva {

namespace {

constexpr size_t kMinBaseLetters = 2;
constexpr size_t kMaxPrefixLetters = 4;

// Whether `prefix` is a sequence of particles as Hebrew writes them: an
// optional vav ("and"), then optionally she ("that"), possibly after kaf or
// mem (kshe "when", mishe "since"), then at most one of he (the article),
// bet, kaf, lamed (which swallow the article) or mem (which may keep it).
bool isParticleSequence(std::u16string_view prefix) {
  size_t i = 0;
  auto at = [&](char16_t c) { return i < prefix.size() && prefix[i] == c; };
  if (at(u'ו')) ++i;
  if (at(u'ש')) {
    ++i;
  } else if ((at(u'כ') || at(u'מ')) && i + 1 < prefix.size() && prefix[i + 1] == u'ש') {
    i += 2;
  }
  if (at(u'ה') || at(u'ב') || at(u'כ') || at(u'ל')) {
    ++i;
  } else if (at(u'מ')) {
    ++i;
    if (at(u'ה')) ++i;
  }
  return i == prefix.size();
}

}  // namespace

std::vector<PrefixSplit> prefixSplitsOf(std::u16string_view word) {
  std::vector<PrefixSplit> splits;
  for (size_t n = 1; n <= kMaxPrefixLetters && n + kMinBaseLetters <= word.size(); ++n) {
    const std::u16string_view prefix = word.substr(0, n);
    if (!isParticleSequence(prefix)) continue;
    const std::u16string_view base = word.substr(n);
    splits.push_back({std::u16string(prefix), std::u16string(base)});
    if (base.size() > kMinBaseLetters && base[0] == u'ו' && base[1] == u'ו') {
      splits.push_back({std::u16string(prefix), std::u16string(base.substr(1))});
    }
  }
  return splits;
}

}  // namespace orva
