// Line input for the --stdin modes.
#include "tools/line_input.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace orva {

namespace {

// A line cut at its byte limit may end inside a UTF-8 character; the bytes
// of that character are dropped, so a valid line stays valid text.
void dropCutCharacter(std::string& line) {
  size_t lead = line.size();
  // At most three continuation bytes (10xxxxxx) precede the cut.
  while (lead > 0 && line.size() - lead < 4 && (static_cast<uint8_t>(line[lead - 1]) & 0xC0) == 0x80) --lead;
  if (lead == 0) return;
  const auto first = static_cast<uint8_t>(line[lead - 1]);
  const size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
  if (length > line.size() - (lead - 1)) line.resize(lead - 1);
}

}  // namespace

void StdinLines::flush() {
  if (!output_.empty()) std::fwrite(output_.data(), 1, output_.size(), stdout);
  output_.clear();
  std::fflush(stdout);
}

bool StdinLines::next(std::string& line) {
  line.clear();
  if (output_.size() > (1u << 16)) flush();
  bool cut = false;
  auto keep = [&](const char* start, size_t length) {
    const size_t room = kLongestLine - line.size();
    if (length > room) cut = true;
    line.append(start, std::min(length, room));
  };
  for (;;) {
    const char* start = buffer_.data() + begin_;
    const void* feed = std::memchr(start, '\n', end_ - begin_);
    if (feed != nullptr) {
      const size_t length = static_cast<size_t>(static_cast<const char*>(feed) - start);
      keep(start, length);
      begin_ += length + 1;
      break;
    }
    keep(start, end_ - begin_);
    begin_ = end_ = 0;
    if (ended_) {
      if (line.empty()) return false;
      break;
    }
    flush();  // the reader may be waiting for these answers
    ssize_t got;
    do got = ::read(input_, buffer_.data(), buffer_.size());
    while (got < 0 && errno == EINTR);
    if (got <= 0) ended_ = true;
    else end_ = static_cast<size_t>(got);
  }
  if (cut) dropCutCharacter(line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace orva
