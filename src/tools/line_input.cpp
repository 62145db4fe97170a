// Line input for the --stdin modes.
#include "tools/line_input.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orva {

void StdinLines::flush() {
  if (!output_.empty()) std::fwrite(output_.data(), 1, output_.size(), stdout);
  output_.clear();
  std::fflush(stdout);
}

bool StdinLines::next(std::string& line) {
  line.clear();
  if (output_.size() > (1u << 16)) flush();
  auto keep = [&](const char* start, size_t length) {
    line.append(start, std::min(length, kLongestLine - line.size()));
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
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace orva
