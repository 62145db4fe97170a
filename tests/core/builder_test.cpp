// The dictionary builder: what it refuses, how it orders entries, and that
// dump, build and check agree with each other.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "store/list_index.h"
#include "store/record_reader.h"
#include "support/test_files.h"
#include "tools/dictionary_builder.h"
#include "tools/dictionary_checker.h"
#include "tools/dictionary_dump.h"
#include "tools/source_parser.h"

namespace orva {
namespace {

std::vector<std::string> problemsOf(Direction d, const std::string& source) {
  ParseResult result;
  parseSource(source, "s.src", d, result);
  checkEntrySet(result);
  return result.problems;
}

// The single problem reported for `source`, which must start with `where`
// and mention `what`.
void expectProblem(Direction d, const std::string& source, const std::string& where, const std::string& what) {
  const auto problems = problemsOf(d, source);
  ASSERT_EQ(problems.size(), 1u) << source << (problems.empty() ? "" : "\n" + problems[0]);
  EXPECT_EQ(problems[0].rfind(where, 0), 0u) << problems[0];
  EXPECT_NE(problems[0].find(what), std::string::npos) << problems[0];
}

TEST(SourceParser, ReportsEachProblemWithFileAndLine) {
  const auto ru = Direction::RussianHebrew;
  const auto he = Direction::HebrewRussian;
  expectProblem(ru, "entry 1 1\nheadword Ёлка\n", "s.src:2:", "write Е instead");
  expectProblem(ru, "entry 1 1\nheadword a\nrussian «да»\n", "s.src:3:", "write \" instead");
  expectProblem(ru, "entry 1 1\nheadword a\nrussian да — нет\n", "s.src:3:", "write - instead");
  expectProblem(ru, "entry 1 1\nheadword a\nrussian שלום\n", "s.src:3:", "no place in Russian text");
  expectProblem(he, "entry 1 1\nheadword צה״ל\n", "s.src:2:", "write \" instead");
  expectProblem(he, "entry 1 1\nheadword א\ndisplay ־א\n", "s.src:3:", "in pairs");
  expectProblem(he, "entry 1 1\nheadword א\ndisplay |א|\n", "s.src:3:", "U+05BE");
  expectProblem(ru, "entry 1 1\nheadword к|о|т\n", "s.src:2:", "belong in \"display\"");
  expectProblem(ru, "entry 1 1\nheadword a\ndisplay a<b\n", "s.src:3:", "&lt;");
  expectProblem(ru, "entry 1 1\nheadword a\nentry 1 1\nheadword b\n", "s.src:3:", "given twice");
  expectProblem(ru, "entry 1\nheadword a\n", "s.src:1:", "entry GROUP FORM");
  expectProblem(ru, "entry 1 1000\n", "s.src:1:", "entry GROUP FORM");
  expectProblem(ru, "entry 1 1\nheadword a\ncolour red\n", "s.src:3:", "unknown keyword");
  expectProblem(ru, "headword a\n", "s.src:1:", "outside an entry");
  expectProblem(ru, "direction he-ru\n", "s.src:1:", "being built is ru-he");
  expectProblem(ru, "entry 1 1\ndisplay a\n", "s.src:1:", "no headword");
  expectProblem(ru, "entry 1 1\nheadword\n", "s.src:2:", "headword is empty");
  expectProblem(ru, "entry 1 1\nheadword a\nheadword b\n", "s.src:3:", "given twice");
  expectProblem(ru, "entry 1 1\nheadword a\nnumber three\n", "s.src:3:", "bad value");
  expectProblem(ru, "entry 1 1\nheadword a\nattributes 1 2 3\n", "s.src:3:", "six numbers");
  expectProblem(ru, "entry 1 1\nheadword \xff\n", "s.src:2:", "UTF-8");
  // A NUL in any field, shown or not, would end the text early in the record.
  expectProblem(ru, std::string("entry 1 1\nheadword a\nfield4 x\0y\n", 32), "s.src:3:", "U+0000");
  expectProblem(ru, std::string("entry 1 1\nheadword a\0b\n", 23), "s.src:2:", "U+0000");
  expectProblem(ru, "entry 1 1\nheadword a\nrussian " + std::string(4090, 'x') + "\n", "s.src:1:", "must fit in 4096");
}

TEST(SourceParser, AcceptsWhatTheDisplayShowsAsItself) {
  EXPECT_TRUE(problemsOf(Direction::RussianHebrew,
                         "# comment\ndirection ru-he\n\nentry 2147482 999\n  headword   ёлка  \ndisplay |ё|лка\n"
                         "translation ־ע־ץ אשוח\nrussian Ещё (1) [2] - \"да\"\nnumber pl\ngender f\nconstruct yes\n")
                  .empty());
  EXPECT_TRUE(problemsOf(Direction::HebrewRussian, "entry 0 0\nheadword צה\"ל\ndisplay שָׁלוֹם ־צה\"ל־\n").empty());
}

TEST(SourceParser, EscapesGiveBlanksAndRawBytes) {
  ParseResult result;
  parseSource("entry 1 1\nheadword a\\_\nfield1 \\x01\\t\\\\\n", "s.src", Direction::RussianHebrew, result);
  ASSERT_TRUE(result.problems.empty()) << result.problems[0];
  EXPECT_EQ(result.entries[0].fields[0], "a ");
  EXPECT_EQ(result.entries[0].fields[1], "\x01\t\\");
}

TEST(Collation, RussianIgnoresCaseAndSortsYoAsYe) {
  EXPECT_EQ(collationView(Direction::RussianHebrew, test::cp1251("Ёлка")), test::cp1251("елка"));
  EXPECT_EQ(searchKeyOf(Direction::RussianHebrew, test::cp1251("Достопримечательность")),
            test::cp1251("достоприме"));
  EXPECT_EQ(collationView(Direction::HebrewRussian, test::cp1255("צה\"ל")), test::cp1255("צהל"));
  EXPECT_EQ(collationView(Direction::HebrewRussian, test::cp1255("א'ב\"ג")), test::cp1255("אב\"ג"));
}

class BuiltDictionaryTest : public ::testing::Test {
 protected:
  void build(Direction d, const std::string& source) {
    direction_ = d;
    path_ = dir_.file(d == Direction::RussianHebrew ? "rusheb.dic" : "hebrus.dic");
    test::buildAndOpen(d, source, path_, file_);
  }
  std::vector<std::string> headwords() {
    std::vector<std::string> out;
    RecordBuffer buffer{};
    for (uint32_t i = 0; i < file_.entryCount(); ++i) {
      EntryRecord record{};
      const auto pos = readListRecordPos(file_, i);
      EXPECT_TRUE(pos && readRecord(file_.handle, file_.recordBase(), file_.formatVersion(), *pos, buffer, record));
      EXPECT_EQ(record.listOrdinal, i);
      out.emplace_back(record.headword());
    }
    return out;
  }

