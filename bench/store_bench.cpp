// The store's reads on dictionaries of 1k, 100k and 1M entries: the typed
// lookup, the record read, the two table searches, and an he-ru article
// with its related forms; the lookup and record read for each of the three
// ways of reading the file.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "article/article_page.h"
#include "bench_dictionaries.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "store/record_reader.h"
#include "store/table_search.h"
#include "text/typed_query.h"

namespace orva::bench {

namespace {

constexpr size_t kSamples = 4096;
const DeviceSettings kHebrewDevice{kLanguageHebrew, CodePage::Hebrew1255};

Direction directionOf(const benchmark::State& state) {
  return state.range(1) == 0 ? Direction::RussianHebrew : Direction::HebrewRussian;
}

FileAccessMode accessOf(const benchmark::State& state) {
  return static_cast<FileAccessMode>(state.range(2));
}

// The queries a lookup receives: headword prefixes of `length` bytes (all
// of it when 0), folded as the typed text is.
std::vector<std::string> queries(DictionaryFile& file, Direction direction, size_t length, size_t minBytes) {
  std::vector<std::string> out = sampleHeadwords(file, kSamples, minBytes);
  for (std::string& q : out) {
    if (length != 0) q.resize(std::min(q.size(), length));
    if (direction == Direction::RussianHebrew)
      lowerRussianBytes(reinterpret_cast<uint8_t*>(q.data()), q.size());
  }
  return out;
}

void setLabel(benchmark::State& state) {
  state.SetLabel(std::string(directionName(directionOf(state))) + " " + accessName(accessOf(state)));
}

// A keystroke's lookup: a query of at most ten bytes, never walking.
void BM_FindTypedPrefixShort(benchmark::State& state) {
  const Direction direction = directionOf(state);
  DictionaryFile file;
  openDictionary(file, static_cast<uint32_t>(state.range(0)), direction, accessOf(state));
  const auto typed = queries(file, direction, 4, 1);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(findTypedPrefix(typed[i++ % typed.size()], file, direction, kHebrewDevice));
  }
  setLabel(state);
}

// A whole long headword: the search and the walk over the records.
void BM_FindTypedPrefixLong(benchmark::State& state) {
  const Direction direction = directionOf(state);
  DictionaryFile file;
  openDictionary(file, static_cast<uint32_t>(state.range(0)), direction, accessOf(state));
  const auto typed = queries(file, direction, 0, 11);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(findTypedPrefix(typed[i++ % typed.size()], file, direction, kHebrewDevice));
  }
  setLabel(state);
}

// One record at a random list number: the list index entry and the record.
void BM_ReadRecord(benchmark::State& state) {
  const Direction direction = directionOf(state);
  DictionaryFile file;
  openDictionary(file, static_cast<uint32_t>(state.range(0)), direction, accessOf(state));
  const auto indexes = sampleIndexes(file.entryCount(), kSamples);
  RecordBuffer buffer{};
  size_t i = 0;
  for (auto _ : state) {
    EntryRecord record{};
    const auto pos = readListRecordPos(file, indexes[i++ % indexes.size()]);
    benchmark::DoNotOptimize(file.readRecord(*pos, buffer, record));
  }
  setLabel(state);
}

// The binary search of the search index on ten-byte keys.
void BM_FindEntrySearchIndex(benchmark::State& state) {
  const Direction direction = directionOf(state);
  DictionaryFile file;
  openDictionary(file, static_cast<uint32_t>(state.range(0)), direction, accessOf(state));
  std::vector<SearchKey> keys;
  for (const std::string& q : queries(file, direction, kSearchKeyBytes, 1)) {
    SearchKey key{};
    std::copy(q.begin(), q.end(), key.begin());
    keys.push_back(key);
  }
  uint8_t entry[kSearchEntrySize];
  size_t i = 0;
  for (auto _ : state) {
    const SearchKey& key = keys[i++ % keys.size()];
    benchmark::DoNotOptimize(findEntry(file.handle, file.searchEntryCount(), kSearchEntrySize,
                                       file.header.searchIndexOffset(), entry,
                                       [&](const uint8_t* e) { return compareSearchKey(direction, key, e); }));
  }
  setLabel(state);
}

