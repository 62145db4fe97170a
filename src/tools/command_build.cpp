// orvadict build / dump / check: making, printing and verifying dictionaries.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/dictionary_builder.h"
#include "tools/dictionary_checker.h"
#include "tools/dictionary_dump.h"
#include "tools/source_parser.h"

namespace orva {

namespace {

Direction requiredDirection(const Arguments& args) {
  const auto text = args.value("--direction");
  if (!text) throw UsageError{"--direction ru-he|he-ru is required"};
  const auto direction = parseDirection(*text);
  if (!direction) throw UsageError{"--direction must be ru-he or he-ru"};
  return *direction;
}

// The direction of an existing file: given, or from its name.
Direction directionOfFile(const Arguments& args, const std::string& path) {
  if (args.has("--direction")) return requiredDirection(args);
  const std::string name = path.substr(path.rfind('/') + 1);
  const auto endsWith = [&](std::string_view tail) {
    return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
  };
  if (endsWith("rusheb.dic")) return Direction::RussianHebrew;
  if (endsWith("hebrus.dic")) return Direction::HebrewRussian;
  throw UsageError{"cannot tell the direction of " + path + " from its name; give --direction"};
}

std::string onlyFile(const Arguments& args) {
  if (args.positional().size() != 1) throw UsageError{"give exactly one dictionary file"};
  return args.positional()[0];
}

// The whole text of a source file. Only a regular file is read: a
// directory or a device would read as nothing (or without end) and build a
// dictionary that replaces the target with less than the sources hold. A
// read that fails part-way is an error, never the end of the text.
std::string readSource(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) throw UsageError{"cannot read " + path + ": " + std::strerror(errno)};
  if (!S_ISREG(st.st_mode)) throw UsageError{"cannot read " + path + ": not a regular file"};
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw UsageError{"cannot read " + path + ": " + std::strerror(errno)};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    throw UsageError{"cannot read " + path + ": not a regular file"};
  }
  std::string text;
  char block[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int problem = errno;
      ::close(fd);
      throw UsageError{"cannot read " + path + ": " + std::strerror(problem)};
    }
    if (got == 0) break;
    text.append(block, static_cast<size_t>(got));
  }
  ::close(fd);
  return text;
}

void openFile(DictionaryFile& file, const std::string& path) {
  if (!file.open(path)) throw UsageError{"cannot open " + path + " (missing, unreadable or shorter than its header)"};
}

}  // namespace

int runBuild(const CommandArgs& raw) {
  const Arguments args(raw, {"--direction", "-o", "--output"}, {});
  const Direction direction = requiredDirection(args);
  const auto output = args.value("-o") ? args.value("-o") : args.value("--output");
  if (!output) throw UsageError{"-o FILE is required"};
  if (args.positional().empty()) throw UsageError{"give at least one source file"};

  ParseResult parsed;
  for (const std::string& path : args.positional()) parseSource(readSource(path), path, direction, parsed);
  checkEntrySet(parsed);
  if (!parsed.problems.empty()) {
    for (const std::string& problem : parsed.problems) std::cerr << problem << "\n";
    std::cerr << "orvadict: " << parsed.problems.size() << " problem(s); nothing written\n";
    return kExitError;
  }
  std::vector<uint8_t> bytes;
  std::string error;
  if (!buildDictionary(direction, std::move(parsed.entries), bytes, error) ||
      !writeFileAtomically(*output, bytes, error)) {
    std::cerr << "orvadict: " << error << "\n";
    return kExitError;
  }
  return 0;
}

int runDump(const CommandArgs& raw) {
  const Arguments args(raw, {"--direction"}, {});
  const std::string path = onlyFile(args);
  const Direction direction = directionOfFile(args, path);
  DictionaryFile file;
  openFile(file, path);
  std::string text, error;
  if (!dumpDictionary(file, direction, text, error)) {
    std::cerr << "orvadict: " << path << ": " << error << "\n";
    return kExitError;
  }
  std::cout << text;
  return 0;
}

int runCheck(const CommandArgs& raw) {
  const Arguments args(raw, {"--direction"}, {});
  const std::string path = onlyFile(args);
  const Direction direction = directionOfFile(args, path);
  DictionaryFile file;
  openFile(file, path);
  const auto problems = checkDictionary(file, direction);
  for (const std::string& problem : problems) std::cout << path << ": " << problem << "\n";
  if (!problems.empty()) return 1;
  std::cout << path << ": " << file.entryCount() << " entries, " << file.searchEntryCount()
            << " search keys, no problems\n";
  return 0;
}

}  // namespace orva
