// Laying out a dictionary file.
#include "tools/dictionary_builder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "store/byte_order.h"
#include "store/dictionary_format.h"
#include "store/record_reader.h"
#include "text/collation.h"

namespace orva {

namespace {

bool lessBytes(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<uint8_t>(x) < static_cast<uint8_t>(y);
  });
}

std::vector<uint8_t> plainRecord(const SourceEntry& entry, uint32_t listOrdinal) {
  std::vector<uint8_t> record(2);
  for (const std::string& field : entry.fields) {
    record.insert(record.end(), field.begin(), field.end());
    record.push_back(0);
  }
  record.insert(record.end(), entry.attributes.begin(), entry.attributes.end());
  uint8_t numbers[8];
  encodeFixed32(numbers, entry.entryId());
  encodeFixed32(numbers + 4, listOrdinal);
  record.insert(record.end(), numbers, numbers + 8);
  encodeFixed16(record.data(), static_cast<uint16_t>(record.size()));
  return record;
}

}  // namespace

bool buildDictionary(Direction direction, std::vector<SourceEntry> entries, std::vector<uint8_t>& file,
                     std::string& error) {
  // Order the entries as the search walks them.
  struct Keyed {
    std::string view, raw;
    size_t index;
  };
  std::vector<Keyed> order;
  order.reserve(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string& headword = entries[i].fields[kHeadwordField];
    order.push_back({collationView(direction, headword), searchKeyOf(direction, headword), i});
  }
  std::stable_sort(order.begin(), order.end(), [](const Keyed& a, const Keyed& b) {
    if (a.view != b.view) return lessBytes(a.view, b.view);
    return lessAmongAlike(a.raw, b.raw);
  });

  // Records back to back, each scrambled with the key of its own position.
  std::vector<uint8_t> records;
  std::vector<uint32_t> positions(entries.size());
  for (size_t ordinal = 0; ordinal < order.size(); ++ordinal) {
    std::vector<uint8_t> record = plainRecord(entries[order[ordinal].index], static_cast<uint32_t>(ordinal));
    if (records.size() + record.size() > UINT32_MAX) {
      error = "the records take more than 4 GiB";
      return false;
    }
    const auto pos = static_cast<uint32_t>(records.size());
    positions[ordinal] = pos;
    descramble(recordKey(pos), record.data(), record.size());
    records.insert(records.end(), record.begin(), record.end());
  }

  // One search key per distinct leading ten bytes, leading to the first
  // record that has them, sorted as the comparator sees keys. Keys that the
  // comparator cannot tell apart (ё and е, a quote or none) are kept once,
  // so the search always lands on the first of their records.
  struct Key {
    std::string raw, view;
    uint32_t recordPos;
  };
  std::vector<Key> keys;
  std::map<std::string, bool> seenKeys;
  for (size_t ordinal = 0; ordinal < order.size(); ++ordinal) {
    const std::string raw = searchKeyOf(direction, entries[order[ordinal].index].fields[kHeadwordField]);
    std::string view = collationView(direction, raw);
    if (!seenKeys.emplace(view, true).second) continue;
    keys.push_back({raw, std::move(view), positions[ordinal]});
  }
  std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return lessBytes(a.view, b.view); });

  // The id index, by signed entry id.
  std::vector<std::pair<int32_t, uint32_t>> ids;
  for (size_t ordinal = 0; ordinal < order.size(); ++ordinal)
    ids.emplace_back(static_cast<int32_t>(entries[order[ordinal].index].entryId()), positions[ordinal]);
  std::sort(ids.begin(), ids.end());

  const uint64_t searchIndexSize = uint64_t{keys.size()} * kSearchEntrySize;
  const uint64_t entryTablesSize = uint64_t{entries.size()} * (kListEntrySize + kIdEntrySize);
  if (kHeaderSize + searchIndexSize + entryTablesSize > UINT32_MAX) {
    error = "the tables take more than 4 GiB";
    return false;
  }

  file.assign(kHeaderSize, 0);
  encodeFixed32(&file[kFormatVersionOffset], kSupportedFormatVersion);
  encodeFixed32(&file[kSearchIndexSizeOffset], static_cast<uint32_t>(searchIndexSize));
  encodeFixed32(&file[kEntryTablesSizeOffset], static_cast<uint32_t>(entryTablesSize));
  encodeFixed32(&file[kEntryCountOffset], static_cast<uint32_t>(entries.size()));
  file.reserve(kHeaderSize + searchIndexSize + entryTablesSize + records.size());
  for (const Key& key : keys) {
    uint8_t entry[kSearchEntrySize] = {};
    std::memcpy(entry, key.raw.data(), key.raw.size());
    encodeFixed32(entry + kSearchKeyBytes, key.recordPos);
    file.insert(file.end(), entry, entry + kSearchEntrySize);
  }
  for (uint32_t pos : positions) {
    uint8_t entry[kListEntrySize] = {};
    encodeFixed32(entry + 4, pos);
    file.insert(file.end(), entry, entry + kListEntrySize);
  }
  for (const auto& [id, pos] : ids) {
    uint8_t entry[kIdEntrySize];
    encodeFixed32(entry, static_cast<uint32_t>(id));
    encodeFixed32(entry + 4, pos);
    file.insert(file.end(), entry, entry + kIdEntrySize);
  }
  file.insert(file.end(), records.begin(), records.end());
  return true;
}

