// Caret notation for control characters.
#include "tools/visible_controls.h"

namespace orva {

namespace {

bool isControl(char32_t ch) { return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F); }

// Appends the caret notation of control character `ch`.
template <typename String>
void appendCaret(String& out, char32_t ch) {
  using Unit = typename String::value_type;
  if (ch >= 0x80) {
    out.push_back(static_cast<Unit>('M'));
    out.push_back(static_cast<Unit>('-'));
    ch -= 0x80;
  }
  out.push_back(static_cast<Unit>('^'));
  out.push_back(static_cast<Unit>(ch == 0x7F ? '?' : ch + 0x40));
}

// Whether the line end at `i` is one of the output's own.
template <typename View>
size_t keptLineEnd(View text, size_t i, KeptLineEnds kept) {
  if (kept == KeptLineEnds::LineFeed && text[i] == '\n') return 1;
  if (kept == KeptLineEnds::CrLf && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') return 2;
  return 0;
}

}  // namespace

std::u16string showControlCharacters(std::u16string_view text, KeptLineEnds kept) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (const size_t end = keptLineEnd(text, i, kept)) {
      out.append(text.substr(i, end));
      i += end;
    } else if (isControl(text[i])) {
      appendCaret(out, text[i++]);
    } else {
      out.push_back(text[i++]);
    }
  }
  return out;
}

std::string showControlCharacters(std::string_view utf8, KeptLineEnds kept) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (const size_t end = keptLineEnd(utf8, i, kept)) {
      out.append(utf8.substr(i, end));
      i += end;
    } else if (isControl(byte) && byte < 0x80) {
      appendCaret(out, byte);
      ++i;
    } else if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F &&
               static_cast<unsigned char>(utf8[i + 1]) >= 0x80) {
      // U+0080 to U+009F, encoded as C2 80 to C2 9F.
      appendCaret(out, static_cast<unsigned char>(utf8[i + 1]));
      i += 2;
    } else {
      out.push_back(utf8[i++]);
    }
  }
  return out;
}

}  // namespace orva
