// Buffered-stream implementation of RandomAccessFile.
#include "store/file_access.h"

#include <sys/types.h>

#include <utility>

namespace orva {

RandomAccessFile::~RandomAccessFile() { close(); }

RandomAccessFile::RandomAccessFile(RandomAccessFile&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)), size_(std::exchange(other.size_, 0)) {}

RandomAccessFile& RandomAccessFile::operator=(RandomAccessFile&& other) noexcept {
  if (this != &other) {
    close();
    stream_ = std::exchange(other.stream_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

bool RandomAccessFile::open(const std::string& path) {
  close();
  std::FILE* stream = std::fopen(path.c_str(), "rb");
  if (stream == nullptr) return false;
  if (fseeko(stream, 0, SEEK_END) != 0) {
    std::fclose(stream);
    return false;
  }
  const off_t end = ftello(stream);
  if (end < 0) {
    std::fclose(stream);
    return false;
  }
  stream_ = stream;
  size_ = static_cast<uint64_t>(end);
  return true;
}

void RandomAccessFile::close() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  size_ = 0;
}

size_t RandomAccessFile::readAt(uint64_t offset, size_t size, uint8_t* dest) {
  if (stream_ == nullptr || size == 0) return 0;
  if (offset >= size_) return 0;
  if (offset > static_cast<uint64_t>(INT64_MAX)) return 0;
  if (fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) != 0) return 0;
  return std::fread(dest, 1, size, stream_);
}

}  // namespace orva
