// orvadict: the command-line companion of ORVA Pocket. Builds, dumps and
// checks dictionary files and runs the program's lookups on them.
#include <cstring>
#include <iostream>
#include <string_view>

#include "orva_version.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace {

constexpr std::string_view kUsage = R"(Usage: orvadict WORD [OPTIONS]
       orvadict COMMAND [OPTIONS]

  WORD                   look WORD up and print its article as text; the
                         direction follows the word's script (Cyrillic:
                         Russian-Hebrew, Hebrew: Hebrew-Russian). A word
                         that is no headword but a form of one (книги,
                         пишу) prints a first line naming the relation,
                         e.g. книги → книга (мн. ч.), then that
                         headword's article; failing that, the first
                         headword that begins with WORD. Not found: the
                         nearest headwords (at most 5) go to stderr
      --exact            only the first headword that begins with WORD,
                         without analysing the word
      --html             print the article's HTML instead (a relation
                         line then goes to stderr)
  --stdin [OPTIONS]      look up every line of standard input as WORD;
                         each answer ends with a line holding only a form
                         feed (an empty answer: not found)
      --color=never|always|auto
                         red highlights (default: auto, on a terminal)

Commands:
  build --direction ru-he|he-ru SOURCE... -o FILE
                         build a dictionary from source files
  dump FILE              print a dictionary in the source format
  check FILE             verify every invariant of a dictionary
  find [OPTIONS] TEXT    print the list number the lookup finds for TEXT
  find [OPTIONS] --stdin the same for every line of standard input, one
                         answer a line ("-": nothing found)
  list [OPTIONS] [--from N] [--count M]
                         print headword-list entries: number, TAB, headword
  article [OPTIONS] (--index N | TEXT)
                         print the HTML page of list entry N, or of the
                         entry the lookup finds for TEXT
  session [OPTIONS] [--client WxH] [SCRIPT]
                         run the window's logic from a script
  generate --direction ru-he|he-ru --entries N [--seed S] -o SOURCE
                         write a synthetic source of N entries (for
                         measuring; the same seed gives the same text)
  export --stardict DIR FILE
                         write FILE in the StarDict format (.ifo, .idx,
                         .dict) into DIR, for other dictionary programs

Options of find, list, article, session and WORD:
  --dir DIR              where rusheb.dic and hebrus.dic are
                         (default: the directory of this program)
  --direction ru-he|he-ru
                         the dictionary to use (default: he-ru)
  --language HEX         device language identifier, e.g. 0x040D (Hebrew)
  --codepage 1251|1252|1255
                         device narrow code page
                         (defaults for both: from the locale)

  --help                 show this help
  --version              show the version

Exit status: 0 found or done, 1 not found (or check found problems),
2 an error.
)";

}  // namespace

int main(int argc, char** argv) {
  using namespace orva;
  if (argc < 2) {
    std::cerr << kUsage;
    return kExitError;
  }
  const std::string_view command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "--version") {
    std::cout << "orvadict (" << kProductName << ") " << kProductVersion << "\n";
    return 0;
  }
  const CommandArgs args(argv + 2, argv + argc);
  for (const std::string& arg : args) {
    if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    }
  }
  return runReportingErrors("orvadict", [&] {
    if (command == "build") return runBuild(args);
    if (command == "dump") return runDump(args);
    if (command == "check") return runCheck(args);
    if (command == "find") return runFind(args);
    if (command == "list") return runList(args);
    if (command == "article") return runArticle(args);
    if (command == "session") return runSession(args);
    if (command == "generate") return runGenerate(args);
    if (command == "export") return runExport(args);
    // Anything else is a word to read, with its options before or after it.
    if (!command.empty()) return runRead(CommandArgs(argv + 1, argv + argc));
    throw UsageError{"unknown command \"" + std::string(command) + "\"; see orvadict --help"};
  });
}
