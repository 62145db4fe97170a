// Read-only random access to one dictionary file: open, read N bytes at an
// absolute offset, close. Every read starts at an absolute position, so no
// caller depends on where another left the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace orva {

class RandomAccessFile {
 public:
  RandomAccessFile() = default;
  ~RandomAccessFile();
  RandomAccessFile(const RandomAccessFile&) = delete;
  RandomAccessFile& operator=(const RandomAccessFile&) = delete;
  RandomAccessFile(RandomAccessFile&& other) noexcept;
  RandomAccessFile& operator=(RandomAccessFile&& other) noexcept;

  // Opens `path` read-only; false when it cannot be opened.
  bool open(const std::string& path);
  void close();
  bool isOpen() const { return stream_ != nullptr; }

  // Reads up to `size` bytes at `offset` into `dest` and returns how many
  // arrived: fewer than asked at the end of the file, 0 on any failure.
  size_t readAt(uint64_t offset, size_t size, uint8_t* dest);

  // Reads exactly `size` bytes or reports failure.
  bool readExactly(uint64_t offset, size_t size, uint8_t* dest) {
    return readAt(offset, size, dest) == size;
  }

  // The size of the file when it was opened.
  uint64_t size() const { return size_; }

 private:
  std::FILE* stream_ = nullptr;
  uint64_t size_ = 0;
};

}  // namespace orva