namespace {

// While the temporary file exists, the signals that end a process by
// default (Ctrl-C, a hang-up, kill, a file-size limit) are held back, so an
// interrupted write still removes the temporary file or finishes the rename.
// A held-back interrupt takes effect as soon as the file is in a consistent
// state again; a file-size signal only makes the write fail, which is
// reported like any other failed write.
class HeldSignals {
 public:
  HeldSignals() {
    sigset_t held;
    sigemptyset(&held);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGXFSZ}) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &previous_);
  }
  ~HeldSignals() {
    sigset_t pending;
    if (sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) && !sigismember(&previous_, SIGXFSZ)) {
      sigset_t only;
      sigemptyset(&only);
      sigaddset(&only, SIGXFSZ);
      const timespec now{};
      sigtimedwait(&only, nullptr, &now);
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
  }
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace

std::string temporaryPathFor(const std::string& path) { return path + ".tmp"; }

namespace {

// The directory a path names a file in.
std::string directoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Gives the unnamed file open at `fd` the name `name`, replacing a file of
// that name left by a build that was killed.
bool nameAnonymousFile(int fd, const std::string& name) {
  char proc[40];
  std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
  const auto link = [&] { return ::linkat(AT_FDCWD, proc, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0; };
  if (link()) return true;
  if (errno == EEXIST && ::unlink(name.c_str()) == 0 && link()) return true;
  // Without /proc, the descriptor itself (allowed to privileged processes).
  return errno == ENOENT && ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0;
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
  const HeldSignals held;
  const std::string temp = temporaryPathFor(path);
  // The bytes go into a file without a name, so a build killed while it
  // writes (SIGKILL cannot be held back) leaves nothing behind. Where the
  // file system has no such files, the temporary file has a name, but the
  // same one for every build of the target, and the next build removes it.
  bool named = false;
  int fd = ::open(directoryOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
  if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    ::unlink(temp.c_str());
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    named = fd >= 0;
  }
  if (fd < 0) {
    error = "cannot create a file beside " + path + ": " + std::strerror(errno);
    return false;
  }
  auto fail = [&](const char* what) {
    error = std::string(what) + " " + temp + ": " + std::strerror(errno);
    ::close(fd);
    if (named) ::unlink(temp.c_str());
    return false;
  };
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail("cannot write");
    written += static_cast<size_t>(n);
  }
  if (::fchmod(fd, 0644) != 0) return fail("cannot set permissions of");
  if (::fsync(fd) != 0) return fail("cannot flush");
  if (!named) {
    // The file gets its name only now, complete, for the rename just after.
    if (!nameAnonymousFile(fd, temp)) return fail("cannot name");
    named = true;
  }
  if (::close(fd) != 0) {
    error = "cannot close " + temp + ": " + std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    error = "cannot rename " + temp + " to " + path + ": " + std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace orva
