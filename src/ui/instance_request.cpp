// Requests between two starts of the program.
#include "ui/instance_request.h"

#include "text/utf.h"

namespace orva {

namespace {

bool isLineBreak(char16_t c) { return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029 || c == 0x85; }

bool isSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
         c == 0x205F || c == 0x3000;
}

// Characters that carry nothing to look up: C0 and C1 controls, DEL, the
// direction marks, embeddings, overrides and isolates, the byte-order mark
// and zero-width space.
bool isInvisible(char16_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200B || c == 0x200E || c == 0x200F ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

// Punctuation that surrounds a word in running text. Hebrew geresh and
// gershayim stay: they belong to abbreviations, and the quotation mark
// typed for gershayim only goes when it stands at an end.
bool isSurroundingPunctuation(char16_t c) {
  switch (c) {
    case u'.': case u',': case u';': case u':': case u'!': case u'?': case u'"': case u'\'':
    case u'(': case u')': case u'[': case u']': case u'{': case u'}': case u'<': case u'>':
    case u'-': case u'*': case u'/': case u'\\':
    case 0x00AB: case 0x00BB:                             // « »
    case 0x2013: case 0x2014:                             // en and em dash
    case 0x2018: case 0x2019: case 0x201C: case 0x201D:   // quotation marks
    case 0x201E: case 0x2026:                             // „ …
    case 0x05BE: case 0x05C3:                             // maqaf, sof pasuq
      return true;
    default:
      return false;
  }
}

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::u16string cleanRequestedWord(std::u16string_view text) {
  // The first line that holds anything besides white space and invisibles.
  std::u16string line;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    while (end < text.size() && !isLineBreak(text[end])) ++end;
    line.clear();
    bool pendingSpace = false;
    for (size_t i = start; i < end; ++i) {
      const char16_t c = text[i];
      if (c == u'\t' || isSpace(c)) {
        pendingSpace = !line.empty();
      } else if (!isInvisible(c)) {
        if (pendingSpace) line.push_back(u' ');
        pendingSpace = false;
        line.push_back(c);
      }
    }
    size_t first = 0;
    while (first < line.size() && isSurroundingPunctuation(line[first])) ++first;
    size_t last = line.size();
    while (last > first && (isSurroundingPunctuation(line[last - 1]) || line[last - 1] == u' ')) --last;
    while (first < last && line[first] == u' ') ++first;
    line = line.substr(first, last - first);
    if (!line.empty()) break;
    if (end >= text.size()) break;
    start = end + 1;
  }
  if (line.size() > kMaxRequestedWordUnits) {
    size_t cut = kMaxRequestedWordUnits;
    if (isHighSurrogate(line[cut - 1])) --cut;
    line.resize(cut);
    while (!line.empty() && line.back() == u' ') line.pop_back();
  }
  return line;
}

InstanceRequest requestToLookUp(std::u16string_view text) {
  std::u16string word = cleanRequestedWord(text);
  if (word.empty()) return {};
  return {InstanceRequest::Kind::LookUp, std::move(word)};
}

namespace {
constexpr std::string_view kShowLine = "show";
constexpr std::string_view kLookUpPrefix = "look-up ";
}  // namespace

std::string encodeInstanceRequest(const InstanceRequest& request) {
  if (request.kind == InstanceRequest::Kind::Show) return std::string(kShowLine) + "\n";
  return std::string(kLookUpPrefix) + utf16ToUtf8(request.word) + "\n";
}

InstanceRequestReader::State InstanceRequestReader::feed(std::string_view bytes) {
  if (state_ != State::NeedMore) return state_;
  const size_t newline = bytes.find('\n');
  const std::string_view part = bytes.substr(0, newline);
  if (line_.size() + part.size() + 1 > kMaxRequestBytes) {
    state_ = State::Rejected;
    line_.clear();
    return state_;
  }
  line_.append(part);
  if (newline != std::string_view::npos) finish();
  return state_;
}

void InstanceRequestReader::finish() {
  state_ = State::Rejected;
  if (line_ == kShowLine) {
    request_ = InstanceRequest{};
    state_ = State::Complete;
  } else if (std::string_view(line_).starts_with(kLookUpPrefix)) {
    const auto word = utf8ToUtf16(std::string_view(line_).substr(kLookUpPrefix.size()));
    if (word) {
      // The sender cleaned the word already; a sender of its own may not
      // have.
      request_ = requestToLookUp(*word);
      state_ = State::Complete;
    }
  }
  line_.clear();
}

std::string instanceSocketName(unsigned long userId, std::string_view display) {
  std::string name = "orva-" + std::to_string(userId);
  if (display.empty()) return name;
  name += '-';
  for (const char c : display.substr(0, 64)) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
    name += plain ? c : '_';
  }
  return name;
}

}  // namespace orva
