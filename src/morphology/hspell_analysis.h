// What one of hspell's analyses of a Hebrew form says (part of speech,
// gender, person, number, tense, construct state, pronoun suffix), and the
// short Russian note that tells it to a learner: "прош. вр., 1 л. ед. ч.",
// "мн. ч., смихут", "мн. ч. + «их»".
#pragma once

#include <string>
#include <string_view>

namespace orva {

struct HebrewFormAnalysis {
  enum class PartOfSpeech { Unknown, Noun, Adjective, Verb, Other };
  enum class Tense { None, Past, Present, Future, Imperative, Infinitive };
  // Gender, number and person of the form itself or of its pronoun suffix;
  // 0 where the analysis does not say.
  struct Features {
    char gender = 0;  // 'm' or 'f'
    char number = 0;  // 's' singular, 'p' plural, 'd' dual
    int person = 0;   // 1 to 3
  };

  PartOfSpeech partOfSpeech = PartOfSpeech::Unknown;
  bool properName = false;
  Tense tense = Tense::None;
  bool construct = false;
  Features form;
  bool hasSuffix = false;  // a possessive (noun) or object (verb) pronoun ending
  Features suffix;
};

// Reads hspell's comma-separated description of one analysis, as its
// linginfo gives it in ISO-8859-8 (for example the tags for "verb, 1st
// person, singular, past"). Tags it does not know are ignored.
HebrewFormAnalysis parseHspellAnalysis(std::string_view description);

// The note in Russian; empty for a form that needs none (a singular noun
// without suffix, a word of no inflection).
std::u16string russianNoteOf(const HebrewFormAnalysis& analysis);

}  // namespace orva
