// Test fixtures: temporary directories, dictionaries built from source text,
// and hand-made dictionary bytes for malformed files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/dictionary_pair.h"
#include "store/direction.h"

namespace orva::test {

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> readBytes(const std::string& path);

// Builds a dictionary from source text; the test fails on any problem.
std::vector<uint8_t> buildFromSource(Direction direction, const std::string& source);

// Builds from source and opens the result as `file` (saved at `path`).
void buildAndOpen(Direction direction, const std::string& source, const std::string& path, DictionaryFile& file);

// One plain record: six texts, attributes, entry id and list number; the
// length is filled in.
std::vector<uint8_t> plainRecord(const std::vector<std::string>& texts, uint32_t entryId, uint32_t listOrdinal,
                                 std::vector<uint8_t> attributes = std::vector<uint8_t>(6, 0));

// A hand-made file: a header with the given sizes, the table bytes as given
// and the records, each scrambled with the key of its position.
struct RawDictionary {
  uint32_t formatVersion = 1;
  std::vector<uint8_t> searchIndex;
  std::vector<uint8_t> listIndex;
  std::vector<uint8_t> idIndex;
  std::vector<std::vector<uint8_t>> records;  // plain; scrambled when laid out
  // Overrides of header fields; when unset, taken from the tables.
  int64_t searchIndexSize = -1, entryTablesSize = -1, entryCount = -1;

  std::vector<uint8_t> bytes() const;
};

// A valid hand-made Hebrew-Russian dictionary of three entries (אב, בית,
// גשם; ids 7001 to 7003), the base that damage tests start from.
RawDictionary threeHebrewEntries();

// Appends a search index entry / list entry / id entry.
void addSearchEntry(std::vector<uint8_t>& table, const std::string& key, uint32_t recordPos);
void addListEntry(std::vector<uint8_t>& table, uint32_t recordPos);
void addIdEntry(std::vector<uint8_t>& table, int32_t id, uint32_t recordPos);

// A message sink that keeps what it was shown.
class RecordingSink : public MessageSink {
 public:
  void showMessage(std::u16string_view caption, std::u16string_view text) override {
    messages.push_back(std::u16string(caption) + u" | " + std::u16string(text));
  }
  std::vector<std::u16string> messages;
};

// UTF-8 for readable assertions.
std::string u8(std::u16string_view text);
// Bytes of a code page from UTF-8 source text (1251 or 1255).
std::string cp1251(const std::string& utf8);
std::string cp1255(const std::string& utf8);

}  // namespace orva::test
