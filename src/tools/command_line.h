// Parsing orvadict's command line: flags with or without values, the
// common dictionary flags, and the errors that end a command with exit 2.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "store/dictionary_pair.h"
#include "store/direction.h"
#include "text/device_settings.h"

namespace orva {

inline constexpr int kExitFound = 0;
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitError = 2;

// A process that answers one query reads the few entries it needs with
// pread(): mapping the file would make every touched page (and the kernel's
// fault-around neighbours) count in its resident size for no gain. Batches
// and the window map the file.
inline constexpr FileAccessMode kOneQueryFileAccess = FileAccessMode::PositionalRead;

// Raised inside a command to end it with a one-line message and exit 2.
struct UsageError {
  std::string message;
};

// Runs `command` and returns its exit code. A UsageError, or running out of
// memory (whatever the command was writing has then been removed on the way
// out), ends it with exit 2 and a message on stderr that starts with
// `program`.
int runReportingErrors(std::string_view program, const std::function<int()>& command);

class Arguments {
 public:
  // `valueFlags` take a value ("--dir X" or "--dir=X"); `switches` don't.
  Arguments(const std::vector<std::string>& args, const std::set<std::string>& valueFlags,
            const std::set<std::string>& switches);

  std::optional<std::string> value(const std::string& flag) const;
  bool has(const std::string& flag) const { return values_.count(flag) != 0; }
  const std::vector<std::string>& positional() const { return positional_; }
  std::optional<uint64_t> number(const std::string& flag) const;

 private:
  std::map<std::string, std::string> values_;
  std::vector<std::string> positional_;
};

// The flags every dictionary command takes.
inline const std::set<std::string> kCommonValueFlags = {"--dir", "--direction", "--language", "--codepage"};

struct CommonOptions {
  std::string dir;
  Direction direction = kStartDirection;
  bool directionGiven = false;
  DeviceSettings device;
};

CommonOptions commonOptions(const Arguments& args);

// The direction --direction gives, if the flag is there; a value that names
// no direction ends the command.
std::optional<Direction> givenDirection(const Arguments& args);
// The same, for a command that cannot go without it.
Direction requiredDirection(const Arguments& args);

// A dictionary file's name without its directory and its ".dic".
std::string dictionaryBaseName(const std::string& path);
// The direction of an existing dictionary file: the one --direction gives,
// or else the one its base name ends in ("...rusheb", "...hebrus").
Direction directionOfFile(const Arguments& args, const std::string& path);

// Before each line of a --stdin batch: a dictionary replaced or changed
// since the last line is opened again; one that no longer opens ends the
// command with a message.
void reopenIfChangedOrFail(DictionaryFile& file, Direction direction);

// Opens the dictionary of `direction` from `dir`, or raises the window's
// message for it.
void openOrFail(DictionaryFile& file, const std::string& dir, Direction direction,
                FileAccessMode mode = kDefaultFileAccess);
// Opens the dictionary file a command names, or ends the command.
void openFileOrFail(DictionaryFile& file, const std::string& path);

// The one dictionary file that the positional arguments name, opened into
// `file`, with its path and direction (directionOfFile).
struct NamedFile {
  std::string path;
  Direction direction;
};
NamedFile openNamedFile(const Arguments& args, DictionaryFile& file);

}  // namespace orva
