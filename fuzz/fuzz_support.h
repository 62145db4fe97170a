// Shared pieces of the fuzz harnesses: dictionary bytes opened as a file
// without touching the disk, the example dictionaries, and the device
// settings a harness input selects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/dictionary_pair.h"
#include "store/direction.h"
#include "text/device_settings.h"

namespace orva::fuzz {

// An anonymous in-memory file that is rewritten for every input and opened
// through its /proc path, so the readers see an ordinary file.
class MemoryFile {
 public:
  explicit MemoryFile(const char* name);
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  // Replaces the contents and opens them as `file`; false when even the
  // header is missing (the program then reports the file as unopenable).
  bool load(const uint8_t* data, size_t size, DictionaryFile& file);
  bool load(const std::vector<uint8_t>& bytes, DictionaryFile& file) { return load(bytes.data(), bytes.size(), file); }

 private:
  int fd_ = -1;
  std::string path_;
};

// The source text of the example dictionary of `direction`.
std::string exampleSource(Direction direction);

// The example dictionary of `direction`, built as `orvadict build` builds it.
std::vector<uint8_t> exampleDictionary(Direction direction);

// One of nine devices: Hebrew, Russian or English language, each with code
// page 1251, 1252 or 1255.
DeviceSettings deviceFromByte(uint8_t selector);

// The direction a harness's selector byte picks (its lowest bit).
inline Direction directionFromByte(uint8_t selector) {
  return (selector & 1) ? Direction::RussianHebrew : Direction::HebrewRussian;
}

// The invariants of a page as the window's viewer receives it, in either
// order of Hebrew: only page tags with safe attributes, nested no deeper
// than the cap, no comment or broken tag, and settled after one pass.
void checkViewerPage(std::u16string_view page);

// Aborts with a message; a broken invariant is a finding like a crash.
[[noreturn]] void fail(const char* what);

}  // namespace orva::fuzz
