// Printing a dictionary back in the source format.
#pragma once

#include <string>

#include "store/dictionary_pair.h"
#include "store/direction.h"

namespace orva {

// The source text of every entry of `file`, in list order. Building the
// result again gives the same file. False (with `error`) when a record
// cannot be read.
bool dumpDictionary(DictionaryFile& file, Direction direction, std::string& out, std::string& error);

}  // namespace orva
