// The three ways RandomAccessFile reads a file must answer alike: the same
// bytes, the same short reads at the end, nothing past the size the file
// had when it was opened, and the same lookups on cut-off dictionaries.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "article/article_page.h"
#include "store/file_access.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "support/test_files.h"
#include "text/typed_query.h"
#include "tools/synthetic_source.h"

namespace orva {
namespace {

constexpr FileAccessMode kModes[] = {FileAccessMode::Mapped, FileAccessMode::PositionalRead,
                                     FileAccessMode::BufferedStream};

std::vector<uint8_t> counting(size_t n) {
  std::vector<uint8_t> bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  return bytes;
}

TEST(FileAccess, EveryModeReadsTheSameBytesAndStopsAtTheEnd) {
  test::TempDir dir;
  const auto bytes = counting(10000);
  test::writeBytes(dir.file("f"), bytes);
  for (FileAccessMode mode : kModes) {
    SCOPED_TRACE(static_cast<int>(mode));
    RandomAccessFile file;
    ASSERT_TRUE(file.open(dir.file("f"), mode));
    EXPECT_EQ(file.mode(), mode);
    EXPECT_EQ(file.size(), bytes.size());
    std::vector<uint8_t> out(64, 0xEE);
    ASSERT_EQ(file.readAt(4321, 14, out.data()), 14u);
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 14, bytes.begin() + 4321));
    // Short at the end, and the bytes after the end of the file untouched.
    std::fill(out.begin(), out.end(), 0xEE);
    EXPECT_EQ(file.readAt(9990, 64, out.data()), 10u);
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 10, bytes.begin() + 9990));
    EXPECT_EQ(out[10], 0xEE);
    EXPECT_FALSE(file.readExactly(9990, 11, out.data()));
    EXPECT_TRUE(file.readExactly(9990, 10, out.data()));
    EXPECT_EQ(file.readAt(10000, 1, out.data()), 0u);
    EXPECT_EQ(file.readAt(UINT64_MAX, 8, out.data()), 0u);
    EXPECT_EQ(file.readAt(0, 0, out.data()), 0u);
    // A moved-to handle goes on reading; the moved-from one reads nothing.
    RandomAccessFile moved = std::move(file);
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.readAt(0, 4, out.data()), 0u);
    ASSERT_EQ(moved.readAt(0, 4, out.data()), 4u);
    EXPECT_EQ(out[1], bytes[1]);
    moved.close();
    EXPECT_EQ(moved.readAt(0, 4, out.data()), 0u);
  }
}

TEST(FileAccess, EmptyMissingAndNonRegularFiles) {
  test::TempDir dir;
  test::writeBytes(dir.file("empty"), {});
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
  uint8_t out[4];
  for (FileAccessMode mode : kModes) {
    SCOPED_TRACE(static_cast<int>(mode));
    RandomAccessFile file;
    EXPECT_FALSE(file.open(dir.file("missing"), mode));
    EXPECT_FALSE(file.isOpen());
    // An empty file cannot be mapped; it opens and reads nothing.
    ASSERT_TRUE(file.open(dir.file("empty"), mode));
    EXPECT_EQ(file.size(), 0u);
    EXPECT_EQ(file.readAt(0, 4, out), 0u);
    // A directory is no dictionary, whichever way it is read; nor is a
    // named pipe, whose open would wait for a writer that never comes.
    DictionaryFile dictionary;
    EXPECT_FALSE(dictionary.open(dir.path()));
    EXPECT_FALSE(file.open(dir.file("pipe"), mode));
  }
}

TEST(FileAccess, NothingPastTheSizeAtOpenIsRead) {
  test::TempDir dir;
  test::writeBytes(dir.file("f"), counting(100));
  for (FileAccessMode mode : kModes) {
    SCOPED_TRACE(static_cast<int>(mode));
    RandomAccessFile file;
    ASSERT_TRUE(file.open(dir.file("f"), mode));
    test::writeBytes(dir.file("f"), counting(5000));  // the file grows while open
    uint8_t out[16];
    EXPECT_EQ(file.readAt(96, 16, out), 4u);
    EXPECT_EQ(file.readAt(100, 16, out), 0u);
    test::writeBytes(dir.file("f"), counting(100));
  }
}

TEST(FileAccess, AFileCutShortWhileOpenReadsShortInEveryMode) {
  // Copying a file over another in place first cuts it to nothing; a mapped
  // reader must not crash on the pages that went away.
  test::TempDir dir;
  const auto bytes = counting(40000);
  for (FileAccessMode mode : kModes) {
    SCOPED_TRACE(static_cast<int>(mode));
    test::writeBytes(dir.file("f"), bytes);
    RandomAccessFile file;
    ASSERT_TRUE(file.open(dir.file("f"), mode));
    ASSERT_EQ(::truncate(dir.file("f").c_str(), 10000), 0);
    uint8_t out[64];
    EXPECT_EQ(file.readAt(20000, 64, out), 0u);
    EXPECT_EQ(file.readAt(9990, 64, out), 10u);
    EXPECT_TRUE(std::equal(out, out + 10, bytes.begin() + 9990));
    ASSERT_EQ(::truncate(dir.file("f").c_str(), 0), 0);
    EXPECT_EQ(file.readAt(0, 64, out), 0u);
    EXPECT_NE(file.mode(), FileAccessMode::Mapped);
  }
}

