// Hebrew words between the UTF-16 the program handles and the ISO-8859-8
// bytes hspell reads: points dropped, geresh and gershayim as ASCII quotes,
// final and ordinary letter shapes put where they belong.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orva {

// Longest word, in letters, handed to hspell; longer text is no word.
inline constexpr size_t kMaxHebrewWordLetters = 32;

// `word` as hspell spells it, or nullopt when it is not one Hebrew word
// (empty, too long, or holding a character other than a letter, a point or
// a quote mark). Niqqud and cantillation marks are dropped; U+05F3/U+05F4
// and the typographic quotes become ' and "; the ligatures U+05F0-U+05F2
// become their two letters; a final letter inside the word becomes the
// ordinary one and an ordinary kaf, mem, nun, pe or tsadi ending the word
// becomes the final one.
std::optional<std::string> toHspellSpelling(std::u16string_view word);

// `word` with its last letter in final shape where that letter has one
// (a kaf, mem, nun, pe or tsadi left ending a word when a suffix is cut).
std::u16string withFinalShape(std::u16string word);

// hspell's ISO-8859-8 text as UTF-16; a byte outside the Hebrew letters and
// ASCII becomes U+FFFD.
std::u16string fromHspellSpelling(std::string_view bytes);

}  // namespace orva
