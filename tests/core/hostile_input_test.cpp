// Hostile input beyond damaged tables: typed text far longer than any
// query, header fields and tables cut at awkward places, an id table that
// repeats one entry, a dictionary of no entries, and builds that fail or
// are interrupted part-way. Each ends in a defined outcome.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "article/article_page.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "support/test_files.h"
#include "text/typed_query.h"
#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/dictionary_builder.h"
#include "tools/dictionary_checker.h"
#include "tools/dictionary_dump.h"

namespace orva {
namespace {

namespace fs = std::filesystem;

const DeviceSettings kHebrewDevice{kLanguageHebrew, CodePage::Hebrew1255};
const DeviceSettings kEnglishDevice{0x0409, CodePage::Western1252};
const DeviceSettings kRussianDevice{kLanguageRussian, CodePage::Cyrillic1251};

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string exampleSource(const char* name) { return readText(std::string(ORVA_SOURCE_DIR) + "/data/example/" + name); }

size_t filesIn(const std::string& dir) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(HostileInput, TypedTextOfTenThousandCharacters) {
  test::TempDir dir;
  DictionaryFile hebrew, russian;
  test::buildAndOpen(Direction::HebrewRussian, exampleSource("hebrus.src"), dir.file("hebrus.dic"), hebrew);
  test::buildAndOpen(Direction::RussianHebrew, exampleSource("rusheb.src"), dir.file("rusheb.dic"), russian);

  // Plain letters, and letters mixed with bidi marks, unpaired surrogates
  // and a NUL near the end.
  std::u16string hostile;
  for (size_t i = 0; hostile.size() < 10'000; ++i) {
    static const char16_t kMix[] = {u'\u05E9', u'\u200F', char16_t{0xD800}, u'\u044F', u'\u202E', char16_t{0xDFFF}};
    hostile += kMix[i % 6];
  }
  hostile[9'990] = u'\0';
  const std::u16string texts[] = {std::u16string(10'000, u'\u05E9'), std::u16string(10'000, u'\u044F'), hostile};

  for (const DeviceSettings& device : {kHebrewDevice, kEnglishDevice, kRussianDevice}) {
    for (const std::u16string& typed : texts) {
      for (Direction direction : {Direction::HebrewRussian, Direction::RussianHebrew}) {
        DictionaryFile& file = direction == Direction::HebrewRussian ? hebrew : russian;
        const TypedQuery query = makeTypedQuery(typed, direction, device);
        EXPECT_LE(query.length, kQueryBufferSize - 1);
        EXPECT_EQ(query.bytes.back(), 0);
        const auto found = findTypedPrefix(query.view(), file, direction, device);
        if (found) {
          EXPECT_LT(*found, file.entryCount());
        }
      }
    }
  }
  // A run of one letter is cut to 511 bytes and sorts after every headword.
  const TypedQuery longRussian = makeTypedQuery(texts[1], Direction::RussianHebrew, kRussianDevice);
  EXPECT_EQ(longRussian.length, kQueryBufferSize - 1);
  EXPECT_EQ(findTypedPrefix(longRussian.view(), russian, Direction::RussianHebrew, kRussianDevice), std::nullopt);
}


TEST(HostileInput, FormatVersionAtZeroAndAtMaximumReadsNoRecord) {
  for (uint32_t version : {0u, 2u, 0xFFFFFFFFu}) {
    test::RawDictionary dict = test::threeHebrewEntries();
    dict.formatVersion = version;
    test::TempDir dir;
    test::writeBytes(dir.file("hebrus.dic"), dict.bytes());
    DictionaryFile file;
    ASSERT_TRUE(file.open(dir.file("hebrus.dic")));
    // The search still runs on the tables; the record it leads to is
    // refused, so nothing is found (not the first list row).
    const auto query = makeTypedQuery(u"בית", Direction::HebrewRussian, kHebrewDevice);
    EXPECT_EQ(findTypedPrefix(query.view(), file, Direction::HebrewRussian, kHebrewDevice), std::nullopt);
    RecordBuffer buffer{};
    EntryRecord record{};
    EXPECT_FALSE(readRecord(file.handle, file.recordBase(), file.formatVersion(), *readListRecordPos(file, 1), buffer,
                            record));
    std::string dumped, error;
    EXPECT_FALSE(dumpDictionary(file, Direction::HebrewRussian, dumped, error));
    EXPECT_FALSE(checkDictionary(file, Direction::HebrewRussian).empty());
  }
}

TEST(HostileInput, FileEndingInsideATableEntry) {
  const std::vector<uint8_t> whole = test::threeHebrewEntries().bytes();
  const size_t listStart = 31 + 3 * 14;
  const size_t idStart = listStart + 3 * 8;
  for (size_t cut : {listStart + 8 + 5, idStart + 3, idStart + 8 + 7}) {
    test::TempDir dir;
    test::writeBytes(dir.file("hebrus.dic"), std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
    DictionaryFile file;
    ASSERT_TRUE(file.open(dir.file("hebrus.dic")));
    // A list row cut in two is empty; the rows before the cut are intact.
    EXPECT_EQ(readListRecordPos(file, 0), 0u);
    if (cut < idStart) {
      EXPECT_EQ(readListRecordPos(file, 1), std::nullopt) << cut;
    }
    // The article of an entry read from the intact file still completes.
    DictionaryFile intact;
    test::writeBytes(dir.file("intact.dic"), whole);
    ASSERT_TRUE(intact.open(dir.file("intact.dic")));
    RecordBuffer buffer{};
    EntryRecord record{};
    ASSERT_TRUE(readRecord(intact.handle, intact.recordBase(), intact.formatVersion(), 0, buffer, record));
    PageCollector view;
    ShowArticlePage(record, Direction::HebrewRussian, kHebrewDevice, file, view);
    EXPECT_EQ(view.completedPages(), 1);
    EXPECT_FALSE(checkDictionary(file, Direction::HebrewRussian).empty());
  }
}

TEST(HostileInput, AnIdTableRepeatingOneFormListsItOnce) {
  // Form 1 of group 7 and form 2, whose page lists form 1; the id table
  // names form 1's record five thousand times. A sorted table names each
  // record once, so the listing stops at the first repetition.
  test::RawDictionary dict;
  const auto one = test::plainRecord({test::cp1255("אב"), "", "", "", "", "\xE4\xE0"}, 7001, 0);
  const auto two = test::plainRecord({test::cp1255("בא"), "", "", "", "", "\xE4\xE0"}, 7002, 1);
  const auto twoPos = static_cast<uint32_t>(one.size());
  dict.records = {one, two};
  test::addListEntry(dict.listIndex, 0);
  test::addListEntry(dict.listIndex, twoPos);
  for (int i = 0; i < 5000; ++i) test::addIdEntry(dict.idIndex, 7001, 0);
  dict.listIndex.resize(dict.idIndex.size());  // the two tables are of one size
  dict.entryCount = 5000;
  test::TempDir dir;
  test::writeBytes(dir.file("hebrus.dic"), dict.bytes());
  DictionaryFile file;
  ASSERT_TRUE(file.open(dir.file("hebrus.dic")));

  RecordBuffer buffer{};
  EntryRecord record{};
  ASSERT_TRUE(readRecord(file.handle, file.recordBase(), file.formatVersion(), twoPos, buffer, record));
  PageCollector view;
  ShowArticlePage(record, Direction::HebrewRussian, kHebrewDevice, file, view);
  EXPECT_EQ(view.completedPages(), 1);
  const std::u16string form = u"\u05D0\u05D1";  // אב
  size_t listed = 0;
  for (size_t at = view.page().find(form); at != std::u16string::npos; at = view.page().find(form, at + 1)) ++listed;
  EXPECT_EQ(listed, 1u);
}

TEST(HostileInput, ADictionaryOfNoEntries) {
  test::TempDir dir;
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(buildDictionary(Direction::RussianHebrew, {}, bytes, error)) << error;
  EXPECT_EQ(bytes.size(), 31u);
  test::writeBytes(dir.file("rusheb.dic"), bytes);
  DictionaryFile file;
  ASSERT_TRUE(file.open(dir.file("rusheb.dic")));
  EXPECT_TRUE(checkDictionary(file, Direction::RussianHebrew).empty());
  const auto query = makeTypedQuery(u"привет", Direction::RussianHebrew, kRussianDevice);
  EXPECT_EQ(findTypedPrefix(query.view(), file, Direction::RussianHebrew, kRussianDevice), std::nullopt);
  EXPECT_EQ(readListRecordPos(file, 0), std::nullopt);
  std::string dumped;
  ASSERT_TRUE(dumpDictionary(file, Direction::RussianHebrew, dumped, error));
  EXPECT_EQ(dumped.find("entry"), std::string::npos);
}

// A failed or interrupted build leaves the dictionary already there as it
// was, and nothing beside it.
class InterruptedBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    test::writeBytes(target(), old_);
    std::ofstream(dir_.file("good.src")) << "direction he-ru\nentry 1 1\nheadword \xD7\x90\xD7\x91\n";
  }
  std::string target() const { return dir_.file("hebrus.dic"); }
  void expectUntouched() {
    EXPECT_EQ(test::readBytes(target()), old_);
    EXPECT_EQ(filesIn(dir_.path()), 2u);  // the dictionary and the source, no temporary
  }

  test::TempDir dir_;
  const std::vector<uint8_t> old_ = {1, 2, 3, 4};
};

TEST_F(InterruptedBuild, AnErrorInTheLastLineWritesNothing) {
  std::ofstream(dir_.file("good.src"), std::ios::app) << "russian \xD0\xB4\xD0\xBE\xD0\xBC\nbogus line\n";
  testing::internal::CaptureStderr();
  EXPECT_EQ(runBuild({"--direction", "he-ru", dir_.file("good.src"), "-o", target()}), kExitError);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("nothing written"), std::string::npos);
  expectUntouched();
}

TEST_F(InterruptedBuild, AMissingTargetDirectoryCreatesNothing) {
  std::string error;
  EXPECT_FALSE(writeFileAtomically(dir_.file("missing/hebrus.dic"), {9, 9}, error));
  EXPECT_FALSE(error.empty());
  expectUntouched();
}

TEST_F(InterruptedBuild, AFullDiskLeavesTheOldDictionary) {
  // The file size limit makes writes fail part-way, as a full disk does,
  // whoever runs the test.
  struct sigaction ignore {}, previous {};
  ignore.sa_handler = SIG_IGN;
  ASSERT_EQ(sigaction(SIGXFSZ, &ignore, &previous), 0);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  const bool written = writeFileAtomically(target(), std::vector<uint8_t>(100'000, 7), error);
  setrlimit(RLIMIT_FSIZE, &saved);
  sigaction(SIGXFSZ, &previous, nullptr);
  EXPECT_FALSE(written);
  EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
  expectUntouched();
}

TEST_F(InterruptedBuild, AFileSizeLimitThatKillsIsReportedAsAFailedWrite) {
  // With the file-size signal's default action a write past the limit would
  // end the process with the temporary file left behind.
  EXPECT_EXIT(
      {
        signal(SIGXFSZ, SIG_DFL);
        rlimit small{};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &small);
        std::string error;
        const bool written = writeFileAtomically(target(), std::vector<uint8_t>(100'000, 7), error);
        _exit(!written && error.find("cannot write") != std::string::npos ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  expectUntouched();
}

TEST_F(InterruptedBuild, AnInterruptDuringTheWriteLeavesNoTemporaryFile) {
  // The writer is stopped as soon as its temporary file appears. Whenever
  // the signal lands, the directory holds either the old dictionary or the
  // whole new one, and nothing else.
  const std::vector<uint8_t> fresh(64u << 20, 5);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::string error;
    _exit(writeFileAtomically(target(), fresh, error) ? 0 : 1);
  }
  int status = 0;
  for (;;) {
    if (waitpid(child, &status, WNOHANG) == child) break;
    if (filesIn(dir_.path()) > 2) {
      kill(child, SIGTERM);
      ASSERT_EQ(waitpid(child, &status, 0), child);
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));
  EXPECT_EQ(filesIn(dir_.path()), 2u);
  const auto now = test::readBytes(target());
  EXPECT_TRUE(now == old_ || now == fresh) << "a dictionary of " << now.size() << " bytes";
}

// A source that is not a regular file, or that fails to read part-way,
// must not build a dictionary of what little was read over a good one.
TEST_F(InterruptedBuild, ASourceThatIsNoRegularFileOrFailsToReadBuildsNothing) {
  fs::create_directory(dir_.file("folder"));
  ASSERT_EQ(mkfifo(dir_.file("pipe").c_str(), 0600), 0);
  // /proc/self/mem is a regular file whose first page cannot be read.
  const std::vector<std::string> sources = {dir_.file("folder"), dir_.file("pipe"), "/proc/self/mem",
                                            dir_.file("missing.src")};
  for (const std::string& source : sources) {
    try {
      runBuild({"--direction", "he-ru", dir_.file("good.src"), source, "-o", target()});
      ADD_FAILURE() << source << " was read as a source";
    } catch (const UsageError& error) {
      EXPECT_NE(error.message.find(source), std::string::npos) << error.message;
    }
    EXPECT_EQ(test::readBytes(target()), old_) << source;
  }
  EXPECT_EQ(filesIn(dir_.path()), 4u);  // the dictionary, the source, the folder, the pipe
}

// SIGKILL cannot be held back. The bytes are written into a file without a
// name, which a killed build takes with it; at most the finished file can
// be left under its one temporary name, and the next build removes it.
TEST_F(InterruptedBuild, AKilledBuildLeavesNothingThatAccumulates) {
  const std::vector<uint8_t> fresh(16u << 20, 5);
  for (int delayMs : {0, 3, 10, 30, 60}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::string error;
      for (;;)
        if (!writeFileAtomically(target(), fresh, error)) _exit(1);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed";
    EXPECT_LE(filesIn(dir_.path()), 3u);  // at most the one temporary name
    std::string error;
    ASSERT_TRUE(writeFileAtomically(target(), old_, error)) << error;
    expectUntouched();
  }
  // A file left under the temporary name is replaced by the next build.
  test::writeBytes(temporaryPathFor(target()), fresh);
  std::string error;
  ASSERT_TRUE(writeFileAtomically(target(), old_, error)) << error;
  expectUntouched();
}

}  // namespace
}  // namespace orva
