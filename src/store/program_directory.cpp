// Finding the program's own directory.
#include "store/program_directory.h"

#include <unistd.h>

#include <climits>

namespace orva {

std::string programDirectory() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  const std::string executable(path, static_cast<size_t>(length));
  const size_t slash = executable.rfind('/');
  return slash == std::string::npos ? std::string() : executable.substr(0, slash);
}

}  // namespace orva
