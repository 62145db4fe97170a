// The hint line's text.
#include "ui/hint_line.h"

namespace orva {

HintLineContent composeHintLine(const LookupHint& hint, std::u16string_view typed) {
  HintLineContent content;
  const std::u16string word = hint.typed.empty() ? std::u16string(typed) : hint.typed;
  const std::u16string quoted = u"«" + word + u"»";
  switch (hint.kind) {
    case LookupHint::Kind::None: break;
    case LookupHint::Kind::FormOf:
      if (hint.lemma.headword.empty()) break;
      content.targets.push_back(hint.lemma);
      content.pieces.push_back({quoted + u" — form of ", false, -1});
      content.pieces.push_back({hint.lemma.headword, true, 0});
      if (!hint.relation.empty()) content.pieces.push_back({u" (" + hint.relation + u")", false, -1});
      break;
    case LookupHint::Kind::NotInDictionary: {
      content.pieces.push_back({quoted + u" is not in the dictionary", false, -1});
      for (const HintTarget& suggestion : hint.suggestions) {
        if (content.targets.size() == kMaxHintSuggestions) break;
        if (suggestion.headword.empty()) continue;
        content.pieces.push_back({content.targets.empty() ? u"; nearest: " : u", ", false, -1});
        content.pieces.push_back({suggestion.headword, false, static_cast<int>(content.targets.size())});
        content.targets.push_back(suggestion);
      }
      break;
    }
  }
  if (!content.pieces.empty()) content.kind = hint.kind;
  return content;
}

}  // namespace orva
