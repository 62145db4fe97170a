// The builder on 100k synthetic entries: parsing the source, and laying out
// the dictionary from parsed entries.
#include <benchmark/benchmark.h>

#include "bench_dictionaries.h"
#include "tools/dictionary_builder.h"
#include "tools/source_parser.h"
#include "tools/synthetic_source.h"

namespace orva::bench {

namespace {

constexpr uint32_t kEntries = 100'000;

Direction directionOf(const benchmark::State& state) {
  return state.range(0) == 0 ? Direction::RussianHebrew : Direction::HebrewRussian;
}

void BM_ParseSource100k(benchmark::State& state) {
  const Direction direction = directionOf(state);
  const std::string source = generateSource(direction, kEntries, kSeed);
  for (auto _ : state) {
    ParseResult parsed;
    parseSource(source, "synthetic", direction, parsed);
    checkEntrySet(parsed);
    benchmark::DoNotOptimize(parsed.entries.data());
  }
  state.SetLabel(std::string(directionName(direction)));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

void BM_BuildDictionary100k(benchmark::State& state) {
  const Direction direction = directionOf(state);
  ParseResult parsed;
  parseSource(generateSource(direction, kEntries, kSeed), "synthetic", direction, parsed);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<SourceEntry> entries = parsed.entries;
    state.ResumeTiming();
    std::vector<uint8_t> bytes;
    std::string error;
    benchmark::DoNotOptimize(buildDictionary(direction, std::move(entries), bytes, error));
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetLabel(std::string(directionName(direction)));
}

}  // namespace

BENCHMARK(BM_ParseSource100k)->Arg(0)->Arg(1)->ArgName("he")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildDictionary100k)->Arg(0)->Arg(1)->ArgName("he")->Unit(benchmark::kMillisecond);

}  // namespace orva::bench
