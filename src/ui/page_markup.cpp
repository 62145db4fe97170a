// The page markup set, its reader and the sanitiser.
#include "ui/page_markup.h"

#include <algorithm>
#include <array>
#include <map>

#include "text/utf.h"

namespace orva {

namespace {

constexpr std::array<std::u16string_view, 11> kPageTags = {u"b",    u"body", u"br", u"center", u"div", u"font",
                                                           u"h3",   u"hr",   u"html", u"i",    u"p"};
constexpr std::array<std::u16string_view, 2> kVoidTags = {u"br", u"hr"};

bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isHexDigit(char16_t c) { return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }
bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }
char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

std::u16string lowered(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = lower(c);
  return out;
}

bool isVoidTag(std::u16string_view name) {
  return std::find(kVoidTags.begin(), kVoidTags.end(), name) != kVoidTags.end();
}

bool oneOf(std::u16string_view value, std::initializer_list<std::u16string_view> choices) {
  const std::u16string v = lowered(value);
  return std::find(choices.begin(), choices.end(), std::u16string_view(v)) != choices.end();
}

// "#RGB", "#RRGGBB" or a colour name.
bool isColour(std::u16string_view value) {
  if (value.empty() || value.size() > 20) return false;
  if (value[0] == u'#') {
    if (value.size() != 4 && value.size() != 7) return false;
    return std::all_of(value.begin() + 1, value.end(), isHexDigit);
  }
  return std::all_of(value.begin(), value.end(), isAsciiLetter);
}

// An HTML font size: 1 to 7, or a step of up to two digits up or down.
bool isFontSize(std::u16string_view value) {
  if (!value.empty() && (value[0] == u'+' || value[0] == u'-')) value.remove_prefix(1);
  return !value.empty() && value.size() <= 2 && std::all_of(value.begin(), value.end(), isAsciiDigit);
}

// The only style the pages write: a writing direction.
bool isDirectionStyle(std::u16string_view value) {
  std::u16string compact;
  for (char16_t c : value)
    if (!isBlank(c)) compact += lower(c);
  if (!compact.empty() && compact.back() == u';') compact.pop_back();
  return compact == u"direction:rtl" || compact == u"direction:ltr";
}

// Reads one tag starting at text[at] == '<'; nullopt when that "<" opens no
// tag and is text.
std::optional<MarkupTag> readTag(std::u16string_view text, size_t at) {
  const size_t n = text.size();
  const char16_t next = at + 1 < n ? text[at + 1] : u'\0';
  MarkupTag tag;
  tag.begin = at;
  if (next == u'!' || next == u'?') {
    tag.kind = MarkupTag::Kind::Other;
    const bool comment = text.substr(at, 4) == u"<!--";
    const size_t close = comment ? text.find(u"-->", at + 4) : text.find(u'>', at + 2);
    if (close == std::u16string_view::npos) {
      tag.end = n;
      tag.complete = false;
    } else {
      tag.end = close + (comment ? 3 : 1);
    }
    return tag;
  }
  size_t p = at + 1;
  if (next == u'/') {
    if (at + 2 >= n || !isAsciiLetter(text[at + 2])) return std::nullopt;
    tag.kind = MarkupTag::Kind::End;
    p = at + 2;
  } else if (isAsciiLetter(next)) {
    tag.kind = MarkupTag::Kind::Start;
  } else {
    return std::nullopt;
  }
  const size_t nameStart = p;
  while (p < n && !isBlank(text[p]) && text[p] != u'/' && text[p] != u'>') ++p;
  tag.name = lowered(text.substr(nameStart, p - nameStart));
  // Attributes: name, optionally "=" and a quoted or unquoted value.
  while (true) {
    while (p < n && (isBlank(text[p]) || text[p] == u'/')) ++p;
    if (p >= n) {
      tag.end = n;
      tag.complete = false;
      return tag;
    }
    if (text[p] == u'>') {
      tag.end = p + 1;
      return tag;
    }
    const size_t attrStart = p;
    while (p < n && !isBlank(text[p]) && text[p] != u'/' && text[p] != u'>' && text[p] != u'=') ++p;
    if (p == attrStart) ++p;  // a lone "=": skip it
    MarkupTag::Attribute attribute{lowered(text.substr(attrStart, p - attrStart)), {}};
    size_t q = p;
    while (q < n && isBlank(text[q])) ++q;
    if (q < n && text[q] == u'=') {
      ++q;
      while (q < n && isBlank(text[q])) ++q;
      if (q < n && (text[q] == u'"' || text[q] == u'\'')) {
        const char16_t quote = text[q];
        const size_t close = text.find(quote, q + 1);
        if (close == std::u16string_view::npos) {
          tag.end = n;
          tag.complete = false;
          return tag;
        }
        attribute.value = std::u16string(text.substr(q + 1, close - q - 1));
        p = close + 1;
      } else {
        const size_t valueStart = q;
        while (q < n && !isBlank(text[q]) && text[q] != u'>') ++q;
        attribute.value = std::u16string(text.substr(valueStart, q - valueStart));
        p = q;
      }
    }
    if (tag.kind == MarkupTag::Kind::Start && !attribute.name.empty() && attribute.name != u"=")
      tag.attributes.push_back(std::move(attribute));
  }
}

std::string quotedTag(const MarkupTag& tag) {
  std::string text = tag.kind == MarkupTag::Kind::End ? "</" : "<";
  text += utf16ToUtf8(tag.name);
  return text + ">";
}

}  // namespace

