// orvadict --stdin and orvadict find --stdin: one answer per line of input,
// the same answers the one-query forms give.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <unistd.h>

#include <cstdio>
#include <thread>

#include "support/test_files.h"
#include "text/utf.h"
#include "tools/line_input.h"

namespace orva {
namespace {

struct Outcome {
  std::string out;
  int status;
};

Outcome run(const std::string& args, const std::string& input, test::TempDir& dir) {
  test::writeBytes(dir.file("input.txt"), std::vector<uint8_t>(input.begin(), input.end()));
  const std::string command = std::string(ORVADICT) + " " + args + " < " + dir.file("input.txt") + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  Outcome outcome{"", -1};
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.out.append(buffer, n);
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

class StdinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    const std::string example = std::string(ORVA_SOURCE_DIR) + "/data/example/";
    ASSERT_EQ(run("build --direction he-ru " + example + "hebrus.src -o " + dir_->file("hebrus.dic"), "", *dir_).status, 0);
    ASSERT_EQ(run("build --direction ru-he " + example + "rusheb.src -o " + dir_->file("rusheb.dic"), "", *dir_).status, 0);
  }
  static void TearDownTestSuite() { delete dir_; }
  static std::string dir() { return " --dir " + dir_->path() + " "; }
  static test::TempDir* dir_;
};
test::TempDir* StdinTest::dir_ = nullptr;

TEST_F(StdinTest, FindAnswersEveryLineAsFindDoes) {
  const Outcome batch =
      run("find --stdin" + dir() + "--direction ru-he", "книга\nяяя\n\nКНИГА\r\n\xFF\nдом", *dir_);
  EXPECT_EQ(batch.status, 0);
  const std::string one = run("find" + dir() + "--direction ru-he книга", "", *dir_).out;
  const std::string home = run("find" + dir() + "--direction ru-he дом", "", *dir_).out;
  // Not found, empty and invalid lines answer "-"; the last line needs no
  // line feed, and a carriage return before it is dropped.
  EXPECT_EQ(batch.out, one + "-\n-\n" + one + "-\n" + home);
  EXPECT_EQ(run("find --stdin" + dir(), "", *dir_).out, "");
  EXPECT_EQ(run("find --stdin" + dir() + "книга", "", *dir_).status, 2);
}

TEST_F(StdinTest, ArticlesAnswerEveryLineAsOrvadictWordDoes) {
  const std::string words[] = {"книга", "כתבתי", "дом"};
  std::string input, expected;
  for (const std::string& w : words) {
    input += w + "\n";
    const Outcome one = run(w + dir() + "--color=never", "", *dir_);
    ASSERT_EQ(one.status, 0) << w;
    expected += one.out + "\f\n";
  }
  const Outcome batch = run("--stdin" + dir() + "--color=never", input, *dir_);
  EXPECT_EQ(batch.status, 0);
  EXPECT_EQ(batch.out, expected);

  // A word that is not found, or in no script, has an empty answer and
  // the exit status says not everything was found.
  const Outcome missing = run("--stdin" + dir() + "--color=never", "яяя\nabc\nкнига\n", *dir_);
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "\f\n\f\n" + expected.substr(0, expected.find('\f') + 2));
}

TEST(StdinLines, AnEndlessLineIsCutAndTheNextLineStillArrives) {
  // Input without line feeds must not grow memory without bound: the line
  // keeps its first bytes and the rest is passed over.
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  std::thread writer([fd = fds[1]] {
    const std::string chunk(1 << 16, 'x');
    for (int i = 0; i < 64; ++i) (void)!write(fd, chunk.data(), chunk.size());  // 4 MiB, one line
    const std::string rest = "\r\nsecond\r\nlast";
    (void)!write(fd, rest.data(), rest.size());
    close(fd);
  });
  std::string answers, line;
  {
    StdinLines input(answers, fds[0]);
    ASSERT_TRUE(input.next(line));
    EXPECT_EQ(line, std::string(StdinLines::kLongestLine, 'x'));
    ASSERT_TRUE(input.next(line));
    EXPECT_EQ(line, "second");
    ASSERT_TRUE(input.next(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(input.next(line));
  }
  writer.join();
  close(fds[0]);
}

// Reads every line `input` holds through StdinLines.
std::vector<std::string> linesOf(const std::string& input) {
  int fds[2];
  EXPECT_EQ(pipe(fds), 0);
  std::thread writer([fd = fds[1], &input] {
    (void)!write(fd, input.data(), input.size());
    close(fd);
  });
  std::vector<std::string> lines;
  std::string answers, line;
  {
    StdinLines reader(answers, fds[0]);
    while (reader.next(line)) lines.push_back(line);
  }
  writer.join();
  close(fds[0]);
  return lines;
}

TEST(StdinLines, ALongLineIsCutAtACharacterBoundary) {
  // Characters of two, three and four bytes, shifted so that the cut falls
  // on every byte of one: what is kept is whole characters only.
  for (const std::string& character : std::vector<std::string>{"я", "ש", "€", "\U0001F600"}) {
    for (size_t shift = 0; shift < 4; ++shift) {
      std::string text(shift, 'x');
      while (text.size() < StdinLines::kLongestLine + 8) text += character;
      const std::vector<std::string> lines = linesOf(text + "\nnext\n");
      ASSERT_EQ(lines.size(), 2u);
      const std::string& cut = lines[0];
      EXPECT_GT(cut.size(), StdinLines::kLongestLine - character.size()) << character << shift;
      EXPECT_LE(cut.size(), StdinLines::kLongestLine);
      EXPECT_EQ(text.compare(0, cut.size(), cut), 0);
      EXPECT_TRUE(utf8ToUtf16(cut).has_value()) << character << shift;
      EXPECT_EQ(lines[1], "next");
    }
  }
  // A line within the limit keeps its bytes, invalid ones included.
  EXPECT_EQ(linesOf("abc\xD0\n"), std::vector<std::string>{"abc\xD0"});
}

}  // namespace
}  // namespace orva
