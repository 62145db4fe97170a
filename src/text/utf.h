// UTF-8 <-> UTF-16 conversion for the edges of the program (command line,
// source files, terminal output).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orva {

// Decodes UTF-8; nullopt when the input is not valid UTF-8.
std::optional<std::u16string> utf8ToUtf16(std::string_view text);

// Encodes UTF-16; an unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace orva
