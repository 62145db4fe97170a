// Standard input a line at a time for the --stdin modes of orvadict, with
// the answers gathered in memory and written whenever the input runs dry:
// a batch of queries costs one write per buffer, and a program that sends
// one query and waits still gets its answer at once.
#pragma once

#include <string>
#include <vector>

namespace orva {

class StdinLines {
 public:
  // `output` collects the answers; it is written out (and emptied) before
  // every wait for more input, when it grows large, and at the end.
  explicit StdinLines(std::string& output) : output_(output), buffer_(1 << 16) {}
  ~StdinLines() { flush(); }
  StdinLines(const StdinLines&) = delete;
  StdinLines& operator=(const StdinLines&) = delete;

  // The next line without its line feed (and carriage return); false at the
  // end of the input. A last line without a line feed still counts.
  bool next(std::string& line);
  // Writes what the answers hold so far.
  void flush();

 private:
  std::string& output_;
  std::vector<char> buffer_;
  size_t begin_ = 0;
  size_t end_ = 0;
  bool ended_ = false;
};

}  // namespace orva
