// The Russian grammatical labels of an article: the note on a noun's number,
// gender and construct state, and the name of a verb form.
#pragma once

#include <cstdint>
#include <string>

namespace orva {

// Number 1 singular / 2 plural, gender 1 masculine / 2 feminine, construct
// non-zero: "ед. ч. ", "мн. ч. ", "м. р. ", "ж. р. ", "смихут" in that order.
std::u16string NounNote(uint8_t number, uint8_t gender, uint8_t construct);

// The label of the verb form coded by the last three decimal digits of
// `entryId`; empty for codes without one.
std::u16string VerbFormLabel(int32_t entryId);

}  // namespace orva
