// Visual-order text for a toolkit with its own bidi.
#include "ui/display_order.h"

#include <vector>

namespace orva {

bool isHebrewPoint(char16_t c) {
  return (c >= 0x0591 && c <= 0x05BD) || c == 0x05BF || c == 0x05C1 || c == 0x05C2 || c == 0x05C4 ||
         c == 0x05C5 || c == 0x05C7;
}

std::u16string pointsAfterLetters(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (!isHebrewPoint(text[i])) {
      out += text[i++];
      continue;
    }
    const size_t runStart = i;
    while (i < text.size() && isHebrewPoint(text[i])) ++i;
    const std::u16string_view run = text.substr(runStart, i - runStart);
    if (i < text.size()) out += text[i++];  // the letter the points belong to
    out += run;
  }
  return out;
}

std::u16string visualOrderForDisplay(std::u16string_view text) {
  std::u16string out(1, kLeftToRightOverride);
  out += pointsAfterLetters(text);
  return out;
}

namespace {

constexpr std::u16string_view kRedOpen = u"<font color=red>";
constexpr std::u16string_view kRedClose = u"</font>";

}  // namespace

std::u16string runsInReverseOrder(std::u16string_view content) {
  std::vector<std::u16string_view> runs;
  size_t p = 0;
  while (p < content.size()) {
    const size_t open = content.find(kRedOpen, p);
    if (open == std::u16string_view::npos) break;
    const size_t close = content.find(kRedClose, open + kRedOpen.size());
    if (close == std::u16string_view::npos) break;
    if (open > p) runs.push_back(content.substr(p, open - p));
    runs.push_back(content.substr(open, close + kRedClose.size() - open));
    p = close + kRedClose.size();
  }
  if (p < content.size()) runs.push_back(content.substr(p));
  std::u16string out;
  for (auto it = runs.rbegin(); it != runs.rend(); ++it) out += *it;
  return out;
}

void appendLogicalOrderBlockHtml(const ArticleBlock& block, std::u16string& html) {
  if (!block.rightToLeft()) {
    appendBlockHtml(block, html);
    return;
  }
  appendBlockHtml({block.kind, runsInReverseOrder(block.text)}, html);
}

}  // namespace orva
