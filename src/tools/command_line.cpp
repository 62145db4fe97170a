// orvadict's argument parsing.
#include "tools/command_line.h"

#include <charconv>
#include <iostream>
#include <new>

#include "store/program_directory.h"
#include "text/utf.h"

namespace orva {

Arguments::Arguments(const std::vector<std::string>& args, const std::set<std::string>& valueFlags,
                     const std::set<std::string>& switches) {
  bool onlyPositional = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyPositional || arg.size() < 2 || arg[0] != '-' || (arg[1] != '-' && arg.size() != 2)) {
      positional_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyPositional = true;
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (valueFlags.count(name)) {
      if (equals != std::string::npos) {
        values_[name] = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        values_[name] = args[++i];
      } else {
        throw UsageError{name + " needs a value"};
      }
    } else if (switches.count(name) && equals == std::string::npos) {
      values_[name] = "";
    } else {
      throw UsageError{"unknown option " + arg};
    }
  }
}

std::optional<std::string> Arguments::value(const std::string& flag) const {
  const auto it = values_.find(flag);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::optional<uint64_t> Arguments::number(const std::string& flag) const {
  const auto text = value(flag);
  if (!text) return std::nullopt;
  uint64_t n = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), n);
  if (text->empty() || error != std::errc() || end != text->data() + text->size())
    throw UsageError{"bad number for " + flag + ": " + *text};
  return n;
}

std::optional<Direction> givenDirection(const Arguments& args) {
  const auto text = args.value("--direction");
  if (!text) return std::nullopt;
  const auto direction = parseDirection(*text);
  if (!direction) throw UsageError{"--direction must be ru-he or he-ru"};
  return direction;
}

Direction requiredDirection(const Arguments& args) {
  const auto direction = givenDirection(args);
  if (!direction) throw UsageError{"--direction ru-he|he-ru is required"};
  return *direction;
}

std::string dictionaryBaseName(const std::string& path) {
  std::string name = path.substr(path.rfind('/') + 1);
  if (name.size() > 4 && name.ends_with(".dic")) name.resize(name.size() - 4);
  return name;
}

Direction directionOfFile(const Arguments& args, const std::string& path) {
  if (const auto given = givenDirection(args)) return *given;
  const std::string name = dictionaryBaseName(path);
  for (const Direction d : {Direction::RussianHebrew, Direction::HebrewRussian}) {
    std::string_view fileName = dictionaryFileName(d);
    fileName.remove_suffix(4);  // ".dic"
    if (name.ends_with(fileName)) return d;
  }
  throw UsageError{"cannot tell the direction of " + path + " from its name; give --direction"};
}

CommonOptions commonOptions(const Arguments& args) {
  CommonOptions options;
  options.dir = args.value("--dir").value_or(programDirectory());
  if (const auto direction = givenDirection(args)) {
    options.direction = *direction;
    options.directionGiven = true;
  }
  options.device = readDeviceSettings();
  if (const auto language = args.value("--language")) {
    const auto id = parseLanguageId(*language);
    if (!id) throw UsageError{"--language takes a language identifier such as 0x040D"};
    options.device.language = *id;
    options.device.codePage = codePageForLanguage(*id);
  }
  if (const auto cp = args.value("--codepage")) {
    uint32_t n = 0;
    const auto [end, error] = std::from_chars(cp->data(), cp->data() + cp->size(), n);
    const auto codePage = error == std::errc() && end == cp->data() + cp->size() ? codePageFromNumber(n) : std::nullopt;
    if (!codePage) throw UsageError{"--codepage must be 1251, 1252 or 1255"};
    options.device.codePage = *codePage;
  }
  return options;
}

void openOrFail(DictionaryFile& file, const std::string& dir, Direction direction, FileAccessMode mode) {
  const std::string path = dir + "/" + std::string(dictionaryFileName(direction));
  if (!file.open(path, mode)) throw UsageError{utf16ToUtf8(cannotOpenMessage(direction)) + " (" + path + ")"};
}

void openFileOrFail(DictionaryFile& file, const std::string& path) {
  if (!file.open(path)) throw UsageError{"cannot open " + path + " (missing, unreadable or shorter than its header)"};
}

NamedFile openNamedFile(const Arguments& args, DictionaryFile& file) {
  if (args.positional().size() != 1) throw UsageError{"give exactly one dictionary file"};
  NamedFile named{args.positional()[0], directionOfFile(args, args.positional()[0])};
  openFileOrFail(file, named.path);
  return named;
}

void reopenIfChangedOrFail(DictionaryFile& file, Direction direction) {
  if (file.reopenIfChanged() == FileChange::Gone)
    throw UsageError{std::string(dictionaryFileName(direction)) +
                     " was replaced or changed while open and can no longer be read"};
}

int runReportingErrors(std::string_view program, const std::function<int()>& command) {
  try {
    return command();
  } catch (const UsageError& error) {
    std::cerr << program << ": " << error.message << "\n";
    return kExitError;
  } catch (const std::bad_alloc&) {
    std::cerr << program << ": out of memory\n";
    return kExitError;
  }
}

}  // namespace orva
