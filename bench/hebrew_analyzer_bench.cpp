// The Hebrew analyser on the words a lookup misses: prefixed and inflected
// forms, and loanwords hspell does not know. The first benchmark times the
// first word of the process, which loads hspell's dictionary; run alone it
// is the start-up cost, after the others it is one more warm word.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "morphology/word_analyzer.h"

namespace orva::bench {

namespace {

const std::vector<std::u16string>& missedWords() {
  static const std::vector<std::u16string> words = {
      u"הספרים",   u"ובבית",     u"כשהלכתי",  u"שהילדים",    u"ילדיהם", u"וכתבתי",     u"והמכוניות",
      u"לחברים",   u"מהעבודה",   u"ושאתקשר",  u"תכתבו",      u"ביתנו",  u"ובמוזיאון",  u"הפארקים",
      u"הַסְּפָרִים", u"והג׳ירפות", u"כשהגענו",   u"שבפינת",     u"ולשתות", u"אוהבים",     u"מדברת",
      u"גדולות",   u"בחנויות",   u"המחירים",  u"והסטודנטים", u"ששאלתי", u"וכשהגיעו",   u"שליד",
  };
  return words;
}

void BM_HebrewAnalyzerFirstWord(benchmark::State& state) {
  for (auto _ : state) {
    const auto analyzer = makeHebrewAnalyzer();
    benchmark::DoNotOptimize(analyzer->lemmasOf(u"הספרים"));
  }
}
BENCHMARK(BM_HebrewAnalyzerFirstWord)->Iterations(1)->Unit(benchmark::kMillisecond);

// One missed word analysed, the dictionary already loaded.
void BM_HebrewAnalyzerMiss(benchmark::State& state) {
  const auto analyzer = makeHebrewAnalyzer();
  const auto& words = missedWords();
  analyzer->lemmasOf(words[0]);
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(analyzer->lemmasOf(words[i++ % words.size()]));
  state.SetLabel(std::to_string(words.size()) + " words in turn");
}
BENCHMARK(BM_HebrewAnalyzerMiss)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace orva::bench
