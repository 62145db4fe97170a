// Notes from endings: only endings that have a single reading for the kind
// of word the lemma is (verb, adjective, noun) get one.
#include "morphology/russian_form_note.h"

namespace orva {

namespace {

bool endsWith(std::u16string_view text, std::u16string_view ending) {
  return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

bool endsWithAny(std::u16string_view text, std::initializer_list<std::u16string_view> endings) {
  for (std::u16string_view e : endings)
    if (endsWith(text, e)) return true;
  return false;
}

struct Rule {
  std::initializer_list<std::u16string_view> endings;
  std::u16string_view note;
};

std::u16string_view firstMatch(std::u16string_view form, std::initializer_list<Rule> rules) {
  for (const Rule& rule : rules)
    if (endsWithAny(form, rule.endings)) return rule.note;
  return {};
}

std::u16string_view verbNote(std::u16string_view form) {
  // Reflexive forms first, so that "-лась" is not read as "-ь".
  return firstMatch(form, {
                              {{u"лся"}, u"прош. вр., м. р."},
                              {{u"лась"}, u"прош. вр., ж. р."},
                              {{u"лось"}, u"прош. вр., ср. р."},
                              {{u"лись"}, u"прош. вр., мн. ч."},
                              {{u"л"}, u"прош. вр., м. р."},
                              {{u"ла"}, u"прош. вр., ж. р."},
                              {{u"ло"}, u"прош. вр., ср. р."},
                              {{u"ли"}, u"прош. вр., мн. ч."},
                              {{u"вший", u"вшая", u"вшее", u"вшие"}, u"прич. прош. вр."},
                              {{u"щий", u"щая", u"щее", u"щие", u"щийся", u"щаяся"}, u"прич. наст. вр."},
                              {{u"ешь", u"ёшь", u"ишь", u"ешься", u"ёшься", u"ишься"}, u"2 л. ед. ч."},
                              {{u"ете", u"ёте", u"етесь", u"ётесь"}, u"2 л. мн. ч."},
                              {{u"ем", u"ём", u"им", u"емся", u"ёмся", u"имся"}, u"1 л. мн. ч."},
                              {{u"ет", u"ёт", u"ит", u"ется", u"ётся", u"ится"}, u"3 л. ед. ч."},
                              {{u"ут", u"ют", u"ат", u"ят", u"утся", u"ются", u"атся", u"ятся"}, u"3 л. мн. ч."},
                              {{u"у", u"ю", u"усь", u"юсь"}, u"1 л. ед. ч."},
                              {{u"йте", u"ьте", u"йтесь", u"ьтесь"}, u"повел. накл."},
                          });
}

std::u16string_view adjectiveNote(std::u16string_view form) {
  return firstMatch(form, {
                              {{u"ыми", u"ими"}, u"мн. ч., твор. п."},
                              {{u"ые", u"ие"}, u"мн. ч."},
                              {{u"ых", u"их"}, u"мн. ч., косв. п."},
                              {{u"ая", u"яя"}, u"ж. р."},
                              {{u"ую", u"юю"}, u"ж. р., вин. п."},
                              {{u"ое"}, u"ср. р."},
                              {{u"ого", u"его"}, u"род. п."},
                              {{u"ому", u"ему"}, u"дат. п."},
                          });
}

std::u16string_view nounNote(std::u16string_view form, std::u16string_view lemma) {
  if (std::u16string_view note = firstMatch(form, {
                                                      {{u"ами", u"ями"}, u"мн. ч., твор. п."},
                                                      {{u"ах", u"ях"}, u"мн. ч., предл. п."},
                                                      {{u"ам", u"ям"}, u"мн. ч., дат. п."},
                                                  });
      !note.empty())
    return note;
  const bool feminineA = endsWithAny(lemma, {u"а", u"я"});
  if (feminineA) {
    return firstMatch(form, {
                                {{u"ы", u"и"}, u"мн. ч."},
                                {{u"у", u"ю"}, u"вин. п."},
                                {{u"ой", u"ей", u"ёй"}, u"твор. п."},
                            });
  }
  const bool masculine = !lemma.empty() && !endsWithAny(lemma, {u"о", u"е", u"ё", u"ь", u"и", u"у", u"ю", u"ы", u"э"});
  if (masculine) {
    return firstMatch(form, {
                                {{u"ов", u"ев", u"ёв"}, u"мн. ч., род. п."},
                                {{u"ы", u"и"}, u"мн. ч."},
                                {{u"ом", u"ем", u"ём"}, u"твор. п."},
                                {{u"а", u"я"}, u"род. п."},
                                {{u"у", u"ю"}, u"дат. п."},
                            });
  }
  if (endsWithAny(lemma, {u"о", u"е"})) {
    return firstMatch(form, {
                                {{u"ом", u"ем"}, u"твор. п."},
                                {{u"у", u"ю"}, u"дат. п."},
                            });
  }
  return {};
}

}  // namespace

std::u16string russianFormNote(std::u16string_view form, std::u16string_view lemma) {
  if (form == lemma || form.empty() || lemma.empty()) return {};
  if (endsWithAny(lemma, {u"ть", u"ти", u"чь", u"ться", u"тись", u"чься"})) return std::u16string(verbNote(form));
  if (endsWithAny(lemma, {u"ый", u"ий", u"ой"})) return std::u16string(adjectiveNote(form));
  return std::u16string(nounNote(form, lemma));
}

}  // namespace orva
