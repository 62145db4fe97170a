// RandomAccessFile over a memory map, pread() or a stdio stream.
#include "store/file_access.h"

#include <fcntl.h>
#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <limits>
#include <mutex>
#include <utility>

namespace orva {

RandomAccessFile::~RandomAccessFile() { close(); }

RandomAccessFile::RandomAccessFile(RandomAccessFile&& other) noexcept { swap(other); }

RandomAccessFile& RandomAccessFile::operator=(RandomAccessFile&& other) noexcept {
  if (this != &other) {
    close();
    swap(other);
  }
  return *this;
}

void RandomAccessFile::swap(RandomAccessFile& other) noexcept {
  std::swap(fd_, other.fd_);
  std::swap(map_, other.map_);
  std::swap(stream_, other.stream_);
  std::swap(size_, other.size_);
  std::swap(identity_, other.identity_);
  std::swap(mode_, other.mode_);
}

namespace {

// The size of the open descriptor's file: st_size for a regular file, the
// end position otherwise (as a stream would find it); -1 when unknown or a
// directory.
int64_t sizeOf(int fd, bool& regular) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) return -1;
  regular = S_ISREG(st.st_mode);
  if (regular) return st.st_size;
  const off_t end = ::lseek(fd, 0, SEEK_END);
  return end < 0 ? -1 : static_cast<int64_t>(end);
}

// A mapped file that shrinks while open (copied over in place, cut short by
// another program) or whose disk fails turns a copy out of the mapping into
// SIGBUS. The copy runs under a guard: the handler jumps back to readAt,
// which drops the mapping and reads the file with pread() from then on,
// answering what the file now holds, as a file opened that way would.
// A SIGBUS anywhere else goes to whatever handled it before.
thread_local sigjmp_buf* tMappedCopy = nullptr;
struct sigaction gPreviousBusAction {};

void onBusError(int signal, siginfo_t* info, void* context) {
  if (sigjmp_buf* copy = tMappedCopy) {
    tMappedCopy = nullptr;
    siglongjmp(*copy, 1);
  }
  // Not a guarded copy: hand the signal on to the earlier handler, or put
  // the earlier action back and raise the signal again under it.
  if ((gPreviousBusAction.sa_flags & SA_SIGINFO) != 0 && gPreviousBusAction.sa_sigaction != nullptr) {
    gPreviousBusAction.sa_sigaction(signal, info, context);
    return;
  }
  sigaction(SIGBUS, &gPreviousBusAction, nullptr);
  raise(signal);
}

void installBusErrorGuard() {
  static std::once_flag once;
  std::call_once(once, [] {
    struct sigaction action {};
    action.sa_sigaction = onBusError;
    // SA_NODEFER: the jump out of the handler does not restore the signal
    // mask, so SIGBUS must not be blocked while the handler runs.
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &gPreviousBusAction);
  });
}

// Copies out of a mapping; false when the pages are gone.
bool copyFromMapping(uint8_t* dest, const uint8_t* source, size_t length) {
  sigjmp_buf jump;
  if (sigsetjmp(jump, 0) != 0) return false;
  tMappedCopy = &jump;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  std::memcpy(dest, source, length);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  tMappedCopy = nullptr;
  return true;
}

// Opens `path` for reading without waiting on it: a pipe or a socket given
// the name of a dictionary would block the open, or every read, until some
// other program wrote to it, so only files that hold their bytes are taken.
int openForReading(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat st {};
  const int flags = ::fcntl(fd, F_GETFL);
  if (::fstat(fd, &st) != 0 || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || flags < 0 ||
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

FileIdentity identityOf(const struct stat& st) {
  FileIdentity id;
  id.device = static_cast<uint64_t>(st.st_dev);
  id.inode = static_cast<uint64_t>(st.st_ino);
  id.size = static_cast<uint64_t>(st.st_size);
  id.modifiedSeconds = static_cast<int64_t>(st.st_mtim.tv_sec);
  id.modifiedNanoseconds = static_cast<int64_t>(st.st_mtim.tv_nsec);
  return id;
}

FileIdentity identityOfDescriptor(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 ? identityOf(st) : FileIdentity{};
}

}  // namespace

std::optional<FileIdentity> identityOfPath(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return identityOf(st);
}

bool RandomAccessFile::open(const std::string& path, FileAccessMode mode) {
  close();
  if (mode == FileAccessMode::BufferedStream) {
    const int fd = openForReading(path);
    if (fd < 0) return false;
    std::FILE* stream = ::fdopen(fd, "rb");
    if (stream == nullptr) {
      ::close(fd);
      return false;
    }
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
    identity_ = identityOfDescriptor(fileno(stream));
    mode_ = mode;
    return true;
  }

  const int fd = openForReading(path);
  if (fd < 0) return false;
  bool regular = false;
  const int64_t size = sizeOf(fd, regular);
  if (size < 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  size_ = static_cast<uint64_t>(size);
  identity_ = identityOfDescriptor(fd);
  mode_ = FileAccessMode::PositionalRead;
  if (mode == FileAccessMode::Mapped && regular && size_ > 0 &&
      size_ <= std::numeric_limits<size_t>::max()) {
    void* map = ::mmap(nullptr, static_cast<size_t>(size_), PROT_READ, MAP_SHARED, fd, 0);
    if (map != MAP_FAILED) {
      installBusErrorGuard();
      map_ = static_cast<const uint8_t*>(map);
      mode_ = FileAccessMode::Mapped;
    }
  }
  return true;
}

void RandomAccessFile::close() {
  if (map_ != nullptr) ::munmap(const_cast<uint8_t*>(map_), static_cast<size_t>(size_));
  if (fd_ >= 0) ::close(fd_);
  if (stream_ != nullptr) std::fclose(stream_);
  map_ = nullptr;
  fd_ = -1;
  stream_ = nullptr;
  size_ = 0;
  identity_ = FileIdentity{};
  mode_ = kDefaultFileAccess;
}

size_t RandomAccessFile::readAt(uint64_t offset, size_t size, uint8_t* dest) {
  if (!isOpen() || size == 0 || offset >= size_) return 0;
  // Never past the size captured at open: the mapping ends there, and the
  // other ways must answer the same.
  const size_t length = static_cast<size_t>(std::min<uint64_t>(size, size_ - offset));
  if (map_ != nullptr) {
    if (copyFromMapping(dest, map_ + offset, length)) return length;
    ::munmap(const_cast<uint8_t*>(map_), static_cast<size_t>(size_));
    map_ = nullptr;
    mode_ = FileAccessMode::PositionalRead;
  }
  if (offset > static_cast<uint64_t>(std::numeric_limits<off_t>::max())) return 0;
  if (stream_ != nullptr) {
    if (fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) != 0) return 0;
    return std::fread(dest, 1, length, stream_);
  }
  size_t done = 0;
  while (done < length) {
    const ssize_t got = ::pread(fd_, dest + done, length - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

}  // namespace orva