TEST(FileAccess, ABusErrorElsewhereStillEndsTheProcess) {
  test::TempDir dir;
  test::writeBytes(dir.file("f"), counting(100));
  RandomAccessFile file;
  ASSERT_TRUE(file.open(dir.file("f"), FileAccessMode::Mapped));
  // Killed by the signal, or (under AddressSanitizer, whose handler was
  // there first) reported and ended with a failure status.
  EXPECT_EXIT(raise(SIGBUS), [](int status) { return !(WIFEXITED(status) && WEXITSTATUS(status) == 0); }, "");
}

// The queries each reader is asked.
const std::vector<std::u16string> kTyped = {u"א", u"ב", u"מ", u"ת", u"של", u"ש", u"כתבתי"};

// What the readers make of a dictionary: the lookup of every query, and
// each list entry's record and page (or that it cannot be read).
std::vector<std::string> lookups(DictionaryFile& file, const std::vector<std::u16string>& typed) {
  const DeviceSettings device{kLanguageHebrew, CodePage::Hebrew1255};
  std::vector<std::string> out;
  for (const auto& t : typed) {
    const auto query = makeTypedQuery(t, Direction::HebrewRussian, device);
    const auto found = findTypedPrefix(query.view(), file, Direction::HebrewRussian, device);
    out.push_back(found ? std::to_string(*found) : "-");
  }
  RecordBuffer buffer{};
  for (uint32_t i = 0; i < file.entryCount(); ++i) {
    EntryRecord record{};
    const auto pos = readListRecordPos(file, i);
    if (!pos || !readRecord(file.handle, file.recordBase(), file.formatVersion(), *pos, buffer, record)) {
      out.push_back("unreadable");
      continue;
    }
    PageCollector view;
    ShowArticlePage(record, Direction::HebrewRussian, device, file, view);
    out.push_back(test::u8(view.page()));
  }
  return out;
}

TEST(FileAccess, CutOffDictionariesReadTheSameInEveryMode) {
  test::TempDir dir;
  const auto whole = test::buildFromSource(Direction::HebrewRussian, generateSource(Direction::HebrewRussian, 60, 3));
  const size_t cuts[] = {0, 10, 30, 31, 45, whole.size() / 3, whole.size() / 2, whole.size() - 200, whole.size() - 1,
                         whole.size()};
  for (size_t cut : cuts) {
    SCOPED_TRACE(cut);
    test::writeBytes(dir.file("hebrus.dic"), std::vector<uint8_t>(whole.begin(), whole.begin() + cut));
    std::vector<std::vector<std::string>> results;
    for (FileAccessMode mode : kModes) {
      DictionaryFile file;
      if (!file.open(dir.file("hebrus.dic"))) {
        results.push_back({"not opened"});
        continue;
      }
      ASSERT_TRUE(file.handle.open(dir.file("hebrus.dic"), mode));
      results.push_back(lookups(file, kTyped));
    }
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(results[0], results[2]);
    if (cut == whole.size()) {
      EXPECT_EQ(std::count(results[0].begin(), results[0].end(), "unreadable"), 0);
    }
  }
}

TEST(FileAccess, ADictionaryCutShortWhileOpenReadsAsTheCutFile) {
  // The dictionary is opened whole (mapped), then cut in place: lookups,
  // rows and pages are then what a reader opened on the cut file makes of it.
  // (Cut at page boundaries: in a page the cut runs through, the system
  // shows the bytes past the end as zeros, which the readers refuse as they
  // refuse any damage, but which differ from a short read.)
  test::TempDir dir;
  const auto whole = test::buildFromSource(Direction::HebrewRussian, generateSource(Direction::HebrewRussian, 400, 3));
  const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
  ASSERT_GT(whole.size(), 4 * page);
  for (size_t cut : {size_t{0}, page, 2 * page, whole.size() / page * page}) {
    SCOPED_TRACE(cut);
    test::writeBytes(dir.file("hebrus.dic"), whole);
    DictionaryFile open;
    ASSERT_TRUE(open.open(dir.file("hebrus.dic")));
    ASSERT_EQ(open.handle.mode(), FileAccessMode::Mapped);
    ASSERT_EQ(::truncate(dir.file("hebrus.dic").c_str(), static_cast<off_t>(cut)), 0);
    const auto afterCut = lookups(open, kTyped);

    // The same header, read from the whole file, over the cut file's bytes.
    test::writeBytes(dir.file("whole.dic"), whole);
    DictionaryFile fresh;
    ASSERT_TRUE(fresh.open(dir.file("whole.dic")));
    ASSERT_TRUE(fresh.handle.open(dir.file("hebrus.dic"), FileAccessMode::PositionalRead));
    EXPECT_EQ(afterCut, lookups(fresh, kTyped));
  }
}

}  // namespace
}  // namespace orva
