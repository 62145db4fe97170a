// A page of the headword list as the window fills it: the thumb dragged to
// a random place refills every row from the list index and repaints it,
// reading each row's record and converting its headword for display. The
// window runs over the in-memory platform on the reference screen.
#include <benchmark/benchmark.h>

#include "bench_dictionaries.h"
#include "ui/memory_platform.h"

namespace orva::bench {

namespace {

void BM_HeadwordPageFill(benchmark::State& state) {
  const auto entries = static_cast<uint32_t>(state.range(0));
  MemoryOptions options;
  options.directory = dictionaryDirectory(entries);
  // A device that shows Hebrew in visual order: the costlier conversion.
  options.device = DeviceSettings{kLanguageRussian, CodePage::Cyrillic1251};
  MemoryPlatform platform(options);
  platform.start();
  const auto positions = sampleIndexes(entries, 4096);
  size_t i = 0;
  for (auto _ : state) {
    platform.scroll(ScrollRequest::ThumbTrack, static_cast<int32_t>(positions[i++ % positions.size()]));
  }
  const int rows = platform.dialog().headwordList().rowCount();
  state.counters["rows"] = rows;
  state.SetLabel("he-ru, " + std::to_string(rows) + " rows");
}

}  // namespace

BENCHMARK(BM_HeadwordPageFill)->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->ArgName("entries");

}  // namespace orva::bench
