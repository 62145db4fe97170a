// Rendering article pages for a terminal.
#include "tools/article_text.h"

#include <algorithm>
#include <vector>

#include "text/utf.h"
#include "tools/visible_controls.h"
#include "ui/display_order.h"

namespace orva {

namespace {

constexpr std::string_view kRed = "\x1b[31m";
constexpr std::string_view kBold = "\x1b[1m";
constexpr std::string_view kDim = "\x1b[36m";
constexpr std::string_view kReset = "\x1b[0m";

std::string decodeEntities(std::string text) {
  const std::pair<std::string_view, std::string_view> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}, {"&amp;", "&"}};
  for (const auto& [entity, ch] : entities) {
    size_t at = 0;
    while ((at = text.find(entity, at)) != std::string::npos) {
      text.replace(at, entity.size(), ch);
      at += ch.size();
    }
  }
  return text;
}

// The text of one block: its tags dropped, red spans coloured.
std::string blockText(std::string_view content, bool color, std::string_view style) {
  std::vector<std::pair<std::string, bool>> pieces;  // text, red
  std::string text;
  bool red = false;
  size_t i = 0;
  while (i < content.size()) {
    if (content[i] != '<') {
      text.push_back(content[i++]);
      continue;
    }
    const size_t end = content.find('>', i);
    if (end == std::string_view::npos) {
      text.append(content.substr(i));
      break;
    }
    const std::string_view tag = content.substr(i, end - i + 1);
    if (tag == "<font color=red>" || (tag == "</font>" && red)) {
      pieces.emplace_back(decodeEntities(std::move(text)), red);
      text.clear();
      red = tag != "</font>";
    }
    i = end + 1;
  }
  pieces.emplace_back(decodeEntities(std::move(text)), red);

  std::string plain;
  for (const auto& piece : pieces) plain += piece.first;
  const size_t first = plain.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = plain.find_last_not_of(' ');  // labels end with a blank
  if (!color) return plain.substr(first, last - first + 1);

  std::string out(style);
  size_t at = 0;
  for (const auto& [piece, isRed] : pieces) {
    // Keep only the characters within [first, last].
    const size_t from = std::max(at, first), to = std::min(at + piece.size(), last + 1);
    if (from < to) {
      const std::string part = piece.substr(from - at, to - from);
      out += isRed ? std::string(kRed) + part + std::string(kReset) + std::string(style) : part;
    }
    at += piece.size();
  }
  if (!style.empty()) out += kReset;
  return out;
}

}  // namespace

std::string articleAsText(const Article& article, bool color) {
  std::string out;
  bool mainPart = true;
  bool first = true;
  for (const ArticleBlock& block : article.blocks) {
    if (block.kind == ArticleBlockKind::Separator) {
      mainPart = false;
      continue;
    }
    std::string_view style;
    if (first) style = kBold;
    else if (block.kind == ArticleBlockKind::Label) style = kDim;
    // A terminal lays Hebrew out with its own bidi, so the runs of a Hebrew
    // block go back into logical order.
    // Control characters a record may hold are shown, never sent as such.
    const std::u16string visible = showControlCharacters(block.text, KeptLineEnds::None);
    const std::string content = utf16ToUtf8(block.rightToLeft() ? runsInReverseOrder(visible) : visible);
    std::string text = blockText(content, color, style);
    if (text.empty()) continue;
    if (!mainPart && block.rightToLeft()) out += "\n";
    out += (mainPart ? "" : "  ") + text + "\n";
    first = false;
  }
  return out;
}

}  // namespace orva
