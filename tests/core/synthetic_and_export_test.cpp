// The synthetic source generator, whose output the benchmarks trust to be a
// valid and realistic dictionary, and the StarDict export, which another
// program must be able to read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "store/byte_order.h"
#include "support/test_files.h"
#include "tools/dictionary_checker.h"
#include "tools/source_parser.h"
#include "tools/stardict_export.h"
#include "tools/synthetic_source.h"

namespace orva {
namespace {

ParseResult parse(Direction direction, const std::string& text) {
  ParseResult parsed;
  parseSource(text, "synthetic", direction, parsed);
  checkEntrySet(parsed);
  return parsed;
}

TEST(SyntheticSource, IsDeterministicValidAndHasTheShapeOfADictionary) {
  for (Direction d : {Direction::RussianHebrew, Direction::HebrewRussian}) {
    SCOPED_TRACE(directionName(d));
    const std::string text = generateSource(d, 3000, 5);
    EXPECT_EQ(text, generateSource(d, 3000, 5));
    EXPECT_NE(text, generateSource(d, 3000, 6));
    // Pieces handed to a sink add up to the same text.
    std::string pieces;
    int calls = 0;
    generateSource(d, 3000, 5, [&](std::string_view piece) { pieces += piece, ++calls; });
    EXPECT_EQ(pieces, text);
    EXPECT_GT(calls, 1);

    const ParseResult parsed = parse(d, text);
    ASSERT_TRUE(parsed.problems.empty()) << parsed.problems.front();
    ASSERT_EQ(parsed.entries.size(), 3000u);

    std::map<uint32_t, int> groupSizes;
    std::map<std::string, int> prefixes;
    size_t longHeadwords = 0, lengths = 0;
    for (const SourceEntry& e : parsed.entries) {
      ++groupSizes[e.group];
      ++prefixes[e.fields[0].substr(0, 2)];
      longHeadwords += e.fields[0].size() > 10;
      lengths += e.fields[0].size();
    }
    // Groups of related forms, headwords sharing prefixes, realistic lengths.
    EXPECT_LT(groupSizes.size(), 1500u);
    EXPECT_LT(prefixes.size(), 1000u);
    const double mean = static_cast<double>(lengths) / 3000;
    EXPECT_GT(mean, d == Direction::RussianHebrew ? 6.0 : 4.0);
    EXPECT_LT(mean, 12.0);
    if (d == Direction::RussianHebrew) {
      EXPECT_GT(longHeadwords, 100u);  // queries that walk
    }

    test::TempDir dir;
    DictionaryFile file;
    test::buildAndOpen(d, text, dir.file("x.dic"), file);
    EXPECT_TRUE(checkDictionary(file, d).empty());
  }
  // Hebrew groups hold verbs with their labelled forms and listed relatives.
  std::set<uint32_t> forms;
  for (const SourceEntry& e : parse(Direction::HebrewRussian, generateSource(Direction::HebrewRussian, 500, 1)).entries)
    forms.insert(e.formCode);
  for (uint32_t code : {1u, 2u, 401u, 500u, 501u, 533u}) EXPECT_TRUE(forms.count(code)) << code;
}

TEST(StarDictExport, OrderComparesAsciiWithoutCaseThenBytes) {
  EXPECT_TRUE(starDictLess("apple", "Banana"));
  EXPECT_TRUE(starDictLess("Apple", "apple"));
  EXPECT_FALSE(starDictLess("apple", "Apple"));
  EXPECT_TRUE(starDictLess("ab", "abc"));
  EXPECT_TRUE(starDictLess("z", "\xD0\xB0"));  // bytes above 0x7F sort after ASCII
  EXPECT_FALSE(starDictLess("x", "x"));
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(StarDictExport, WritesAConsistentIndexOverTheArticles) {
  test::TempDir dir;
  DictionaryFile file;
  test::buildAndOpen(Direction::HebrewRussian, generateSource(Direction::HebrewRussian, 400, 2),
                     dir.file("hebrus.dic"), file);
  StarDictSummary summary;
  std::string error;
  ASSERT_TRUE(exportStarDict(file, Direction::HebrewRussian, dir.path(), "hebrus", summary, error)) << error;
  EXPECT_EQ(summary.words, 400u);
  EXPECT_EQ(summary.skipped, 0u);

  const std::string ifo = readText(dir.file("hebrus.ifo"));
  const std::string idx = readText(dir.file("hebrus.idx"));
  const std::string dict = readText(dir.file("hebrus.dict"));
  EXPECT_EQ(ifo.rfind("StarDict's dict ifo file\nversion=2.4.2\n", 0), 0u);
  EXPECT_NE(ifo.find("\nwordcount=400\n"), std::string::npos);
  EXPECT_NE(ifo.find("\nidxfilesize=" + std::to_string(idx.size()) + "\n"), std::string::npos);
  EXPECT_NE(ifo.find("\nsametypesequence=m\n"), std::string::npos);

  // Every word in order, each pointing at its article inside the .dict,
  // the articles covering the .dict without gaps.
  size_t at = 0, words = 0;
  uint64_t covered = 0;
  std::string previous;
  while (at < idx.size()) {
    const size_t end = idx.find('\0', at);
    ASSERT_NE(end, std::string::npos);
    ASSERT_LE(end + 9, idx.size());
    const std::string word = idx.substr(at, end - at);
    const auto* p = reinterpret_cast<const uint8_t*>(idx.data() + end + 1);
    const uint32_t offset = uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
    const uint32_t size = uint32_t{p[4]} << 24 | uint32_t{p[5]} << 16 | uint32_t{p[6]} << 8 | p[7];
    ASSERT_LE(uint64_t{offset} + size, dict.size());
    // The article begins with its headword.
    EXPECT_EQ(dict.compare(offset, word.size(), word), 0) << word;
    EXPECT_FALSE(starDictLess(word, previous)) << previous << " > " << word;
    previous = word;
    covered += size;
    at = end + 9;
    ++words;
  }
  EXPECT_EQ(words, 400u);
  EXPECT_EQ(covered, dict.size());
}

size_t filesIn(const std::string& dir) {
  return static_cast<size_t>(
      std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

// A damaged file is refused before anything is written: a header claiming
// more entries than the file holds, and list rows that lead to one record
// again and again (which would repeat its article, related forms and all,
// into an output thousands of times the file's size).
TEST(StarDictExport, RefusesAFileThatClaimsMoreThanItHolds) {
  test::RawDictionary claiming = test::threeHebrewEntries();
  claiming.entryCount = 0xFFFFFFFF;
  test::RawDictionary repeating = test::threeHebrewEntries();
  repeating.listIndex.clear();
  for (int i = 0; i < 3; ++i) test::addListEntry(repeating.listIndex, 0);
  repeating.entryTablesSize = 16 * 3;
  for (const test::RawDictionary& damaged : {claiming, repeating}) {
    test::TempDir dir;
    test::writeBytes(dir.file("hebrus.dic"), damaged.bytes());
    DictionaryFile file;
    ASSERT_TRUE(file.open(dir.file("hebrus.dic")));
    StarDictSummary summary;
    std::string error;
    EXPECT_FALSE(exportStarDict(file, Direction::HebrewRussian, dir.path(), "hebrus", summary, error));
    EXPECT_NE(error.find("damaged"), std::string::npos) << error;
    EXPECT_EQ(filesIn(dir.path()), 1u);  // nothing written, nothing left behind
  }
}

// Articles growing past the bound (64 times the file, at least 64 MiB)
// stop the export, and the part written is removed.
TEST(StarDictExport, StopsAtItsOutputBoundAndLeavesNothing) {
  EXPECT_EQ(starDictOutputLimit(1000), uint64_t{64} << 20);
  EXPECT_EQ(starDictOutputLimit(uint64_t{10} << 20), uint64_t{640} << 20);
  test::TempDir dir;
  DictionaryFile file;
  test::buildAndOpen(Direction::HebrewRussian, generateSource(Direction::HebrewRussian, 400, 2),
                     dir.file("hebrus.dic"), file);
  StarDictSummary summary;
  std::string error;
  EXPECT_FALSE(exportStarDict(file, Direction::HebrewRussian, dir.path(), "hebrus", summary, error, 4096));
  EXPECT_NE(error.find("over 4096 bytes"), std::string::npos) << error;
  EXPECT_EQ(filesIn(dir.path()), 1u);
}

}  // namespace
}  // namespace orva
