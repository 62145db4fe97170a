// The hint for a typed word without a headword: the Russian analysis of one
// miss, the whole hint (analysis, headword matches, nearest headwords), and
// the keystroke that ends in a miss (lookup, hint, a list page and the
// article), over the synthetic dictionaries.
#include <benchmark/benchmark.h>

#include "article/article_page.h"
#include "bench_dictionaries.h"
#include "morphology/lookup_hint_source.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "store/record_reader.h"
#include "text/display_text.h"
#include "text/typed_query.h"

namespace orva::bench {

namespace {

// Forms from running text, of every kind the analysis meets: regular
// inflection, the table's irregular forms, words it does not know.
const std::vector<std::u16string>& typedForms() {
  static const std::vector<std::u16string> forms = {
      u"книги",    u"пишу",     u"красивыми", u"меня",     u"шёл",       u"пошла",   u"людьми",
      u"столами",  u"читала",   u"говорят",   u"деревья",  u"большими",  u"знаешь",  u"хотел",
      u"улицами",  u"вернулась", u"кнега",    u"пиасть",   u"щщщщ",      u"матерью", u"интересного"};
  return forms;
}

WordAnalyzer& russianAnalyzer() {
  static const std::unique_ptr<WordAnalyzer> analyzer = makeRussianAnalyzer();
  return *analyzer;
}

void BM_RussianAnalysisOfAMiss(benchmark::State& state) {
  WordAnalyzer& analyzer = russianAnalyzer();
  analyzer.lemmasOf(u"книги");  // waits for the dictionary to load
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(analyzer.lemmasOf(typedForms()[i++ % typedForms().size()]));
}

struct HintBench {
  DictionaryPair pair;
  DeviceSettings device{kLanguageRussian, CodePage::Cyrillic1251};
  std::unique_ptr<LookupHintSource> hints;
  explicit HintBench(uint32_t entries) {
    openDictionary(pair.russianHebrew, entries, Direction::RussianHebrew);
    hints = makeLookupHintSource(pair, device, makeRussianAnalyzer(), nullptr);
    hints->hintFor(Direction::RussianHebrew, u"книги");  // waits for the dictionary to load
  }
};

void BM_LookupHintForAMiss(benchmark::State& state) {
  HintBench bench(static_cast<uint32_t>(state.range(0)));
  size_t i = 0, suggested = 0;
  for (auto _ : state) {
    const LookupHint hint = bench.hints->hintFor(Direction::RussianHebrew, typedForms()[i++ % typedForms().size()]);
    suggested += hint.suggestions.size();
  }
  state.counters["suggestions"] = benchmark::Counter(static_cast<double>(suggested), benchmark::Counter::kAvgIterations);
}

// What one keystroke that misses costs before painting: the lookup, the
// hint, a page of 20 list rows read and converted, and the found entry's
// article.
void BM_KeystrokeEndingInAMiss(benchmark::State& state) {
  HintBench bench(static_cast<uint32_t>(state.range(0)));
  DictionaryFile& file = bench.pair.russianHebrew;
  size_t i = 0;
  for (auto _ : state) {
    const std::u16string& typed = typedForms()[i++ % typedForms().size()];
    const TypedQuery query = makeTypedQuery(typed, Direction::RussianHebrew, bench.device);
    const uint32_t found = findTypedPrefix(query.view(), file, Direction::RussianHebrew, bench.device).value_or(0);
    benchmark::DoNotOptimize(bench.hints->hintFor(Direction::RussianHebrew, typed));
    RecordBuffer buffer{};
    for (uint32_t row = found; row < found + 20 && row < file.entryCount(); ++row) {
      EntryRecord record{};
      const auto pos = readListRecordPos(file, row);
      if (pos && file.readRecord(*pos, buffer, record))
        benchmark::DoNotOptimize(RussianDisplayText(record.headword(), bench.device));
    }
    EntryRecord record{};
    const auto pos = readListRecordPos(file, found);
    if (pos && file.readRecord(*pos, buffer, record))
      benchmark::DoNotOptimize(ComposeArticleMain(record, Direction::RussianHebrew, bench.device));
  }
}

}  // namespace

BENCHMARK(BM_RussianAnalysisOfAMiss);
BENCHMARK(BM_LookupHintForAMiss)->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->ArgName("entries");
BENCHMARK(BM_KeystrokeEndingInAMiss)->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->ArgName("entries");

}  // namespace orva::bench
