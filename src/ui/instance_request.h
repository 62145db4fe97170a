// The request one start of the program hands to the instance that already
// runs: show the window, or show it and look a word up. A request is one
// line of UTF-8 on a local socket; whatever arrives there is untrusted, so
// the reader bounds its length, checks its encoding and cleans the word.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orva {

struct InstanceRequest {
  enum class Kind { Show, LookUp };
  Kind kind = Kind::Show;
  std::u16string word;  // cleaned; never empty for LookUp

  friend bool operator==(const InstanceRequest&, const InstanceRequest&) = default;
};

// The longest request line, its newline included. A word is cut far below
// it; a longer line is no request of this program's.
inline constexpr size_t kMaxRequestBytes = 1024;
// The most UTF-16 units of a word to look up: a selection of a whole
// paragraph is cut to its beginning.
inline constexpr size_t kMaxRequestedWordUnits = 100;

// What is worth looking up in `text` (typed on a command line or taken from
// a selection): its first line that holds anything, without control and
// direction-mark characters, with runs of white space made one space and
// without the white space and punctuation around it, cut to
// kMaxRequestedWordUnits units and never inside a surrogate pair. Empty
// when nothing is left.
std::u16string cleanRequestedWord(std::u16string_view text);

// A LookUp request for `text` cleaned, or a Show request when nothing of it
// is left.
InstanceRequest requestToLookUp(std::u16string_view text);

// The request as it goes on the socket: "show\n", or "look-up " followed by
// the word in UTF-8 and "\n".
std::string encodeInstanceRequest(const InstanceRequest& request);

// Reads one request from bytes as they arrive.
class InstanceRequestReader {
 public:
  enum class State { NeedMore, Complete, Rejected };

  // Takes the next bytes of the connection. Complete once a whole valid
  // line has arrived (later bytes are ignored); Rejected, for good, once
  // the line is too long, not UTF-8 or no request.
  State feed(std::string_view bytes);
  State state() const { return state_; }
  // The request, once Complete.
  const std::optional<InstanceRequest>& request() const { return request_; }

 private:
  void finish();

  std::string line_;
  State state_ = State::NeedMore;
  std::optional<InstanceRequest> request_;
};

// The local socket's name for one user on one display: "orva-" with the
// user id and, when there is one, the display with every character but
// letters, digits, '.' and '-' replaced by '_' (and at most 64 of them).
std::string instanceSocketName(unsigned long userId, std::string_view display);

}  // namespace orva
