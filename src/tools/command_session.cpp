// orvadict session: the window's logic run over an in-memory platform from a
// script.
#include "tools/command_line.h"
#include "tools/commands.h"

namespace orva {

int runSession(const CommandArgs&) { throw UsageError{"session is not available yet"}; }

}  // namespace orva
