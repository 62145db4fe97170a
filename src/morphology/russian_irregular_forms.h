// Frequent Russian word forms that the spell checker's stemmer does not lead
// to their dictionary form: the cases of the personal, possessive and
// demonstrative pronouns, and the suppletive and irregular verb forms.
#pragma once

#include <span>
#include <string_view>

namespace orva {

struct IrregularForm {
  std::u16string_view form;      // lower case, written with ё where it belongs
  std::u16string_view lemma;     // the dictionary form
  std::u16string_view relation;  // short grammatical note, may be empty
};

// The reviewed table. A form with several readings has one row for each,
// the likelier first.
std::span<const IrregularForm> russianIrregularForms();

}  // namespace orva
