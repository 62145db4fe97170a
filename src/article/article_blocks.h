// An article as the composer builds it: a sequence of blocks, each one line
// of the page (the headword, a Hebrew text, a grammar label, a Russian
// text, the separator), and their rendering as the viewer's HTML.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/direction.h"

namespace orva {

enum class ArticleBlockKind : uint8_t {
  HebrewHeadword,   // the he-ru headword, right to left, bold
  RussianHeadword,  // the ru-he headword, bold
  HebrewText,       // right to left: the ru-he translation, or a related form's headword
  Label,            // a verb-form label or a noun's grammar note
  RussianText,      // the Russian translation, or notes
  Separator,        // the rule that ends the main part
};

struct ArticleBlock {
  ArticleBlockKind kind;
  // The display text; highlights are red font spans.
  std::u16string text;

  bool rightToLeft() const { return kind == ArticleBlockKind::HebrewHeadword || kind == ArticleBlockKind::HebrewText; }
};

// A whole article: the blocks of the main part and, in Hebrew-Russian, the
// related forms after them.
struct Article {
  Direction direction = kStartDirection;
  std::vector<ArticleBlock> blocks;
};

inline constexpr std::u16string_view kPageStart = u"<html><body>\r\n";
// Ends a Russian-Hebrew page; a Hebrew-Russian page ends after its last
// related form.
inline constexpr std::u16string_view kPageEnd = u"</body></html>\r\n";

// The block as one line of HTML, its line end included.
void appendBlockHtml(const ArticleBlock& block, std::u16string& html);
std::u16string blockHtml(const ArticleBlock& block);

// The page as the viewer holds it once complete.
std::u16string articleHtml(const Article& article);

}  // namespace orva
