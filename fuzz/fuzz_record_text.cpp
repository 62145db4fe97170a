// Record texts as input: the first byte picks the device, the rest is taken
// both as the code-page bytes of a record text (through the display
// conversions and the highlighting, as the article page does it) and as
// UTF-16 units with arbitrary markers and "<" (through the markup and
// visual-order functions one by one, the window's visual-order display, and
// the sanitiser of the viewer's page, the units taken as a whole page).
#include <algorithm>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "store/dictionary_format.h"
#include "text/display_text.h"
#include "text/markup.h"
#include "ui/display_order.h"

namespace orva::fuzz {
namespace {

constexpr std::u16string_view kOpenTag = u"<font color=red>";

size_t count(std::u16string_view text, std::u16string_view what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::u16string_view::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

size_t markers(std::u16string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char16_t c) { return c == kMaqaf || c == u'|'; }));
}

void displayRecordText(std::string_view bytes, const DeviceSettings& device) {
  std::u16string russian = RussianDisplayText(bytes, device);
  std::u16string hebrew = HebrewDisplayText(bytes, device);
  if (russian.size() > kMaxConvertedChars || hebrew.size() > kMaxConvertedChars)
    fail("a display text is longer than the conversion area");
  if (russian.size() != std::min(bytes.size(), kMaxConvertedChars) || hebrew.size() != russian.size())
    fail("a display conversion changed the number of characters");
  HighlightForDisplay(russian, false, device);
  HighlightForDisplay(hebrew, true, device);
}

void markupFunctions(const std::u16string& text, const DeviceSettings& device) {
  std::u16string visual = text;
  ToVisualOrder(visual);
  if (visual.size() != text.size()) fail("visual order changed the length");
  if (text.find(u'|') == std::u16string::npos) {
    ToVisualOrder(visual);
    if (visual != text) fail("visual order twice is not the text again");
  }

  std::u16string rewritten = text;
  const bool madeSpan = RewriteMarkup(rewritten);
  const size_t m = markers(text);
  if (madeSpan != (m >= 2)) fail("RewriteMarkup reported spans wrongly");
  if (m == 0 && rewritten != text) fail("RewriteMarkup changed a text without markers");
  // (Dropping an unpaired marker may join the text around it into one more
  // literal tag, so only an even count pins the number down.)
  const size_t spans = count(rewritten, kOpenTag);
  const size_t expected = count(text, kOpenTag) + m / 2;
  if (m % 2 == 0 ? spans != expected : spans < expected) fail("RewriteMarkup made the wrong number of spans");
  if (markers(rewritten) != 0) fail("RewriteMarkup left a marker");
  ReorderRedSpans(rewritten);

  std::u16string reversed = text;
  ReorderRedSpans(reversed);

  for (CodePage toward : {CodePage::Hebrew1255, CodePage::Cyrillic1251}) {
    const std::u16string normal = NormalizeScript(text, toward, device);
    if (normal.size() != std::min(text.size(), kMaxConvertedChars)) fail("NormalizeScript changed the length");
  }
  for (bool hebrew : {false, true}) {
    std::u16string shown = text;
    HighlightForDisplay(shown, hebrew, device);
  }

  // What the window shows for visual order: the override, then the same
  // characters with the points moved after their letters.
  const std::u16string forDisplay = visualOrderForDisplay(text);
  if (forDisplay.size() != text.size() + 1 || forDisplay[0] != kLeftToRightOverride)
    fail("visualOrderForDisplay did not add exactly the override");
  std::u16string before = text, after = forDisplay.substr(1);
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  if (before != after) fail("visualOrderForDisplay changed the characters");
}

}  // namespace
}  // namespace orva::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orva;
  using namespace orva::fuzz;
  if (size < 1) return 0;
  // No record text is longer than a record.
  if (size > 2 * kRecordBufferSize + 1) return 0;
  const DeviceSettings device = deviceFromByte(data[0]);
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  displayRecordText(bytes.substr(0, std::min(bytes.find('\0'), bytes.size())), device);

  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) | (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
  markupFunctions(units, device);
  checkViewerPage(units);
  std::u16string block;
  appendLogicalOrderBlockHtml({ArticleBlockKind::HebrewText, units}, block);
  checkViewerPage(block);
  return 0;
}
