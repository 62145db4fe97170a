// An article as readable terminal text: one block a line, red spans in red
// when colour is on, the record's control characters shown.
#pragma once

#include <string>
#include <string_view>

#include "article/article_blocks.h"

namespace orva {

std::string articleAsText(const Article& article, bool color);

}  // namespace orva
