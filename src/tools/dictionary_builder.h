// Turning parsed entries into the bytes of a dictionary file, and writing
// them so that a failed build never leaves a partial or damaged file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/direction.h"
#include "text/collation.h"
#include "tools/source_entry.h"

namespace orva {

// Orders the entries as the search needs (stable for entries that sort
// alike) and lays out the whole file. Fails only when the records would not
// fit 4 GiB; then `error` says why.
bool buildDictionary(Direction direction, std::vector<SourceEntry> entries, std::vector<uint8_t>& file,
                     std::string& error);

// Writes `bytes` to a temporary file beside `path` and renames it into
// place. On failure nothing is left behind and `error` says why. An
// interrupt (Ctrl-C, a hang-up, kill) arriving meanwhile takes effect only
// once the temporary file is renamed or removed. The file is written
// without a name where the file system allows; it is named
// temporaryPathFor(path) only for the rename, and a build of the same
// target removes one that a killed build left there.
std::string temporaryPathFor(const std::string& path);
bool writeFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);

}  // namespace orva
