// The markup an article page may carry to the viewer: the few tags and
// attributes the pages themselves write, a reader of the tags in a text, and
// the sanitiser that every page goes through before a viewer lays it out.
// A record's text is untrusted, so what it may make the viewer do is bounded
// here: no tag outside the set (no images, links, tables, style sheets),
// attribute values from a short list of safe forms, and a capped nesting.
#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orva {

// Nesting of the page's own structure (html, body, div, b, font and a red
// span) is six; a record's text gets room for ten more levels.
inline constexpr int kMaxPageDepth = 16;

// A tag the pages use (the article blocks and the welcome page), by its
// lower-case name.
bool isPageTag(std::u16string_view name);
// The page tags a record's text may hold: all but the document's own html
// and body.
bool isRecordTag(std::u16string_view name);
// Whether an attribute of a page tag is kept: the name is one the pages use
// and the value has one of its safe forms.
bool isPageAttribute(std::u16string_view name, std::u16string_view value);

// One piece of markup as the sanitiser reads it. A tag begins at "<"
// directly followed by a letter, "/" and a letter, "!" or "?"; any other "<"
// is text.
struct MarkupTag {
  enum class Kind { Start, End, Other };  // Other: a comment or declaration
  struct Attribute {
    std::u16string name;  // lower case
    std::u16string value;
  };
  Kind kind = Kind::Other;
  size_t begin = 0;  // offset of "<"
  size_t end = 0;    // offset just past ">" (or the end of the text)
  std::u16string name;  // lower case; empty for Other
  std::vector<Attribute> attributes;
  bool complete = true;  // false when the text ends inside it
};

// Every piece of markup in `text`, in order.
std::vector<MarkupTag> readMarkup(std::u16string_view text);

// The first tag or attribute in a record's text that the pages do not use,
// in words (UTF-8), or nullopt when every tag is a record tag.
std::optional<std::string> recordMarkupProblem(std::u16string_view text);

// The page as the viewer may lay it out: tags outside the page set,
// comments and declarations and attributes without a safe value are dropped
// (their text stays), a "<" that opens no tag becomes "&lt;", elements
// nested deeper than kMaxPageDepth are flattened into their parent, and
// every element left open is closed. A page that holds only page tags with
// safe attributes, nested within the cap, keeps all its text and tags.
std::u16string sanitisePage(std::u16string_view html);

// The shape of a page's markup: which tags it opens and how deep they nest,
// for checking what a sanitised page can still do.
struct MarkupShape {
  std::set<std::u16string> tags;
  int maxDepth = 0;
  size_t tagCount = 0;
  bool allAttributesSafe = true;
  bool hasOtherMarkup = false;  // comments, declarations, incomplete tags
};
MarkupShape markupShape(std::u16string_view html);

}  // namespace orva
