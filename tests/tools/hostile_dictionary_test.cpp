// orvadict on dictionaries made to harm: record text that would act on the
// terminal, headers that claim more than the file holds, records that lead
// nowhere, sources that are not files, and a dictionary replaced while a
// --stdin process has it open.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/test_files.h"
#include "tools/visible_controls.h"

namespace orva {
namespace {

struct Outcome {
  std::string out;
  int status;
};

// Runs orvadict with `args` (which may redirect its input) and keeps its
// standard output and exit status.
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

size_t filesIn(const std::string& dir) {
  return static_cast<size_t>(
      std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

bool holdsControl(const std::string& text, const std::string& allowed) {
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b < 0x20 || b == 0x7F) && allowed.find(c) == std::string::npos) return true;
  }
  return text.find("\xC2\x9B") != std::string::npos;
}

// Escape sequences that clear the screen, retitle the terminal and write
// the clipboard, and the form feed, line feed, tab and DEL that would forge
// the answers of --stdin and the rows of list.
const std::string kHostile = "\x1b[2J\x1b]0;title\x07\x1b]52;c;aGk=\x07\f\n\t\x7F";

TEST(VisibleControls, CaretNotationForC0DelAndC1KeepingOnlyTheOutputsOwnLineEnds) {
  EXPECT_EQ(showControlCharacters(u"a\x1b[1m\x7f\x9b\x80\u00A0я\r\n\n\r", KeptLineEnds::CrLf),
            u"a^[[1m^?M-^[M-^@\u00A0я\r\n^J^M");
  EXPECT_EQ(showControlCharacters(u"\r\n\t", KeptLineEnds::None), u"^M^J^I");
  EXPECT_EQ(showControlCharacters("x\ny\r\n\x1b\xC2\x9B\xC2\xA0\xD0\xAF\x01", KeptLineEnds::LineFeed),
            "x\ny^M\n^[M-^[\xC2\xA0\xD0\xAF^A");
}

TEST(HostileDictionary, ControlCharactersInRecordsAreShownNotSent) {
  test::TempDir dir;
  test::RawDictionary dict;
  const std::string word = test::cp1255("בית");
  dict.records.push_back(
      test::plainRecord({word + kHostile, "", word + kHostile, "", "", "\xE4\xE0" + kHostile}, 7001, 0));
  test::addSearchEntry(dict.searchIndex, word, 0);
  test::addListEntry(dict.listIndex, 0);
  test::addIdEntry(dict.idIndex, 7001, 0);
  test::writeBytes(dir.file("hebrus.dic"), dict.bytes());
  const std::string d = " --dir " + dir.path() + " ";
  std::ofstream(dir.file("words.txt")) << "בית\nבית\n";

  const Outcome list = orvadict("list" + d + "--direction he-ru --language 0x040D");
  EXPECT_EQ(list.status, 0);
  EXPECT_FALSE(holdsControl(list.out, "\t\n")) << list.out;
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 1);  // one row, not forged ones
  EXPECT_NE(list.out.find("^[[2J^[]0;title^G"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("^L^J^I^?"), std::string::npos) << list.out;

  const Outcome text = orvadict("בית" + d + "--color=never");
  EXPECT_EQ(text.status, 0);
  EXPECT_FALSE(holdsControl(text.out, "\n")) << text.out;
  EXPECT_NE(text.out.find("^[]52;c;aGk=^G"), std::string::npos) << text.out;
  // Colour is the program's own and still comes through.
  EXPECT_NE(orvadict("בית" + d + "--color=always").out.find("\x1b[1m"), std::string::npos);

  const Outcome batch = orvadict("--stdin" + d + "--color=never < " + dir.file("words.txt"));
  EXPECT_EQ(batch.status, 0);
  EXPECT_EQ(batch.out, text.out + "\f\n" + text.out + "\f\n");  // one form feed per answer

  const Outcome html = orvadict("בית" + d + "--html");
  const Outcome page = orvadict("article" + d + "--direction he-ru --language 0x040D --index 0");
  EXPECT_EQ(page.status, 0);
  EXPECT_EQ(page.out, html.out);
  EXPECT_FALSE(holdsControl(page.out, "\r\n")) << page.out;
  EXPECT_EQ(page.out.find("\r\n<html>"), std::string::npos);
  // check reports it; the dump still writes every byte back as it was.
  const Outcome checked = orvadict("check " + dir.file("hebrus.dic"));
  EXPECT_EQ(checked.status, 1);
  EXPECT_NE(checked.out.find("list entry 0: its headword text holds a control character"), std::string::npos)
      << checked.out;
  EXPECT_FALSE(holdsControl(checked.out, "\n"));
  EXPECT_NE(orvadict("dump " + dir.file("hebrus.dic")).out.find("\\x1B[2J\\x1B]0;title\\x07"), std::string::npos);
}

TEST(HostileDictionary, TheBuilderRefusesControlCharactersInShownFields) {
  test::TempDir dir;
  const auto build = [&](const std::string& entry) {
    std::ofstream(dir.file("one.src")) << "direction he-ru\nentry 1 1\n" << entry << "\n";
    return orvadict("build --direction he-ru " + dir.file("one.src") + " -o " + dir.file("hebrus.dic")).status;
  };
  // Written as escapes or as the characters themselves.
  for (const std::string& entry : std::vector<std::string>{"headword ב\\x1Bית", "headword בית\ndisplay ב\\x1B[2Jית",
                                  "headword בית\nrussian дом\\x07", "headword בית\nrussian дом\\t",
                                  "headword בית\ndisplay \\n", "headword בית\nrussian \\x7F",
                                  "headword בית\nrussian дом\x1B[2J", "headword בית\nrussian \xC2\x85"}) {
    EXPECT_EQ(build(entry), 2) << entry;
    EXPECT_FALSE(std::filesystem::exists(dir.file("hebrus.dic"))) << entry;
  }
  // A field that is never shown may hold them; a plain one builds.
  EXPECT_EQ(build("headword בית\nfield4 \\x1B\\t"), 0);
  EXPECT_EQ(build("headword בית\nrussian дом"), 0);
}

TEST(HostileDictionary, AHeaderClaimingBillionsOfEntriesIsBoundedByTheFile) {
  test::TempDir dir;
  test::RawDictionary dict = test::threeHebrewEntries();
  dict.entryCount = 0xFFFFFFFF;
  test::writeBytes(dir.file("hebrus.dic"), dict.bytes());
  const std::string d = " --dir " + dir.path() + " ";
  // The rows the file holds, then an error: the list index ends there.
  const Outcome list = orvadict("list" + d + "--direction he-ru");
  EXPECT_EQ(list.status, 2);
  EXPECT_LT(list.out.size(), 4096u);
  EXPECT_EQ(list.out.rfind("0\t", 0), 0u);
  EXPECT_EQ(orvadict("list" + d + "--direction he-ru --from 5000000").status, 2);
  // The export refuses it and leaves nothing behind.
  const Outcome exported = orvadict("export --stardict " + dir.file("out") + " " + dir.file("hebrus.dic"));
  EXPECT_EQ(exported.status, 2);
  EXPECT_EQ(filesIn(dir.file("out")), 0u);
}

TEST(HostileDictionary, AnUnreadableRecordIsNothingFoundNotEntryZero) {
  test::TempDir dir;
  test::RawDictionary dict = test::threeHebrewEntries();
  dict.formatVersion = 2;  // the tables are searched, no record is read
  test::writeBytes(dir.file("hebrus.dic"), dict.bytes());
  const std::string d = " --dir " + dir.path() + " --direction he-ru --language 0x040D ";
  const Outcome found = orvadict("find" + d + "בית");
  EXPECT_EQ(found.status, 1);
  EXPECT_EQ(found.out, "");
  EXPECT_EQ(orvadict("article" + d + "בית").status, 1);
  EXPECT_EQ(orvadict("article" + d + "--index 0").status, 2);
  std::ofstream(dir.file("words.txt")) << "בית\n";
  EXPECT_EQ(orvadict("find --stdin" + d + "< " + dir.file("words.txt")).out, "-\n");
}

TEST(HostileDictionary, BuildRefusesSourcesThatAreNotRegularFiles) {
  test::TempDir dir;
  const std::vector<uint8_t> old = {1, 2, 3};
  test::writeBytes(dir.file("hebrus.dic"), old);
  std::filesystem::create_directory(dir.file("folder"));
  for (const std::string& source : std::vector<std::string>{dir.file("folder"), "/dev/null", "/proc/self/mem"}) {
    EXPECT_EQ(orvadict("build --direction he-ru " + source + " -o " + dir.file("hebrus.dic")).status, 2) << source;
    EXPECT_EQ(test::readBytes(dir.file("hebrus.dic")), old) << source;
  }
  EXPECT_EQ(filesIn(dir.path()), 2u);
}

// A --stdin process checks its dictionary before each line: one replaced in
// between answers from the new file, one removed ends the run with exit 2.
TEST(HostileDictionary, AStdinProcessFollowsItsReplacedDictionary) {
  test::TempDir dir;
  const std::string path = dir.file("hebrus.dic");
  test::writeBytes(path, test::buildFromSource(Direction::HebrewRussian, "entry 1 1\nheadword ספר\n"));
  const std::vector<uint8_t> longer =
      test::buildFromSource(Direction::HebrewRussian, "entry 1 1\nheadword אב\nentry 2 1\nheadword ספר\n");

  int toChild[2], fromChild[2];
  ASSERT_EQ(pipe(toChild), 0);
  ASSERT_EQ(pipe(fromChild), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    dup2(toChild[0], STDIN_FILENO);
    dup2(fromChild[1], STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDERR_FILENO);
    for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1], null}) close(fd);
    execl(ORVADICT, ORVADICT, "find", "--stdin", "--dir", dir.path().c_str(), "--direction", "he-ru", "--language",
          "0x040D", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  const auto ask = [&](const std::string& line) {
    EXPECT_EQ(write(toChild[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    std::string answer;
    char c;
    while (read(fromChild[0], &c, 1) == 1 && c != '\n') answer.push_back(c);
    return answer;
  };
  EXPECT_EQ(ask("ספר\n"), "0");
  test::writeBytes(dir.file("new.dic"), longer);
  ASSERT_EQ(std::rename(dir.file("new.dic").c_str(), path.c_str()), 0);
  EXPECT_EQ(ask("ספר\n"), "1");
  test::writeBytes(path, test::buildFromSource(Direction::HebrewRussian, "entry 1 1\nheadword ספר\n"));  // in place
  EXPECT_EQ(ask("ספר\n"), "0");
  ASSERT_EQ(std::remove(path.c_str()), 0);
  EXPECT_EQ(ask("ספר\n"), "");  // no answer: the run ends
  close(toChild[1]);
  close(fromChild[0]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
}

}  // namespace
}  // namespace orva
