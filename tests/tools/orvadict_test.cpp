// orvadict as other tools use it: output formats and exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "support/test_files.h"

namespace orva {
namespace {

struct Outcome {
  std::string out;
  int status;
};

Outcome orvadict(const std::string& args) {
  const std::string command = std::string(ORVADICT) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  Outcome run{"", -1};
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class OrvadictTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    const std::string example = std::string(ORVA_SOURCE_DIR) + "/data/example/";
    ASSERT_EQ(orvadict("build --direction he-ru " + example + "hebrus.src -o " + dir_->file("hebrus.dic")).status, 0);
    ASSERT_EQ(orvadict("build --direction ru-he " + example + "rusheb.src -o " + dir_->file("rusheb.dic")).status, 0);
  }
  static void TearDownTestSuite() { delete dir_; }
  static std::string dir() { return " --dir " + dir_->path() + " "; }
  static test::TempDir* dir_;
};
test::TempDir* OrvadictTest::dir_ = nullptr;

TEST_F(OrvadictTest, FindPrintsTheListNumberOrExitsOne) {
  EXPECT_EQ(orvadict("find" + dir() + "--direction ru-he книга").out, "14\n");
  EXPECT_EQ(orvadict("find" + dir() + "--direction ru-he КНИГА").out, "14\n");
  const Outcome none = orvadict("find" + dir() + "--direction ru-he яяя");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "");
  // The word box holds Hebrew in visual order unless the language is Hebrew.
  EXPECT_EQ(orvadict("find" + dir() + "--direction he-ru --language 0x040D מילון").out,
            orvadict("find" + dir() + "--direction he-ru --language 0x0419 ןולימ").out);
}

TEST_F(OrvadictTest, ListShowsHeadwordsAsTheListDoes) {
  EXPECT_EQ(orvadict("list" + dir() + "--direction ru-he --from 2 --count 2").out, "2\tвечер\n3\tвода\n");
  EXPECT_EQ(orvadict("list" + dir() + "--direction he-ru --language 040d --from 11 --count 1").out, "11\tבית\n");
  EXPECT_EQ(orvadict("list" + dir() + "--direction he-ru --language 0419 --from 11 --count 1").out, "11\tתיב\n");
  const Outcome past = orvadict("list" + dir() + "--direction ru-he --from 1000");
  EXPECT_EQ(past.out, "");
  EXPECT_EQ(past.status, 0);
}

TEST_F(OrvadictTest, ArticlePrintsThePageAsTheViewerHoldsIt) {
  const Outcome page = orvadict("article" + dir() + "--direction ru-he книга");
  EXPECT_EQ(page.status, 0);
  EXPECT_EQ(page.out.substr(0, 14), "<html><body>\r\n");
  EXPECT_EQ(page.out.substr(page.out.size() - 16), "</body></html>\r\n");
  EXPECT_EQ(orvadict("article" + dir() + "--direction ru-he --index 14").out, page.out);
  const Outcome hebrew = orvadict("article" + dir() + "--direction he-ru --language 0x040D כתבתי");
  EXPECT_NE(hebrew.out.find("ед.ч., м/ж р., 1 л., прош. вр."), std::string::npos);
  EXPECT_NE(hebrew.out.find("писать"), std::string::npos);  // the lemma among the related forms
  EXPECT_EQ(orvadict("article" + dir() + "--direction ru-he яяя").status, 1);
  EXPECT_EQ(orvadict("article" + dir() + "--direction ru-he --index 99999").status, 2);
}

TEST_F(OrvadictTest, ReadingAWordPicksTheDirectionFromItsScript) {
  const Outcome russian = orvadict("книга" + dir() + "--color=never");
  EXPECT_EQ(russian.status, 0);
  EXPECT_EQ(russian.out, "книга\nספר\nед. ч. м. р.\n");
  const Outcome hebrew = orvadict("כתבתי" + dir() + "--color=always");
  EXPECT_NE(hebrew.out.find("\x1b[31m"), std::string::npos);  // the red root letters
  EXPECT_NE(hebrew.out.find("писать"), std::string::npos);
  // Hebrew reads in logical order, its red root letters in place.
  EXPECT_EQ(orvadict("מכתב" + dir() + "--color=never").out.substr(0, 9), "מכתב\n");
  const Outcome missing = orvadict("абракадабра" + dir());
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(orvadict("hello" + dir()).status, 2);
  EXPECT_EQ(orvadict("--color=never" + dir() + "книга").out, russian.out);  // options may come first
}

TEST_F(OrvadictTest, ErrorsExitTwo) {
  EXPECT_EQ(orvadict("find --bogus x").status, 2);
  EXPECT_EQ(orvadict("list" + dir() + "--from x").status, 2);
  EXPECT_EQ(orvadict("find --dir /nonexistent --direction he-ru x").status, 2);
  EXPECT_EQ(orvadict("find" + dir() + "--codepage 866 x").status, 2);
  EXPECT_EQ(orvadict("frobnicate").status, 2);
  EXPECT_EQ(orvadict("--bogus").status, 2);
  EXPECT_EQ(orvadict("--version").out.rfind("orvadict (ORVA Pocket) 1.1.0.0", 0), 0u);
}

TEST_F(OrvadictTest, MissingFileOfTheOtherDirectionChangesNothing) {
  test::TempDir only;
  ASSERT_EQ(std::system(("cp " + dir_->file("rusheb.dic") + " " + only.path()).c_str()), 0);
  EXPECT_EQ(orvadict("find --dir " + only.path() + " --direction ru-he книга").out, "14\n");
  EXPECT_EQ(orvadict("find --dir " + only.path() + " --direction he-ru x").status, 2);
}

}  // namespace
}  // namespace orva
