// orvadict session: the window's logic run over an in-memory platform from a
// script.
#include <charconv>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/visible_controls.h"
#include "ui/session.h"

namespace orva {

namespace {

Size parseClient(const std::string& text) {
  const size_t x = text.find('x');
  const auto part = [&](size_t from, size_t to) -> int {
    int value = 0;
    const char* begin = text.data() + from;
    const char* end = text.data() + to;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || stop != end || value <= 0 || value > 100000)
      throw UsageError{"--client takes WIDTHxHEIGHT, such as 240x268"};
    return value;
  };
  if (x == std::string::npos) throw UsageError{"--client takes WIDTHxHEIGHT, such as 240x268"};
  return {part(0, x), part(x + 1, text.size())};
}

}  // namespace

int runSession(const CommandArgs& raw) {
  const Arguments args(raw, {"--dir", "--language", "--codepage", "--client"}, {});
  const CommonOptions options = commonOptions(args);
  if (args.positional().size() > 1) throw UsageError{"session takes at most one script"};
  MemoryOptions memory;
  memory.directory = options.dir;
  memory.device = options.device;
  if (const auto client = args.value("--client")) memory.client = parseClient(*client);

  std::vector<SessionCommand> commands;
  try {
    if (args.positional().empty() || args.positional()[0] == "-") {
      commands = parseSessionScript(std::cin);
    } else {
      std::ifstream script(args.positional()[0], std::ios::binary);
      if (!script) throw UsageError{"cannot read " + args.positional()[0]};
      commands = parseSessionScript(script);
    }
  } catch (const SessionError& error) {
    throw UsageError{"line " + std::to_string(error.line) + ": " + error.message};
  }

  MemoryPlatform platform(memory);
  platform.start();
  // The report holds headwords and pages of the dictionary; their control
  // characters are shown, never sent to the terminal as such.
  std::ostringstream report;
  runSessionScript(commands, platform, report);
  std::cout << showControlCharacters(report.str(), KeptLineEnds::LineFeed);
  std::cout.flush();
  return kExitFound;
}

}  // namespace orva
