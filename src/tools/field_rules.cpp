// Field rules of the source format.
#include "tools/field_rules.h"

#include <cstdio>

#include "store/dictionary_format.h"
#include "store/entry_fields.h"
#include "text/display_text.h"
#include "text/utf.h"
#include "ui/page_markup.h"

namespace orva {

namespace {

constexpr std::string_view kKeywords[kTextFieldCount] = {"headword", "field1", "display", "translation", "field4", "russian"};

std::string describe(char16_t ch) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(ch));
  std::string text = "\"";
  text += utf16ToUtf8(std::u16string(1, ch));
  text += "\" (";
  text += code;
  text += ")";
  return text;
}

std::string_view suggestion(char16_t ch) {
  switch (ch) {
    case u'Ё': return "Е";
    case u'«': case u'»': case u'„': case u'“': case u'”': case u'״': return "\"";
    case u'‘': case u'’': case u'׳': return "'";
    case u'—': case u'–': case u'‑': return "-";
    case u'…': return "...";
    case u'\u00A0': return "a blank";
    case u'№': return "N";
    default: return {};
  }
}

}  // namespace

FieldRule fieldRule(Direction direction, int index) {
  const bool russianHebrew = direction == Direction::RussianHebrew;
  const FieldScript headwordScript = russianHebrew ? FieldScript::Russian : FieldScript::Hebrew;
  switch (index) {
    case kHeadwordField: return {kKeywords[kHeadwordField], headwordScript, true, false};
    case kDisplayField: return {kKeywords[kDisplayField], headwordScript, true, true};
    case kTranslationField:
      return russianHebrew ? FieldRule{kKeywords[kTranslationField], FieldScript::Hebrew, true, true}
                           : FieldRule{kKeywords[kTranslationField], FieldScript::Hebrew, false, false};
    case kRussianField: return {kKeywords[kRussianField], FieldScript::Russian, true, false};
    default: return {kKeywords[index], headwordScript, false, false};
  }
}

std::optional<std::string> displayProblem(FieldScript script, char16_t ch) {
  const CodePage cp = codePageOf(script);
  const auto byte = narrowUnit(cp, ch);
  std::string problem;
  if (!byte) {
    problem = describe(ch) + (script == FieldScript::Russian ? " has no place in Russian text (code page 1251)"
                                                             : " has no place in Hebrew text (code page 1255)");
  } else if (script == FieldScript::Russian) {
    const std::u16string shown = RussianDisplayText(std::string(1, static_cast<char>(*byte)), DeviceSettings{});
    if (shown.size() == 1 && shown[0] == ch) return std::nullopt;
    problem = describe(ch) + " is shown as " + describe(shown.empty() ? u'?' : shown[0]);
  } else {
    for (CodePage device : {CodePage::Cyrillic1251, CodePage::Western1252, CodePage::Hebrew1255}) {
      DeviceSettings settings{kLanguageHebrew, device};
      const std::u16string shown = HebrewDisplayText(std::string(1, static_cast<char>(*byte)), settings);
      if (shown.size() != 1 || shown[0] != ch) {
        problem = describe(ch) + " is shown as " + describe(shown.empty() ? u'?' : shown[0]) +
                  " on a device with code page " + std::to_string(codePageNumber(device));
        break;
      }
    }
    if (problem.empty()) return std::nullopt;
  }
  const std::string_view instead = suggestion(ch);
  if (!instead.empty()) problem += "; write " + std::string(instead) + " instead";
  return problem;
}

bool showsAsControl(FieldScript script, uint8_t byte) {
  const std::string text(1, static_cast<char>(byte));
  const auto anyControl = [](const std::u16string& shown) {
    for (char16_t ch : shown)
      if (isControlCharacter(ch)) return true;
    return false;
  };
  if (script == FieldScript::Russian) return anyControl(RussianDisplayText(text, DeviceSettings{}));
  for (CodePage device : {CodePage::Cyrillic1251, CodePage::Western1252, CodePage::Hebrew1255})
    if (anyControl(HebrewDisplayText(text, DeviceSettings{kLanguageHebrew, device}))) return true;
  return false;
}

std::optional<std::string> markupProblem(FieldScript script, std::string_view bytes) {
  if (bytes.find('<') == std::string_view::npos) return std::nullopt;
  std::u16string text;
  text.reserve(bytes.size());
  for (char byte : bytes) text += widenByte(codePageOf(script), static_cast<uint8_t>(byte));
  return recordMarkupProblem(text);
}

}  // namespace orva
