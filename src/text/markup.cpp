// Markup rewriting.
#include "text/markup.h"

#include <algorithm>
#include <string_view>

namespace orva {

namespace {

constexpr std::u16string_view kOpenTag = u"<font color=red>";
constexpr std::u16string_view kCloseTag = u"</font>";

bool isMarker(char16_t ch) { return ch == kMaqaf || ch == u'|'; }

// Pairs the markers of text[0, end) from the end: the last marker closes a
// span, the one before opens it; what precedes is paired the same way.
std::u16string rewrite(std::u16string_view text, bool& madeSpan) {
  const auto isM = [](char16_t ch) { return isMarker(ch); };
  const auto closeIt = std::find_if(text.rbegin(), text.rend(), isM);
  if (closeIt == text.rend()) return std::u16string(text);
  const size_t close = static_cast<size_t>(text.rend() - closeIt) - 1;
  const auto openIt = std::find_if(closeIt + 1, text.rend(), isM);
  std::u16string tail(text.substr(close + 1));
  if (openIt == text.rend()) {
    // The first marker has no partner: it is dropped.
    return std::u16string(text.substr(0, close)) + tail;
  }
  const size_t open = static_cast<size_t>(text.rend() - openIt) - 1;
  madeSpan = true;
  std::u16string out = rewrite(text.substr(0, open), madeSpan);
  out += kOpenTag;
  out += text.substr(open + 1, close - open - 1);
  out += kCloseTag;
  out += tail;
  return out;
}

void appendReversed(std::u16string& out, std::u16string_view piece) { out.append(piece.rbegin(), piece.rend()); }

}  // namespace

bool RewriteMarkup(std::u16string& text) {
  if (std::none_of(text.begin(), text.end(), isMarker)) return false;
  bool madeSpan = false;
  text = rewrite(text, madeSpan);
  return madeSpan;
}

void ReorderRedSpans(std::u16string& text) {
  const std::u16string_view s = text;
  std::u16string result;
  size_t p = 0;
  for (;;) {
    const size_t open = s.find(kOpenTag, p);
    if (open == std::u16string_view::npos) break;
    const size_t close = s.find(kCloseTag, open + kOpenTag.size());
    if (close == std::u16string_view::npos) break;  // not a span: the rest stays a plain run
    appendReversed(result, s.substr(p, open - p));
    // The span's text lies between the end of its opening tag and the
    // "</" that follows it.
    const std::u16string_view span = s.substr(open, close + kCloseTag.size() - open);
    const size_t textStart = span.find(u'>') + 1;
    const size_t textEnd = std::max(textStart, span.find(u"</", textStart));
    result += kOpenTag;
    appendReversed(result, span.substr(textStart, textEnd - textStart));
    result += kCloseTag;
    p = close + kCloseTag.size();
  }
  if (p == 0) return;
  appendReversed(result, s.substr(p));
  text = std::move(result);
}

void HighlightForDisplay(std::u16string& text, bool isHebrewText, const DeviceSettings& device) {
  if (isHebrewText && device.isHebrew()) {
    std::reverse(text.begin(), text.end());
    if (RewriteMarkup(text)) {
      ReorderRedSpans(text);
    } else {
      std::reverse(text.begin(), text.end());
    }
    return;
  }
  RewriteMarkup(text);
}

}  // namespace orva