bool isPageTag(std::u16string_view name) {
  return std::find(kPageTags.begin(), kPageTags.end(), name) != kPageTags.end();
}

bool isRecordTag(std::u16string_view name) { return isPageTag(name) && name != u"html" && name != u"body"; }

bool isPageAttribute(std::u16string_view name, std::u16string_view value) {
  if (name == u"align") return oneOf(value, {u"left", u"right", u"center", u"justify"});
  if (name == u"dir") return oneOf(value, {u"rtl", u"ltr"});
  if (name == u"color") return isColour(value);
  if (name == u"size") return isFontSize(value);
  if (name == u"style") return isDirectionStyle(value);
  return false;
}

std::vector<MarkupTag> readMarkup(std::u16string_view text) {
  std::vector<MarkupTag> tags;
  size_t p = 0;
  while ((p = text.find(u'<', p)) != std::u16string_view::npos) {
    if (auto tag = readTag(text, p)) {
      p = tag->end;
      tags.push_back(std::move(*tag));
    } else {
      ++p;
    }
  }
  return tags;
}

std::optional<std::string> recordMarkupProblem(std::u16string_view text) {
  for (const MarkupTag& tag : readMarkup(text)) {
    if (tag.kind == MarkupTag::Kind::Other)
      return std::string("comments and declarations (\"<!\", \"<?\") are not shown; write &lt; for a \"<\"");
    if (!tag.complete) return quotedTag(tag) + " is not closed with \">\"; write &lt; for a \"<\"";
    if (!isRecordTag(tag.name))
      return quotedTag(tag) +
             " is not a tag the article pages use (they use b, br, center, div, font, h3, hr, i and p); "
             "write &lt; for a \"<\"";
    for (const auto& attribute : tag.attributes) {
      if (!isPageAttribute(attribute.name, attribute.value))
        return quotedTag(tag) + " has the attribute " + utf16ToUtf8(attribute.name) + "=\"" +
               utf16ToUtf8(attribute.value) +
               "\", which the pages do not use (they use align, dir, color, size and the style "
               "\"direction: rtl\")";
    }
  }
  return std::nullopt;
}

std::u16string sanitisePage(std::u16string_view html) {
  std::u16string out;
  out.reserve(html.size() + 16);
  std::vector<std::u16string> open;            // elements open in the output
  std::map<std::u16string, size_t> flattened;  // starts dropped for depth, by name
  auto text = [&](size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
      if (html[i] == u'<') {
        out += u"&lt;";
      } else {
        out += html[i];
      }
    }
  };
  size_t p = 0;
  for (const MarkupTag& tag : readMarkup(html)) {
    text(p, tag.begin);
    p = tag.end;
    if (tag.kind == MarkupTag::Kind::Other || !tag.complete || !isPageTag(tag.name)) continue;
    if (tag.kind == MarkupTag::Kind::Start) {
      const bool isVoid = isVoidTag(tag.name);
      // The document's own html and body come once; a record's are dropped.
      const bool again = (tag.name == u"html" || tag.name == u"body") &&
                         std::find(open.begin(), open.end(), tag.name) != open.end();
      if (again || (!isVoid && open.size() >= static_cast<size_t>(kMaxPageDepth))) {
        ++flattened[tag.name];
        continue;
      }
      out += u'<';
      out += tag.name;
      std::set<std::u16string> seen;
      for (const auto& attribute : tag.attributes) {
        if (!isPageAttribute(attribute.name, attribute.value) || !seen.insert(attribute.name).second) continue;
        out += u' ';
        out += attribute.name;
        out += u"=\"";
        out += attribute.value;  // a safe value holds no quote, "<", ">" or "&"
        out += u'"';
      }
      out += u'>';
      if (!isVoid) open.push_back(tag.name);
      continue;
    }
    // An end tag closes its element and everything opened inside it; one
    // whose start was flattened or never seen is dropped.
    if (isVoidTag(tag.name)) continue;
    if (auto it = flattened.find(tag.name); it != flattened.end() && it->second > 0) {
      --it->second;
      continue;
    }
    const auto match = std::find(open.rbegin(), open.rend(), tag.name);
    if (match == open.rend()) continue;
    const size_t keep = static_cast<size_t>(open.rend() - match) - 1;
    while (open.size() > keep) {
      out += u"</";
      out += open.back();
      out += u'>';
      open.pop_back();
    }
  }
  text(p, html.size());
  while (!open.empty()) {
    out += u"</";
    out += open.back();
    out += u'>';
    open.pop_back();
  }
  return out;
}

MarkupShape markupShape(std::u16string_view html) {
  MarkupShape shape;
  std::vector<std::u16string> open;
  for (const MarkupTag& tag : readMarkup(html)) {
    ++shape.tagCount;
    if (tag.kind == MarkupTag::Kind::Other || !tag.complete) {
      shape.hasOtherMarkup = true;
      continue;
    }
    if (tag.kind == MarkupTag::Kind::Start) {
      shape.tags.insert(tag.name);
      for (const auto& attribute : tag.attributes)
        if (!isPageAttribute(attribute.name, attribute.value)) shape.allAttributesSafe = false;
      if (isVoidTag(tag.name)) continue;
      open.push_back(tag.name);
      shape.maxDepth = std::max(shape.maxDepth, static_cast<int>(open.size()));
    } else {
      const auto match = std::find(open.rbegin(), open.rend(), tag.name);
      if (match != open.rend()) open.resize(static_cast<size_t>(open.rend() - match) - 1);
    }
  }
  return shape;
}

}  // namespace orva
