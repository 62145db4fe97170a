// Standard input a line at a time for the --stdin modes of orvadict, with
// the answers gathered in memory and written whenever the input runs dry:
// a batch of queries costs one write per buffer, and a program that sends
// one query and waits still gets its answer at once.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <string>
#include <vector>

namespace orva {

class StdinLines {
 public:
  // A line keeps at most this many bytes; the rest of a longer line is
  // passed over, so input without line feeds cannot exhaust memory. A query
  // uses far fewer.
  static constexpr size_t kLongestLine = size_t{1} << 16;

  // `output` collects the answers; it is written out (and emptied) before
  // every wait for more input, when it grows large, and at the end.
  // `input` is the descriptor read, standard input unless told.
  explicit StdinLines(std::string& output, int input = STDIN_FILENO)
      : output_(output), input_(input), buffer_(1 << 16) {}
  ~StdinLines() { flush(); }
  StdinLines(const StdinLines&) = delete;
  StdinLines& operator=(const StdinLines&) = delete;

  // The next line without its line feed (and carriage return), cut to
  // kLongestLine bytes; false at the end of the input. A last line without
  // a line feed still counts.
  bool next(std::string& line);
  // Writes what the answers hold so far.
  void flush();

 private:
  std::string& output_;
  int input_;
  std::vector<char> buffer_;
  size_t begin_ = 0;
  size_t end_ = 0;
  bool ended_ = false;
};

}  // namespace orva
