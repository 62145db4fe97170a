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

std::u16string rtlRunsInLogicalOrder(std::u16string_view page) {
  std::u16string out;
  out.reserve(page.size());
  size_t start = 0;
  while (start < page.size()) {
    size_t end = page.find(u"\r\n", start);
    end = end == std::u16string_view::npos ? page.size() : end + 2;
    const std::u16string_view line = page.substr(start, end - start);
    start = end;
    const size_t contentStart = line.find(u"size=6>");
    if (line.find(u"dir=\"rtl\"") == std::u16string_view::npos || contentStart == std::u16string_view::npos) {
      out += line;
      continue;
    }
    // The block closes with "</font></div>" or "</font></b></div>".
    const size_t contentEnd = line.rfind(u"</font></");
    const size_t from = contentStart + 7;
    if (contentEnd == std::u16string_view::npos || contentEnd < from) {
      out += line;
      continue;
    }
    out += line.substr(0, from);
    out += runsInReverseOrder(line.substr(from, contentEnd - from));
    out += line.substr(contentEnd);
  }
  return out;
}

}  // namespace orva
