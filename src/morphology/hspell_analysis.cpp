// Reading hspell's analysis tags and saying them in Russian.
#include "morphology/hspell_analysis.h"

#include <vector>

#include "morphology/hebrew_spelling.h"

namespace orva {

namespace {

using Analysis = HebrewFormAnalysis;

std::vector<std::u16string> splitTags(std::u16string_view text) {
  std::vector<std::u16string> tags;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(u',', start);
    if (end == std::u16string_view::npos) end = text.size();
    tags.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return tags;
}

// A tag that gives gender, number or person; false for any other tag.
bool readFeature(std::u16string_view tag, Analysis::Features& features) {
  if (tag == u"ז") {
    features.gender = 'm';
  } else if (tag == u"נ") {
    features.gender = 'f';
  } else if (tag == u"יחיד") {
    features.number = 's';
  } else if (tag == u"רבים") {
    features.number = 'p';
  } else if (tag == u"זוגי") {
    features.number = 'd';
  } else if (tag == u"1" || tag == u"2" || tag == u"3") {
    features.person = tag[0] - u'0';
  } else {
    return false;
  }
  return true;
}

std::u16string numberText(char number) {
  switch (number) {
    case 's': return u"ед. ч.";
    case 'p': return u"мн. ч.";
    case 'd': return u"дв. ч.";
    default: return {};
  }
}

std::u16string genderText(char gender) {
  switch (gender) {
    case 'm': return u"м. р.";
    case 'f': return u"ж. р.";
    default: return {};
  }
}

// "1 л. ед. ч. м. р.", leaving out what is not known.
std::u16string personNumberGender(const Analysis::Features& f, bool withGender) {
  std::u16string text;
  auto add = [&text](const std::u16string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += u' ';
    text += part;
  };
  if (f.person != 0) add(std::u16string(1, static_cast<char16_t>(u'0' + f.person)) + u" л.");
  add(numberText(f.number));
  if (withGender) add(genderText(f.gender));
  return text;
}

// The pronoun a suffix stands for: possessive on a noun ("мой", "их"),
// object on a verb ("меня", "их").
std::u16string suffixPronoun(const Analysis::Features& f, bool possessive) {
  const bool plural = f.number == 'p';
  switch (f.person) {
    case 1:
      if (possessive) return plural ? u"наш" : u"мой";
      return plural ? u"нас" : u"меня";
    case 2:
      if (possessive) return plural ? u"ваш" : u"твой";
      return plural ? u"вас" : u"тебя";
    case 3:
      if (plural) return u"их";
      return f.gender == 'f' ? u"её" : u"его";
    default:
      return {};
  }
}

std::u16string tenseText(Analysis::Tense tense) {
  switch (tense) {
    case Analysis::Tense::Past: return u"прош. вр.";
    case Analysis::Tense::Present: return u"наст. вр.";
    case Analysis::Tense::Future: return u"буд. вр.";
    case Analysis::Tense::Imperative: return u"повел. накл.";
    case Analysis::Tense::Infinitive: return u"инфинитив";
    case Analysis::Tense::None: break;
  }
  return {};
}

}  // namespace

HebrewFormAnalysis parseHspellAnalysis(std::string_view description) {
  Analysis a;
  bool inSuffix = false;
  for (const std::u16string& tag : splitTags(fromHspellSpelling(description))) {
    // The suffix tag carries its gender after the slash: "כינוי/ז", or
    // "כינוי/" when the suffix has none.
    constexpr std::u16string_view kSuffix = u"כינוי/";
    if (tag.starts_with(kSuffix)) {
      inSuffix = a.hasSuffix = true;
      readFeature(std::u16string_view(tag).substr(kSuffix.size()), a.suffix);
      continue;
    }
    if (readFeature(tag, inSuffix ? a.suffix : a.form)) continue;
    if (tag == u"ע") {
      a.partOfSpeech = Analysis::PartOfSpeech::Noun;
    } else if (tag == u"ת") {
      a.partOfSpeech = Analysis::PartOfSpeech::Adjective;
    } else if (tag == u"פ") {
      a.partOfSpeech = Analysis::PartOfSpeech::Verb;
    } else if (tag == u"x") {
      a.partOfSpeech = Analysis::PartOfSpeech::Other;
    } else if (tag == u"פרטי") {
      a.properName = true;
    } else if (tag == u"סמיכות") {
      a.construct = true;
    } else if (tag == u"עבר") {
      a.tense = Analysis::Tense::Past;
    } else if (tag == u"הווה") {
      a.tense = Analysis::Tense::Present;
    } else if (tag == u"עתיד") {
      a.tense = Analysis::Tense::Future;
    } else if (tag == u"ציווי") {
      a.tense = Analysis::Tense::Imperative;
    } else if (tag == u"מקור") {
      a.tense = Analysis::Tense::Infinitive;
    }
  }
  return a;
}

std::u16string russianNoteOf(const HebrewFormAnalysis& a) {
  std::u16string note;
  if (a.partOfSpeech == Analysis::PartOfSpeech::Verb) {
    note = tenseText(a.tense);
    if (a.tense != Analysis::Tense::Infinitive) {
      const std::u16string rest = personNumberGender(a.form, true);
      if (!rest.empty()) note += (note.empty() ? u"" : u", ") + rest;
    }
  } else if (a.partOfSpeech == Analysis::PartOfSpeech::Noun || a.partOfSpeech == Analysis::PartOfSpeech::Adjective) {
    // A noun's gender is its own, not a form's; an adjective's is inflected.
    // The masculine singular is the dictionary form and needs no note.
    const bool adjective = a.partOfSpeech == Analysis::PartOfSpeech::Adjective;
    Analysis::Features shown = a.form;
    if (!adjective || shown.gender != 'f') shown.gender = 0;
    if (shown.number == 's' && !a.construct && !a.hasSuffix) shown.number = 0;
    note = personNumberGender(shown, adjective);
    if (a.construct) note += (note.empty() ? u"" : u", ") + std::u16string(u"смихут");
  }
  if (a.hasSuffix) {
    // A noun's suffix owns it ("his house"); a verb's is its object ("saw him").
    const bool possessive = a.partOfSpeech != Analysis::PartOfSpeech::Verb;
    const std::u16string pronoun = suffixPronoun(a.suffix, possessive);
    if (!pronoun.empty()) note += (note.empty() ? u"+ «" : u" + «") + pronoun + u"»";
  }
  return note;
}

}  // namespace orva
