// Markup in the shown texts of a record: the builder refuses tags and
// attributes the article pages do not use, written as characters or as raw
// bytes, and the checker finds them in a file made elsewhere.
#include <gtest/gtest.h>

#include "support/test_files.h"
#include "tools/dictionary_checker.h"
#include "tools/source_parser.h"

namespace orva {
namespace {

std::vector<std::string> problemsOf(Direction d, const std::string& source) {
  ParseResult result;
  parseSource(source, "s.src", d, result);
  return result.problems;
}

TEST(RecordMarkup, TheBuilderRefusesTagsThePagesDoNotUse) {
  const auto he = Direction::HebrewRussian;
  const auto ru = Direction::RussianHebrew;
  const std::string entry = "entry 1 1\nheadword א\n";
  struct Case {
    Direction direction;
    std::string source;
    std::string mentions;
  };
  const std::vector<Case> refused = {
      {he, entry + "russian <img src=\"/dev/zero\">\n", "<img>"},
      {he, entry + "russian \\x3Cimg src=/dev/zero>\n", "<img>"},  // written as a raw byte
      {he, entry + "russian <table><tr><td>x</td></tr></table>\n", "<table>"},
      {he, entry + "russian <a href=\"file:///etc/passwd\">x</a>\n", "<a>"},
      {he, entry + "russian <font style=\"background-image: url(/dev/zero)\">x</font>\n", "style="},
      {he, entry + "russian <body background=x>\n", "<body>"},
      {he, entry + "russian <!-- x -->\n", "comments"},
      {he, entry + "russian a <b\n", "not closed"},
      {ru, "entry 1 1\nheadword a\ntranslation \\x3Cimg src=x>\n", "<img>"},
      {ru, "entry 1 1\nheadword a\nrussian <link rel=stylesheet href=x>\n", "<link>"},
  };
  for (const Case& c : refused) {
    const auto problems = problemsOf(c.direction, c.source);
    ASSERT_EQ(problems.size(), 1u) << c.source;
    EXPECT_EQ(problems[0].rfind("s.src:3: ", 0), 0u) << problems[0];
    EXPECT_NE(problems[0].find(c.mentions), std::string::npos) << problems[0];
  }
  // The page tags with the pages' attributes are accepted, and so is a "<"
  // that opens no tag.
  EXPECT_TRUE(problemsOf(he, entry + "russian <b>писать</b>, <i>записывать</i><br><font color=\"red\">1 < 2</font>\n")
                  .empty());
  // A text that is never shown is not the page's business.
  EXPECT_TRUE(problemsOf(he, entry + "field4 <img src=x>\n").empty());
}

// A Hebrew-Russian file of two entries whose Russian texts are given.
test::RawDictionary twoEntriesWithRussian(const std::string& first, const std::string& second) {
  test::RawDictionary dict;
  const std::vector<std::string> words = {"אב", "בית"};
  const std::vector<std::string> russian = {first, second};
  uint32_t pos = 0;
  for (uint32_t i = 0; i < 2; ++i) {
    auto record = test::plainRecord({test::cp1255(words[i]), "", "", "", "", russian[i]}, 7001 + i, i);
    test::addSearchEntry(dict.searchIndex, test::cp1255(words[i]), pos);
    test::addListEntry(dict.listIndex, pos);
    test::addIdEntry(dict.idIndex, static_cast<int32_t>(7001 + i), pos);
    pos += static_cast<uint32_t>(record.size());
    dict.records.push_back(record);
  }
  return dict;
}

TEST(RecordMarkup, TheCheckerReportsARecordWithForeignTags) {
  test::TempDir dir;
  const auto checked = [&](const std::string& first, const std::string& second) {
    test::writeBytes(dir.file("hebrus.dic"), twoEntriesWithRussian(first, second).bytes());
    DictionaryFile file;
    EXPECT_TRUE(file.open(dir.file("hebrus.dic")));
    return checkDictionary(file, Direction::HebrewRussian);
  };
  EXPECT_TRUE(checked("<b>x</b>", "a < b").empty());
  const auto problems = checked("x", "<img src=\"/dev/zero\">");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("entry 7002"), std::string::npos) << problems[0];
  EXPECT_NE(problems[0].find("russian"), std::string::npos) << problems[0];
  EXPECT_NE(problems[0].find("<img>"), std::string::npos) << problems[0];
}

}  // namespace
}  // namespace orva
