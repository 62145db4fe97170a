// A short Russian note on how an inflected word relates to its dictionary
// form ("мн. ч.", "прош. вр., ж. р."), told from the two words' endings.
#pragma once

#include <string>
#include <string_view>

namespace orva {

// `form` and `lemma` in lower case. Empty where the endings leave the
// reading open or the pair is not a regular noun, adjective or verb.
std::u16string russianFormNote(std::u16string_view form, std::u16string_view lemma);

}  // namespace orva
