// `orvadict build` on its own: builds a dictionary from source files. The
// build makes the bundled dictionaries with it, so that a build of the
// window does not wait for the rest of orvadict.
#include "tools/command_line.h"
#include "tools/commands.h"

int main(int argc, char** argv) {
  using namespace orva;
  return runReportingErrors("orvadict build", [&] { return runBuild(CommandArgs(argv + 1, argv + argc)); });
}
