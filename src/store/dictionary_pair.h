// The two open dictionary files, the values kept from their headers, and the
// opening and closing of both.
#pragma once

#include <string>
#include <string_view>

#include "store/dictionary_format.h"
#include "store/direction.h"
#include "store/file_access.h"
#include "store/record_reader.h"

namespace orva {

// What a check of an open dictionary file found.
enum class FileChange {
  Unchanged,  // the file open is the one at its path (or none was ever open)
  Reopened,   // it was replaced or changed, and the new file is open now
  Gone,       // it was replaced or changed, and the path opens no dictionary
};

// One dictionary file: its read-only handle (closed when opening failed) and
// a copy of its header, from which every header value is derived.
struct DictionaryFile {
  RandomAccessFile handle;
  DictionaryHeader header;

  bool isOpen() const { return handle.isOpen(); }
  // Header values; 0 for a file that is not open, so that nothing is ever
  // read from a missing dictionary.
  uint32_t entryCount() const { return isOpen() ? header.entryCount() : 0; }
  uint32_t searchEntryCount() const { return isOpen() ? header.searchEntryCount() : 0; }
  uint32_t recordBase() const { return isOpen() ? header.recordBase() : 0; }
  uint32_t formatVersion() const { return isOpen() ? header.formatVersion() : 0; }

  // Reads the record at `recordPos` (see the free readRecord).
  bool readRecord(uint32_t recordPos, RecordBuffer& buffer, EntryRecord& view) {
    return orva::readRecord(handle, recordBase(), formatVersion(), recordPos, buffer, view);
  }
  // Reads entry `index` of `table` into `entry`, which holds
  // tableEntrySize(table) bytes; false when the read comes up short. The
  // caller bounds `index` by the table's entry count.
  bool readTableEntry(DictionaryTable table, uint32_t index, uint8_t* entry) {
    const uint32_t size = tableEntrySize(table);
    return handle.readExactly(header.tableOffset(table) + uint64_t{index} * size, size, entry);
  }

  // Opens `path` and reads its header. A file shorter than its header counts
  // as one that could not be opened.
  bool open(const std::string& path, FileAccessMode mode = kDefaultFileAccess);
  void close();

  // Whether the file at the path it was opened from is still the one open
  // (same device, inode, size and modification time). A file replaced or
  // changed since is opened again, header and all, so that answers never
  // mix the old header with the new bytes; a path that no longer opens a
  // dictionary leaves the file closed, and a later check tries again. One
  // check per batch of lookups (a typed text, a line of input) suffices. A
  // file that never opened stays closed.
  FileChange reopenIfChanged();

 private:
  std::string path_;  // where the file was opened from, kept until close()
  FileAccessMode mode_ = kDefaultFileAccess;
};

struct DictionaryPair {
  DictionaryFile russianHebrew;  // rusheb.dic
  DictionaryFile hebrewRussian;  // hebrus.dic

  DictionaryFile& file(Direction d) { return d == Direction::RussianHebrew ? russianHebrew : hebrewRussian; }
  const DictionaryFile& file(Direction d) const {
    return d == Direction::RussianHebrew ? russianHebrew : hebrewRussian;
  }
};

// Where failures to open are reported: the window shows a message box, the
// command line prints to stderr.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A message with a caption; an empty caption means the application name.
  virtual void showMessage(std::u16string_view caption, std::u16string_view text) = 0;
};

inline constexpr std::u16string_view kErrorCaption = u"Error";
inline constexpr std::u16string_view kCannotOpenRussianHebrew = u"Can't open rus-heb database!";
inline constexpr std::u16string_view kCannotOpenHebrewRussian = u"Can't open heb-rus database!";

inline std::u16string_view cannotOpenMessage(Direction d) {
  return d == Direction::RussianHebrew ? kCannotOpenRussianHebrew : kCannotOpenHebrewRussian;
}

// Opens programDirectory + "/rusheb.dic", then "/hebrus.dic", whatever
// happened to the first; each file that cannot be opened is reported once.
void openDictionaries(DictionaryPair& pair, const std::string& programDirectory, MessageSink& owner);
void closeDictionaries(DictionaryPair& pair);

}  // namespace orva
