// orvadict export: a dictionary in another program's format.
#include <sys/stat.h>

#include <cerrno>
#include <iostream>

#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/stardict_export.h"

namespace orva {

int runExport(const CommandArgs& raw) {
  const Arguments args(raw, {"--stardict", "--direction"}, {});
  const auto dir = args.value("--stardict");
  if (!dir || dir->empty()) throw UsageError{"--stardict DIR is required"};
  if (args.positional().size() != 1) throw UsageError{"give exactly one dictionary file"};
  const std::string& path = args.positional()[0];
  std::string name = path.substr(path.rfind('/') + 1);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".dic") == 0) name.resize(name.size() - 4);

  Direction direction;
  if (const auto given = args.value("--direction")) {
    const auto parsed = parseDirection(*given);
    if (!parsed) throw UsageError{"--direction must be ru-he or he-ru"};
    direction = *parsed;
  } else if (name.size() >= 6 && name.compare(name.size() - 6, 6, "rusheb") == 0) {
    direction = Direction::RussianHebrew;
  } else if (name.size() >= 6 && name.compare(name.size() - 6, 6, "hebrus") == 0) {
    direction = Direction::HebrewRussian;
  } else {
    throw UsageError{"cannot tell the direction of " + path + " from its name; give --direction"};
  }

  DictionaryFile file;
  if (!file.open(path)) throw UsageError{"cannot open " + path + " (missing, unreadable or shorter than its header)"};
  if (::mkdir(dir->c_str(), 0755) != 0 && errno != EEXIST) throw UsageError{"cannot create " + *dir};

  StarDictSummary summary;
  std::string error;
  if (!exportStarDict(file, direction, *dir, name, summary, error)) {
    std::cerr << "orvadict: " << error << "\n";
    return kExitError;
  }
  std::cerr << "orvadict: " << summary.words << " words written to " << *dir << "/" << name << ".{ifo,idx,dict}";
  if (summary.skipped != 0) std::cerr << "; " << summary.skipped << " headword(s) longer than 255 bytes left out";
  std::cerr << "\n";
  return 0;
}

}  // namespace orva
