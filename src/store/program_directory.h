// The directory of the running program, where the dictionaries and the help
// file live.
#pragma once

#include <string>

namespace orva {

// The full path of the running executable (links resolved) cut before its
// last "/"; empty when it cannot be found.
std::string programDirectory();

}  // namespace orva
