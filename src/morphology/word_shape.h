// Small text helpers of the analysers: the word without the punctuation and
// blanks a paste brings along, and the Russian folding (lower case, ё as е)
// under which two spellings are the same word.
#pragma once

#include <string>
#include <string_view>

namespace orva {

// `text` without leading and trailing blanks, punctuation and symbols; a
// hyphen or apostrophe inside the word stays.
std::u16string_view trimmedWord(std::u16string_view text);

// Russian and Latin capitals to lower case, stress marks dropped; ё and Ё
// to е.
std::u16string foldedRussian(std::u16string_view text);

// Russian and Latin capitals to lower case, stress marks dropped, ё kept.
std::u16string lowerRussian(std::u16string_view text);

}  // namespace orva
