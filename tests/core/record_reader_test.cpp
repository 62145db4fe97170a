// The record reader against hand-made and malformed records.
#include <gtest/gtest.h>

#include "store/record_reader.h"
#include "support/test_files.h"

namespace orva {
namespace {

using test::plainRecord;
using test::RawDictionary;
using test::TempDir;

class RecordReaderTest : public ::testing::Test {
 protected:
  // Lays `dict` out in a file and opens it.
  void open(const RawDictionary& dict) {
    test::writeBytes(dir_.file("d.dic"), dict.bytes());
    ASSERT_TRUE(file_.open(dir_.file("d.dic")));
  }
  bool read(uint32_t pos, EntryRecord& view) {
    return readRecord(file_.handle, file_.recordBase(), file_.formatVersion(), pos, buffer_, view);
  }

  TempDir dir_;
  DictionaryFile file_;
  RecordBuffer buffer_{};
};

TEST(Descramble, XorsWithTheKeyBytesLeastSignificantFirstAndUndoesItself) {
  uint8_t block[6] = {0, 0, 0, 0, 0, 0};
  descramble(0x44332211, block, 6);
  EXPECT_EQ(std::vector<uint8_t>(block, block + 6), (std::vector<uint8_t>{0x11, 0x22, 0x33, 0x44, 0x11, 0x22}));
  descramble(0x44332211, block, 6);
  EXPECT_EQ(std::vector<uint8_t>(block, block + 6), std::vector<uint8_t>(6, 0));
}

TEST(RecordKey, UsesPositionPlusOne) {
  EXPECT_EQ(recordKey(0), kRecordKeyFactor);
  EXPECT_EQ(recordKey(1), kRecordKeyFactor * 2);
  EXPECT_EQ(recordKey(0xFFFFFFFF), 0u);  // (factor x 2^32) mod 2^32
}

TEST_F(RecordReaderTest, DecodesEveryFieldOfRecordsLaidBackToBack) {
  RawDictionary dict;
  dict.records.push_back(plainRecord({"one", "a", "", "b", "", "c"}, 12501, 0, {1, 2, 3, 4, 5, 6}));
  dict.records.push_back(plainRecord({"two", "", "", "", "", ""}, 7, 1));
  open(dict);
  EntryRecord view{};
  ASSERT_TRUE(read(0, view));
  EXPECT_EQ(view.headword(), "one");
  EXPECT_EQ(view.field(1), "a");
  EXPECT_EQ(view.field(2), "");
  EXPECT_EQ(view.field(5), "c");
  EXPECT_EQ(view.attributes, (std::array<uint8_t, 6>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(view.entryId, 12501u);
  EXPECT_EQ(view.group(), 12u);
  EXPECT_EQ(view.formCode(), 501u);
  EXPECT_EQ(view.listOrdinal, 0u);
  const uint32_t next = view.recordLength;
  ASSERT_TRUE(read(next, view));
  EXPECT_EQ(view.headword(), "two");
  EXPECT_EQ(view.listOrdinal, 1u);
  // A record is descrambled with the key of its own position only.
  EXPECT_FALSE(read(next - 1, view) && view.headword() == "two");
}

TEST_F(RecordReaderTest, NamedFieldsAndAttributesAreTheRightSlots) {
  RawDictionary dict;
  dict.records.push_back(plainRecord({"h", "f1", "shown", "tr", "f4", "ru"}, 3042, 0, {9, 8, 1, 2, 7, 1}));
  open(dict);
  EntryRecord view{};
  ASSERT_TRUE(read(0, view));
  EXPECT_EQ(view.headword(), "h");
  EXPECT_EQ(view.displayHeadword(), "shown");
  EXPECT_EQ(view.translation(), "tr");
  EXPECT_EQ(view.russian(), "ru");
  EXPECT_EQ(view.field(kUnshownField1), "f1");
  EXPECT_EQ(view.field(kUnshownField4), "f4");
  EXPECT_EQ(view.number(), 1);
  EXPECT_EQ(view.gender(), 2);
  EXPECT_EQ(view.construct(), 1);
}

TEST(FormCodes, RangesEndWhereTheArticleLayoutChanges) {
  EXPECT_FALSE(isListedForm(0));
  EXPECT_TRUE(isListedForm(1));
  EXPECT_TRUE(isListedForm(199));
  EXPECT_FALSE(isListedForm(200));
  EXPECT_FALSE(separatorFollowsFormOne(199));
  EXPECT_TRUE(separatorFollowsFormOne(200));
  EXPECT_TRUE(separatorFollowsFormOne(299));
  EXPECT_FALSE(separatorFollowsFormOne(300));
  EXPECT_FALSE(hasGrammarNote(399));
  EXPECT_TRUE(hasGrammarNote(400));
  EXPECT_TRUE(hasGrammarNote(499));
  EXPECT_FALSE(hasGrammarNote(500));
  EXPECT_FALSE(hasGrammarNote(599));
  EXPECT_TRUE(hasGrammarNote(600));
  EXPECT_TRUE(hasGrammarNote(999));
  EXPECT_FALSE(isLabelledVerbForm(499));
  EXPECT_TRUE(isLabelledVerbForm(500));
  EXPECT_TRUE(isLabelledVerbForm(533));
  EXPECT_FALSE(isLabelledVerbForm(534));
}

TEST_F(RecordReaderTest, RefusesFilesThatAreNotOpenOrOfAnotherVersion) {
  EntryRecord view{};
  view.listOrdinal = 77;
  DictionaryFile closed;
  EXPECT_FALSE(readRecord(closed.handle, 0, 1, 0, buffer_, view));
  for (uint32_t version : {0u, 2u}) {
    RawDictionary dict;
    dict.formatVersion = version;
    dict.records.push_back(plainRecord({"x", "", "", "", "", ""}, 1, 0));
    open(dict);
    EXPECT_FALSE(read(0, view));
  }
  EXPECT_EQ(view.listOrdinal, 77u);
  EXPECT_EQ(view.recordLength, 0u);
}

// A record whose stored length bytes say `length`, followed by `body`.
std::vector<uint8_t> recordWithLength(uint16_t length, size_t bodySize) {
  std::vector<uint8_t> record = plainRecord({"x", "", "", "", "", ""}, 1, 5);
  record.resize(std::max(record.size(), bodySize + 2), 0);
  record[0] = static_cast<uint8_t>(length);
  record[1] = static_cast<uint8_t>(length >> 8);
  return record;
}

TEST_F(RecordReaderTest, RefusesLengthsThatWrapOrExceedTheBody) {
  for (uint16_t length : {0, 1}) {
    RawDictionary dict;
    dict.records.push_back(recordWithLength(length, 40));
    open(dict);
    EntryRecord view{};
    EXPECT_FALSE(read(0, view)) << length;
    EXPECT_EQ(view.recordLength, length);
  }
}

TEST_F(RecordReaderTest, BodiesOverTheBufferAreRefusedWithoutWritingPastIt) {
  // 0x8000 passes the format's length check but not the 4096-byte buffer;
  // 0x8001 fails the length check itself.
  for (size_t body : {size_t{4094}, size_t{4095}, size_t{0x8000}, size_t{0x8001}}) {
    RawDictionary dict;
    dict.records.push_back(recordWithLength(static_cast<uint16_t>(body + 2), body));
    open(dict);
    EntryRecord view{};
    const bool ok = read(0, view);
    EXPECT_EQ(ok, body + 2 <= kRecordBufferSize) << body;
    EXPECT_EQ(view.recordLength, static_cast<uint16_t>(body + 2));
  }
}

TEST_F(RecordReaderTest, TruncatedRecordKeepsTheViewButTheNewLength) {
  RawDictionary dict;
  std::vector<uint8_t> record = plainRecord({"long enough", "", "", "", "", ""}, 1, 3);
  record[0] = static_cast<uint8_t>(record.size() + 10);  // says 10 bytes more than there are
  dict.records.push_back(record);
  open(dict);
  EntryRecord view{};
  view.listOrdinal = 42;
  EXPECT_FALSE(read(0, view));
  EXPECT_EQ(view.recordLength, record.size() + 10);
  EXPECT_EQ(view.listOrdinal, 42u);
}

TEST_F(RecordReaderTest, MalformedTextsAreRefusedInsideTheBytesRead) {
  // No NUL at all, too few texts, and texts that leave no room for the
  // trailer: each must fail without looking past the record.
  const std::vector<std::vector<uint8_t>> bodies = {
      std::vector<uint8_t>(40, 'a'),
      {'a', 0, 'b', 0, 'c', 0},
      {'a', 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
  };
  for (const auto& body : bodies) {
    std::vector<uint8_t> record(body.size() + 2, 0);
    std::copy(body.begin(), body.end(), record.begin() + 2);
    record[0] = static_cast<uint8_t>(record.size());
    RawDictionary dict;
    dict.records.push_back(record);
    open(dict);
    EntryRecord view{};
    view.entryId = 99;
    EXPECT_FALSE(read(0, view));
    EXPECT_EQ(view.entryId, 99u);
    EXPECT_EQ(view.text[0], nullptr);
  }
}

TEST_F(RecordReaderTest, PositionsPastTheEndFail) {
  RawDictionary dict;
  dict.records.push_back(plainRecord({"x", "", "", "", "", ""}, 1, 0));
  open(dict);
  EntryRecord view{};
  EXPECT_FALSE(read(1000, view));
  EXPECT_FALSE(read(0xFFFFFFFF, view));
}

}  // namespace
}  // namespace orva
