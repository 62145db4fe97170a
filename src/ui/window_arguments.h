// The window program's command line: open the window, look a word up, or
// look up what is selected on the desktop; and the usage text.
#pragma once

#include <string>
#include <vector>

namespace orva {

struct WindowArguments {
  enum class Action { Open, LookUpWord, LookUpSelection, Help, Version, Error };
  Action action = Action::Open;
  std::string word;   // LookUpWord: the words given, joined by spaces
  std::string error;  // Error: what was wrong, for standard error
};

// Parses the arguments after the program name, once the toolkit has taken
// its own options. "--help" (or "-h") and "--version" win over everything
// before "--"; after "--" every argument is part of the word.
WindowArguments parseWindowArguments(const std::vector<std::string>& arguments);

// Whether "--help" or "-h" comes before any "--", and the same for
// "--version": asked before the toolkit starts, so that neither needs a
// display.
bool asksForHelp(int argc, const char* const* argv);
bool asksForVersion(int argc, const char* const* argv);

// What "orva --help" prints.
std::string windowUsage();

}  // namespace orva
