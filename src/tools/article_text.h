// An article page as readable terminal text: one block a line, red spans in
// red when colour is on.
#pragma once

#include <string>
#include <string_view>

namespace orva {

std::string articleAsText(std::u16string_view page, bool color);

}  // namespace orva
