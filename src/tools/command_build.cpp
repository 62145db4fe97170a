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
  DictionaryFile file;
  const NamedFile named = openNamedFile(Arguments(raw, {"--direction"}, {}), file);
  std::string text, error;
  if (!dumpDictionary(file, named.direction, text, error)) {
    std::cerr << "orvadict: " << named.path << ": " << error << "\n";
    return kExitError;
  }
  std::cout << text;
  return 0;
}

int runCheck(const CommandArgs& raw) {
  DictionaryFile file;
  const auto [path, direction] = openNamedFile(Arguments(raw, {"--direction"}, {}), file);
  const auto problems = checkDictionary(file, direction);
  for (const std::string& problem : problems) std::cout << path << ": " << problem << "\n";
  if (!problems.empty()) return 1;
  std::cout << path << ": " << file.entryCount() << " entries, " << file.searchEntryCount()
            << " search keys, no problems\n";
  return 0;
}

}  // namespace orva
