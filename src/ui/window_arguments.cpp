// The window program's command line.
#include "ui/window_arguments.h"

#include <string_view>

namespace orva {

namespace {

bool asksFor(int argc, const char* const* argv, std::string_view option, std::string_view shortOption) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--") return false;
    if (argument == option || (!shortOption.empty() && argument == shortOption)) return true;
  }
  return false;
}

}  // namespace

bool asksForHelp(int argc, const char* const* argv) { return asksFor(argc, argv, "--help", "-h"); }
bool asksForVersion(int argc, const char* const* argv) { return asksFor(argc, argv, "--version", ""); }

WindowArguments parseWindowArguments(const std::vector<std::string>& arguments) {
  WindowArguments result;
  bool selection = false;
  bool optionsEnded = false;
  std::vector<std::string> words;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      if (argument == "--") {
        optionsEnded = true;
      } else if (argument == "--help" || argument == "-h") {
        return {WindowArguments::Action::Help, {}, {}};
      } else if (argument == "--version") {
        return {WindowArguments::Action::Version, {}, {}};
      } else if (argument == "--selection") {
        selection = true;
      } else if (result.error.empty()) {
        result.error = "unknown option '" + argument + "'";
      }
      continue;
    }
    words.push_back(argument);
  }
  if (!result.error.empty()) {
    result.action = WindowArguments::Action::Error;
    return result;
  }
  if (selection && !words.empty()) {
    return {WindowArguments::Action::Error, {}, "--selection takes no WORD"};
  }
  if (selection) return {WindowArguments::Action::LookUpSelection, {}, {}};
  for (const std::string& word : words) {
    if (!result.word.empty()) result.word += ' ';
    result.word += word;
  }
  // Only blanks given: just open the window.
  if (result.word.find_first_not_of(" \t") == std::string::npos) return {};
  result.action = WindowArguments::Action::LookUpWord;
  return result;
}

std::string windowUsage() {
  return "Usage: orva [WORD... | --selection] [Qt options]\n"
         "       orva --help | --version\n"
         "\n"
         "Opens the ORVA Pocket window on rusheb.dic and hebrus.dic, read from\n"
         "the program's own directory. When the window is open already, it is\n"
         "raised instead of opening a second one.\n"
         "\n"
         "  WORD...      look WORD up: Cyrillic in Russian-Hebrew, Hebrew in\n"
         "               Hebrew-Russian\n"
         "  --selection  look up the text selected on the desktop (the primary\n"
         "               selection, or the clipboard when there is none); bind\n"
         "               \"orva --selection\" to a desktop shortcut\n"
         "  --           what follows is WORD, even when it begins with '-'\n"
         "  --help       show this text and exit\n"
         "  --version    show the version and exit\n";
}

}  // namespace orva
