// Which direction a typed text belongs to by its script: Cyrillic letters
// are looked up in Russian-Hebrew, Hebrew letters in Hebrew-Russian.
#pragma once

#include <optional>
#include <string_view>

#include "store/direction.h"

namespace orva {

// The direction of the text's letters when they are all of one script;
// nullopt for a text without letters of either script or with both.
std::optional<Direction> directionOfScript(std::u16string_view text);

}  // namespace orva
