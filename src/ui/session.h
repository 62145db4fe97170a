// Scripted sessions over the in-memory platform: one command a line (type,
// erase, key, focus, tap, scroll, command, keyboard, wait, close, show).
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/memory_platform.h"

namespace orva {

struct SessionCommand {
  enum class Kind { Type, Erase, Key, Focus, Tap, Scroll, Command, Keyboard, Wait, Close, Show };
  Kind kind = Kind::Show;
  int line = 0;
  std::u16string text;         // type
  uint32_t key = 0;            // key: a key code, or 0 with `text` holding one character
  bool flag = false;           // focus: list; keyboard: up
  int64_t number = 0;          // tap row, wait ms, scroll position, command id
  ScrollRequest request = ScrollRequest::EndScroll;
};

// A script that could not be read: the line and what is wrong with it.
struct SessionError {
  int line = 0;
  std::string message;
};

// Parses a whole script. Blank lines and lines starting with "#" are
// skipped; a trailing carriage return is ignored.
std::vector<SessionCommand> parseSessionScript(std::istream& in);  // throws SessionError

// Runs the commands; `show` writes the state to `out`.
void runSessionScript(const std::vector<SessionCommand>& commands, MemoryPlatform& platform, std::ostream& out);

// The state as `show` prints it.
std::string formatSessionState(const MemoryPlatform& platform);

}  // namespace orva
