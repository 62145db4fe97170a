// Test fixtures.
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "store/byte_order.h"
#include "store/dictionary_format.h"
#include "store/record_reader.h"
#include "text/code_pages.h"
#include "text/utf.h"
#include "tools/dictionary_builder.h"
#include "tools/source_parser.h"

namespace orva::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orva-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<uint8_t> buildFromSource(Direction direction, const std::string& source) {
  ParseResult parsed;
  parseSource(source, "test.src", direction, parsed);
  checkEntrySet(parsed);
  for (const auto& problem : parsed.problems) ADD_FAILURE() << problem;
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(buildDictionary(direction, parsed.entries, bytes, error)) << error;
  return bytes;
}

void buildAndOpen(Direction direction, const std::string& source, const std::string& path, DictionaryFile& file) {
  writeBytes(path, buildFromSource(direction, source));
  ASSERT_TRUE(file.open(path));
}

std::vector<uint8_t> plainRecord(const std::vector<std::string>& texts, uint32_t entryId, uint32_t listOrdinal,
                                 std::vector<uint8_t> attributes) {
  std::vector<uint8_t> record(2);
  for (const auto& text : texts) {
    record.insert(record.end(), text.begin(), text.end());
    record.push_back(0);
  }
  record.insert(record.end(), attributes.begin(), attributes.end());
  uint8_t numbers[8];
  encodeFixed32(numbers, entryId);
  encodeFixed32(numbers + 4, listOrdinal);
  record.insert(record.end(), numbers, numbers + 8);
  encodeFixed16(record.data(), static_cast<uint16_t>(record.size()));
  return record;
}

std::vector<uint8_t> RawDictionary::bytes() const {
  std::vector<uint8_t> out(kHeaderSize, 0);
  encodeFixed32(&out[kFormatVersionOffset], formatVersion);
  encodeFixed32(&out[kSearchIndexSizeOffset],
                static_cast<uint32_t>(searchIndexSize >= 0 ? searchIndexSize : int64_t(searchIndex.size())));
  encodeFixed32(&out[kEntryTablesSizeOffset], static_cast<uint32_t>(entryTablesSize >= 0
                                                                         ? entryTablesSize
                                                                         : int64_t(listIndex.size() + idIndex.size())));
  encodeFixed32(&out[kEntryCountOffset],
                static_cast<uint32_t>(entryCount >= 0 ? entryCount : int64_t(listIndex.size() / kListEntrySize)));
  out.insert(out.end(), searchIndex.begin(), searchIndex.end());
  out.insert(out.end(), listIndex.begin(), listIndex.end());
  out.insert(out.end(), idIndex.begin(), idIndex.end());
  uint32_t pos = 0;
  for (auto record : records) {
    descramble(recordKey(pos), record.data(), record.size());
    out.insert(out.end(), record.begin(), record.end());
    pos += static_cast<uint32_t>(record.size());
  }
  return out;
}

RawDictionary threeHebrewEntries() {
  RawDictionary dict;
  const std::vector<std::string> words = {"אב", "בית", "גשם"};
  uint32_t pos = 0;
  for (uint32_t i = 0; i < words.size(); ++i) {
    auto record = plainRecord({cp1255(words[i]), "", "", "", "", "\xE4\xE0"}, 7001 + i, i);
    addSearchEntry(dict.searchIndex, cp1255(words[i]), pos);
    addListEntry(dict.listIndex, pos);
    addIdEntry(dict.idIndex, static_cast<int32_t>(7001 + i), pos);
    pos += static_cast<uint32_t>(record.size());
    dict.records.push_back(record);
  }
  return dict;
}

void addSearchEntry(std::vector<uint8_t>& table, const std::string& key, uint32_t recordPos) {
  uint8_t entry[kSearchEntrySize] = {};
  std::copy(key.begin(), key.begin() + static_cast<std::ptrdiff_t>(std::min(key.size(), kSearchKeyBytes)), entry);
  encodeFixed32(entry + 10, recordPos);
  table.insert(table.end(), entry, entry + kSearchEntrySize);
}

void addListEntry(std::vector<uint8_t>& table, uint32_t recordPos) {
  uint8_t entry[8] = {};
  encodeFixed32(entry + 4, recordPos);
  table.insert(table.end(), entry, entry + 8);
}

void addIdEntry(std::vector<uint8_t>& table, int32_t id, uint32_t recordPos) {
  uint8_t entry[8];
  encodeFixed32(entry, static_cast<uint32_t>(id));
  encodeFixed32(entry + 4, recordPos);
  table.insert(table.end(), entry, entry + 8);
}

std::string u8(std::u16string_view text) { return utf16ToUtf8(text); }

namespace {
std::string narrow(CodePage cp, const std::string& utf8) {
  std::string out;
  const std::u16string text = utf8ToUtf16(utf8).value_or(u"");
  for (char16_t ch : text) out.push_back(static_cast<char>(narrowUnit(cp, ch).value_or('?')));
  return out;
}
}  // namespace

std::string cp1251(const std::string& utf8) { return narrow(CodePage::Cyrillic1251, utf8); }
std::string cp1255(const std::string& utf8) { return narrow(CodePage::Hebrew1255, utf8); }

}  // namespace orva::test