  test::TempDir dir_;
  DictionaryFile file_;
  std::string path_;
  Direction direction_ = Direction::RussianHebrew;
};

TEST_F(BuiltDictionaryTest, EntriesAreOrderedAsTheSearchNeeds) {
  build(Direction::RussianHebrew,
        "entry 1 1\nheadword ель\nentry 2 1\nheadword ёж\nentry 3 1\nheadword Дом\nentry 4 1\nheadword дом\n"
        "entry 5 1\nheadword еда\nentry 6 1\nheadword дом\n");
  using test::cp1251;
  EXPECT_EQ(headwords(), (std::vector<std::string>{cp1251("Дом"), cp1251("дом"), cp1251("дом"), cp1251("еда"),
                                                   cp1251("ёж"), cp1251("ель")}));
  EXPECT_EQ(file_.searchEntryCount(), 4u);  // one key per distinct lower-case start
  EXPECT_TRUE(checkDictionary(file_, direction_).empty());
}

TEST_F(BuiltDictionaryTest, SpellingsTheSearchCannotTellApartShareOneKeyPlainFirst) {
  build(Direction::RussianHebrew, "entry 1 1\nheadword перёд\nentry 2 1\nheadword перед\nentry 3 1\nheadword пес\n");
  using test::cp1251;
  EXPECT_EQ(headwords(), (std::vector<std::string>{cp1251("перед"), cp1251("перёд"), cp1251("пес")}));
  EXPECT_EQ(file_.searchEntryCount(), 2u);
  EXPECT_TRUE(checkDictionary(file_, direction_).empty());
}

TEST_F(BuiltDictionaryTest, DumpBuildsBackByteForByte) {
  build(Direction::HebrewRussian,
        "entry 7 3\nheadword ספר\ndisplay ־ס־פר\nrussian книга\nfield1 \\x01x\nfield4 \\_y\\_\n"
        "attributes 1 2 3 4 5 6\nentry 7 401\nheadword ספרים\nnumber pl\ngender m\nconstruct yes\n"
        "entry 2 1\nheadword אב\ntranslation \\x7F\n");
  std::string dumped, error;
  ASSERT_TRUE(dumpDictionary(file_, direction_, dumped, error)) << error;
  EXPECT_EQ(test::buildFromSource(direction_, dumped), test::readBytes(path_)) << dumped;
}

TEST_F(BuiltDictionaryTest, BundledExamplesRoundTripAndCheckClean) {
  for (const auto& [name, d] : {std::pair{"hebrus", Direction::HebrewRussian}, {"rusheb", Direction::RussianHebrew}}) {
    std::ifstream in(std::string(ORVA_SOURCE_DIR) + "/data/example/" + name + ".src");
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(source.empty());
    build(d, source);
    EXPECT_TRUE(checkDictionary(file_, d).empty());
    std::string dumped, error;
    ASSERT_TRUE(dumpDictionary(file_, d, dumped, error));
    EXPECT_EQ(test::buildFromSource(d, dumped), test::readBytes(path_));
  }
}

TEST_F(BuiltDictionaryTest, CheckReportsAFlippedTableByte) {
  build(Direction::RussianHebrew, "entry 1 1\nheadword аб\nentry 2 1\nheadword вг\nentry 3 1\nheadword де\n");
  auto bytes = test::readBytes(path_);
  const std::vector<size_t> offsets = {
      kHeaderSize + 0,                        // a search key's first byte: keys out of order
      kHeaderSize + 3 * 14 + 4,               // a list entry's record position
      kHeaderSize + 3 * 14 + 3 * 8 + 8 + 0,   // an id
  };
  for (size_t offset : offsets) {
    auto damaged = bytes;
    damaged[offset] ^= 0x5A;
    test::writeBytes(dir_.file("bad.dic"), damaged);
    DictionaryFile bad;
    ASSERT_TRUE(bad.open(dir_.file("bad.dic")));
    EXPECT_FALSE(checkDictionary(bad, direction_).empty()) << offset;
  }
}

TEST(WriteFileAtomically, FailureLeavesTheOldFileAndNoTemporary) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  test::TempDir dir;
  const std::string path = dir.file("hebrus.dic");
  test::writeBytes(path, {1, 2, 3});
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  std::string error;
  EXPECT_FALSE(writeFileAtomically(path, {4, 5}, error));
  EXPECT_FALSE(error.empty());
  chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(test::readBytes(path), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(WriteFileAtomically, FailedRenameLeavesNoTemporary) {
  test::TempDir dir;
  const std::string target = dir.file("taken");
  std::filesystem::create_directory(target);
  test::writeBytes(target + "/inside", {1});
  std::string error;
  EXPECT_FALSE(writeFileAtomically(target, {4, 5}, error));
  EXPECT_NE(error.find("cannot rename"), std::string::npos) << error;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  EXPECT_EQ(test::readBytes(target + "/inside"), (std::vector<uint8_t>{1}));
}

TEST(WriteFileAtomically, ReplacesTheFileWhole) {
  test::TempDir dir;
  const std::string path = dir.file("x.dic");
  test::writeBytes(path, {1, 2, 3});
  std::string error;
  ASSERT_TRUE(writeFileAtomically(path, {9}, error)) << error;
  EXPECT_EQ(test::readBytes(path), (std::vector<uint8_t>{9}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace orva
