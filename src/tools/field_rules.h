// What each text field of a record holds in either direction: its code page,
// whether it is shown (and so must show every character as itself), and
// whether it may carry highlight markers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/direction.h"
#include "store/entry_fields.h"
#include "text/code_pages.h"

namespace orva {

enum class FieldScript { Russian, Hebrew };

struct FieldRule {
  std::string_view keyword;  // the name in the source format
  FieldScript script;
  bool shown;        // reaches the screen through a display conversion
  bool highlighted;  // may carry highlight markers
};

// The rule for text field `index` (0 to 5) of a dictionary of `direction`.
FieldRule fieldRule(Direction direction, int index);

inline CodePage codePageOf(FieldScript script) {
  return script == FieldScript::Russian ? CodePage::Cyrillic1251 : CodePage::Hebrew1255;
}

// Whether `ch` survives the field's display conversions unchanged (on every
// device code page, for Hebrew). nullopt when it does; otherwise a message
// saying what happens and what to write instead.
std::optional<std::string> displayProblem(FieldScript script, char16_t ch);

// Whether a character reaches the screen as a control character (C0, DEL or
// C1), which a terminal would act on rather than show.
inline bool isControlCharacter(char16_t ch) { return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F); }

// Whether the byte `byte`, written raw into a shown field, is shown as a
// control character (on any device code page, for Hebrew).
bool showsAsControl(FieldScript script, uint8_t byte);

// Whether the markup of a shown text (code-page bytes) uses only the tags
// and attributes of the article pages. nullopt when it does; otherwise the
// first offending tag in words.
std::optional<std::string> markupProblem(FieldScript script, std::string_view bytes);

inline constexpr char16_t kHebrewMarker = u'\u05BE';  // maqaf
inline constexpr char16_t kRussianMarker = u'|';

}  // namespace orva
