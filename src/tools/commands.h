// The subcommands of orvadict. Each takes the arguments after its name and
// returns the process exit code; a UsageError ends it with exit 2.
#pragma once

#include <string>
#include <vector>

namespace orva {

using CommandArgs = std::vector<std::string>;

int runBuild(const CommandArgs& args);
int runDump(const CommandArgs& args);
int runCheck(const CommandArgs& args);
int runFind(const CommandArgs& args);
int runList(const CommandArgs& args);
int runArticle(const CommandArgs& args);
int runSession(const CommandArgs& args);
int runGenerate(const CommandArgs& args);
int runExport(const CommandArgs& args);
// orvadict WORD: the article of WORD as readable text.
int runRead(const CommandArgs& args);

}  // namespace orva
