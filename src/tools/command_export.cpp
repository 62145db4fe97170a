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
  DictionaryFile file;
  const auto [path, direction] = openNamedFile(args, file);
  const std::string name = dictionaryBaseName(path);
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
