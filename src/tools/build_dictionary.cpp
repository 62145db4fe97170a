// `orvadict build` on its own: builds a dictionary from source files. The
// build makes the bundled dictionaries with it, so that a build of the
// window does not wait for the rest of orvadict.
#include <iostream>
#include <new>

#include "tools/command_line.h"
#include "tools/commands.h"

int main(int argc, char** argv) {
  using namespace orva;
  try {
    return runBuild(CommandArgs(argv + 1, argv + argc));
  } catch (const UsageError& error) {
    std::cerr << "orvadict build: " << error.message << "\n";
    return kExitError;
  } catch (const std::bad_alloc&) {
    std::cerr << "orvadict build: out of memory\n";
    return kExitError;
  }
}
