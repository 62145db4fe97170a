// Read-only random access to one dictionary file: open, read N bytes at an
// absolute offset, close. Every read starts at an absolute position, so no
// caller depends on where another left the file.
//
// Three ways to reach the bytes sit behind the one type. A read-only memory
// map is the default: a lookup makes some twenty small reads, and from a
// mapping each is a copy out of the page cache with no system call. The
// positional-read and buffered-stream ways remain for files that cannot be
// mapped and for measuring the difference.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace orva {

enum class FileAccessMode {
  Mapped,          // a read-only shared mapping of the whole file
  PositionalRead,  // one pread() per read
  BufferedStream,  // fseeko() + fread() on a stdio stream
};

inline constexpr FileAccessMode kDefaultFileAccess = FileAccessMode::Mapped;

// What tells one file from another at a path, and a file from itself after
// a change: a file replaced (renamed over) has another inode, one copied
// over in place or changed another size or modification time.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t size = 0;
  int64_t modifiedSeconds = 0;
  int64_t modifiedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file now at `path`; nullopt when there is none.
std::optional<FileIdentity> identityOfPath(const std::string& path);

class RandomAccessFile {
 public:
  RandomAccessFile() = default;
  ~RandomAccessFile();
  RandomAccessFile(const RandomAccessFile&) = delete;
  RandomAccessFile& operator=(const RandomAccessFile&) = delete;
  RandomAccessFile(RandomAccessFile&& other) noexcept;
  RandomAccessFile& operator=(RandomAccessFile&& other) noexcept;

  // Opens `path` read-only; false when it cannot be opened. A file that
  // cannot be mapped (empty, or not a regular file) is read with pread().
  bool open(const std::string& path, FileAccessMode mode = kDefaultFileAccess);
  void close();
  bool isOpen() const { return fd_ >= 0 || stream_ != nullptr; }
  // How the open file is read.
  FileAccessMode mode() const { return mode_; }

  // Reads up to `size` bytes at `offset` into `dest` and returns how many
  // arrived: fewer than asked at the end of the file, 0 on any failure.
  // Nothing past the size the file had when it was opened is ever read.
  // A mapped file that shrinks while open, or whose disk fails, is not a
  // crash: the mapping is dropped and the read, and every later one, goes
  // through pread() (the first mapping installs a SIGBUS handler for this,
  // passing any other SIGBUS to the handler that was there before).
  size_t readAt(uint64_t offset, size_t size, uint8_t* dest);

  // Reads exactly `size` bytes or reports failure.
  bool readExactly(uint64_t offset, size_t size, uint8_t* dest) {
    return readAt(offset, size, dest) == size;
  }

  // The size of the file when it was opened.
  uint64_t size() const { return size_; }
  // The identity of the file when it was opened.
  const FileIdentity& identity() const { return identity_; }

 private:
  void swap(RandomAccessFile& other) noexcept;

  int fd_ = -1;                      // Mapped and PositionalRead
  const uint8_t* map_ = nullptr;     // Mapped: the whole file
  std::FILE* stream_ = nullptr;      // BufferedStream
  uint64_t size_ = 0;
  FileIdentity identity_;
  FileAccessMode mode_ = kDefaultFileAccess;
};

}  // namespace orva