// The binary search of the id index, as the related forms use it.
void BM_FindEntryIdIndex(benchmark::State& state) {
  const Direction direction = directionOf(state);
  DictionaryFile file;
  openDictionary(file, static_cast<uint32_t>(state.range(0)), direction, accessOf(state));
  std::vector<int32_t> ids;
  RecordBuffer buffer{};
  for (uint32_t index : sampleIndexes(file.entryCount(), kSamples)) {
    EntryRecord record{};
    file.readRecord(*readListRecordPos(file, index), buffer, record);
    ids.push_back(static_cast<int32_t>(record.entryId));
  }
  const uint32_t count = file.entryCount();
  uint8_t entry[kIdEntrySize];
  size_t i = 0;
  for (auto _ : state) {
    const int32_t id = ids[i++ % ids.size()];
    benchmark::DoNotOptimize(findEntry(file.handle, count, kIdEntrySize, file.header.idIndexOffset(), entry,
                                       [&](const uint8_t* e) { return compareEntryId(id, e); }));
  }
  setLabel(state);
}

// The page of a Hebrew-Russian verb: the main part and its related forms
// found through the id index, on random entries of the dictionary.
void BM_ArticleHebrewRussian(benchmark::State& state) {
  DictionaryFile file;
  openDictionary(file, static_cast<uint32_t>(state.range(0)), Direction::HebrewRussian, accessOf(state));
  std::vector<uint32_t> positions;
  RecordBuffer buffer{};
  for (uint32_t index : sampleIndexes(file.entryCount(), kSamples)) {
    EntryRecord record{};
    const auto pos = readListRecordPos(file, index);
    file.readRecord(*pos, buffer, record);
    if (isLabelledVerbForm(record.formCode())) positions.push_back(*pos);
  }
  size_t i = 0, bytes = 0;
  for (auto _ : state) {
    EntryRecord record{};
    file.readRecord(positions[i++ % positions.size()], buffer, record);
    PageCollector view;
    ShowArticlePage(record, Direction::HebrewRussian, kHebrewDevice, file, view);
    bytes += view.page().size();
    benchmark::DoNotOptimize(view.page().data());
  }
  state.counters["page_chars"] = benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
  state.SetLabel(accessName(accessOf(state)));
}

constexpr int64_t kMapped = static_cast<int64_t>(FileAccessMode::Mapped);
const std::vector<int64_t> kSizes{1'000, 100'000, 1'000'000};
const std::vector<int64_t> kBothDirections{0, 1};
const std::vector<int64_t> kEveryAccess{static_cast<int64_t>(FileAccessMode::Mapped),
                                        static_cast<int64_t>(FileAccessMode::PositionalRead),
                                        static_cast<int64_t>(FileAccessMode::BufferedStream)};

}  // namespace

BENCHMARK(BM_FindTypedPrefixShort)->ArgsProduct({kSizes, kBothDirections, kEveryAccess})->ArgNames({"entries", "he", "access"});
BENCHMARK(BM_FindTypedPrefixLong)->ArgsProduct({kSizes, {0}, kEveryAccess})->ArgNames({"entries", "he", "access"});
BENCHMARK(BM_ReadRecord)->ArgsProduct({kSizes, kBothDirections, kEveryAccess})->ArgNames({"entries", "he", "access"});
BENCHMARK(BM_FindEntrySearchIndex)->ArgsProduct({kSizes, kBothDirections, {kMapped}})->ArgNames({"entries", "he", "access"});
BENCHMARK(BM_FindEntryIdIndex)->ArgsProduct({kSizes, kBothDirections, {kMapped}})->ArgNames({"entries", "he", "access"});
BENCHMARK(BM_ArticleHebrewRussian)->ArgsProduct({kSizes, {1}, kEveryAccess})->ArgNames({"entries", "he", "access"});

}  // namespace orva::bench
