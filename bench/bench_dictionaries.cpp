// Building and caching the benchmark dictionaries.
#include "bench_dictionaries.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "store/list_index.h"
#include "store/record_reader.h"
#include "tools/dictionary_builder.h"
#include "tools/source_parser.h"
#include "tools/synthetic_source.h"

namespace orva::bench {

namespace {

[[noreturn]] void fail(const std::string& message) {
  std::fprintf(stderr, "orva_bench: %s\n", message.c_str());
  std::exit(2);
}

std::string cacheRoot() {
  if (const char* dir = std::getenv("ORVA_BENCH_DIR"); dir != nullptr && *dir != '\0') return dir;
  return (std::filesystem::temp_directory_path() / "orva-bench").string();
}

void buildInto(const std::string& path, Direction direction, uint32_t entries) {
  std::fprintf(stderr, "orva_bench: building %s (%u entries)...\n", path.c_str(), entries);
  ParseResult parsed;
  parseSource(generateSource(direction, entries, kSeed), "synthetic", direction, parsed);
  checkEntrySet(parsed);
  if (!parsed.problems.empty()) fail("synthetic source refused: " + parsed.problems.front());
  std::vector<uint8_t> bytes;
  std::string error;
  if (!buildDictionary(direction, std::move(parsed.entries), bytes, error) ||
      !writeFileAtomically(path, bytes, error))
    fail(error);
}

}  // namespace

const std::string& dictionaryDirectory(uint32_t entries) {
  static std::map<uint32_t, std::string> directories;
  auto it = directories.find(entries);
  if (it != directories.end()) return it->second;
  const std::string dir = cacheRoot() + "/" + std::to_string(entries) + "-seed" + std::to_string(kSeed);
  std::filesystem::create_directories(dir);
  for (Direction d : {Direction::RussianHebrew, Direction::HebrewRussian}) {
    const std::string path = dir + "/" + std::string(dictionaryFileName(d));
    DictionaryFile probe;
    if (!probe.open(path) || probe.entryCount() != entries) buildInto(path, d, entries);
  }
  return directories.emplace(entries, dir).first->second;
}

void openDictionary(DictionaryFile& file, uint32_t entries, Direction direction, FileAccessMode mode) {
  const std::string path = dictionaryDirectory(entries) + "/" + std::string(dictionaryFileName(direction));
  if (!file.open(path)) fail("cannot open " + path);
  // The header is read; the same file is read from now on the way asked.
  if (!file.handle.open(path, mode)) fail("cannot reopen " + path);
}

std::vector<uint32_t> sampleIndexes(uint32_t limit, size_t count) {
  std::vector<uint32_t> out;
  uint64_t state = 0x2545F4914F6CDD1Dull;
  for (size_t i = 0; i < count; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    out.push_back(static_cast<uint32_t>(state % limit));
  }
  return out;
}

std::vector<std::string> sampleHeadwords(DictionaryFile& file, size_t count, size_t minBytes) {
  std::vector<std::string> out;
  RecordBuffer buffer{};
  for (uint32_t index : sampleIndexes(file.entryCount(), count * 20)) {
    EntryRecord record{};
    const auto pos = readListRecordPos(file, index);
    if (!pos || !file.readRecord(*pos, buffer, record)) continue;
    if (record.headword().size() >= minBytes) out.emplace_back(record.headword());
    if (out.size() == count) break;
  }
  if (out.empty()) fail("no headwords to sample");
  return out;
}

const char* accessName(FileAccessMode mode) {
  switch (mode) {
    case FileAccessMode::Mapped: return "mmap";
    case FileAccessMode::PositionalRead: return "pread";
    case FileAccessMode::BufferedStream: return "FILE*";
  }
  return "?";
}

}  // namespace orva::bench
