// What the text fields, the attribute bytes and the form code of a record
// mean. Reading a record leaves them opaque; the article, the builder, the
// source format and the tools all name them through these.
#pragma once

#include <cstdint>

namespace orva {

// Text fields 0 to 5.
inline constexpr int kHeadwordField = 0;     // what the list shows and a lookup matches
inline constexpr int kUnshownField1 = 1;     // carried, never shown
inline constexpr int kDisplayField = 2;      // the headword as the page shows it; empty: the headword
inline constexpr int kTranslationField = 3;  // ru-he: the Hebrew translation; he-ru: not shown
inline constexpr int kUnshownField4 = 4;     // carried, never shown
inline constexpr int kRussianField = 5;      // he-ru: the Russian translation; ru-he: notes

// Attribute bytes 0 to 5; 0, 1 and 4 are carried and never shown.
inline constexpr int kNumberAttribute = 2;     // 1 singular, 2 plural
inline constexpr int kGenderAttribute = 3;     // 1 masculine, 2 feminine
inline constexpr int kConstructAttribute = 5;  // 1 construct state

// The entry id is group * 1000 + form code.
inline constexpr uint32_t kFormsPerGroup = 1000;

// The form-code ranges that select parts of the article.
// 1-199: listed among the related forms of the group's other entries.
inline constexpr bool isListedForm(uint32_t formCode) { return formCode >= 1 && formCode <= 199; }
// 200-299: no separator after the entry; it follows the group's form 1.
inline constexpr bool separatorFollowsFormOne(uint32_t formCode) { return formCode >= 200 && formCode <= 299; }
// 400-499 and 600-999: a grammar note from number, gender and construct.
inline constexpr bool hasGrammarNote(uint32_t formCode) {
  return (formCode >= 400 && formCode <= 499) || formCode >= 600;
}
// 500-533: a verb form with a label of its own.
inline constexpr bool isLabelledVerbForm(uint32_t formCode) { return formCode >= 500 && formCode <= 533; }

}  // namespace orva
