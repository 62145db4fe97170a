// Converting Hebrew words to and from hspell's ISO-8859-8 spelling.
#include "morphology/hebrew_spelling.h"

namespace orva {

namespace {

constexpr char16_t kAlef = 0x05D0;
constexpr char16_t kTav = 0x05EA;
constexpr unsigned char kAlefByte = 0xE0;

bool isHebrewLetter(char16_t c) { return c >= kAlef && c <= kTav; }

// Niqqud, cantillation and the other points between U+0591 and U+05C7,
// without the punctuation among them (maqaf, paseq, sof pasuq, nun hafukha).
bool isPoint(char16_t c) {
  if (c < 0x0591 || c > 0x05C7) return false;
  return c != 0x05BE && c != 0x05C0 && c != 0x05C3 && c != 0x05C6;
}

// The final shape of kaf, mem, nun, pe and tsadi, or 0 for another letter.
char16_t finalShapeOf(char16_t c) {
  switch (c) {
    case u'כ': return u'ך';
    case u'מ': return u'ם';
    case u'נ': return u'ן';
    case u'פ': return u'ף';
    case u'צ': return u'ץ';
    default: return 0;
  }
}

char16_t ordinaryShapeOf(char16_t c) {
  switch (c) {
    case u'ך': return u'כ';
    case u'ם': return u'מ';
    case u'ן': return u'נ';
    case u'ף': return u'פ';
    case u'ץ': return u'צ';
    default: return c;
  }
}

}  // namespace

std::optional<std::string> toHspellSpelling(std::u16string_view word) {
  // First the letters and quotes alone, points dropped.
  std::u16string letters;
  size_t letterCount = 0;
  for (const char16_t c : word) {
    if (isPoint(c)) continue;
    if (isHebrewLetter(c)) {
      letters.push_back(c);
      ++letterCount;
    } else if (c == 0x05F0) {
      letters += u"וו";
      letterCount += 2;
    } else if (c == 0x05F1) {
      letters += u"וי";
      letterCount += 2;
    } else if (c == 0x05F2) {
      letters += u"יי";
      letterCount += 2;
    } else if (c == u'\'' || c == 0x05F3 || c == 0x2018 || c == 0x2019) {
      letters.push_back(u'\'');
    } else if (c == u'"' || c == 0x05F4 || c == 0x201C || c == 0x201D) {
      letters.push_back(u'"');
    } else {
      return std::nullopt;
    }
    if (letterCount > kMaxHebrewWordLetters || letters.size() > 2 * kMaxHebrewWordLetters) return std::nullopt;
  }
  if (letterCount == 0) return std::nullopt;

  std::string bytes;
  bytes.reserve(letters.size());
  for (size_t i = 0; i < letters.size(); ++i) {
    char16_t c = letters[i];
    if (isHebrewLetter(c)) {
      const bool last = i + 1 == letters.size();
      const bool beforeLetter = !last && isHebrewLetter(letters[i + 1]);
      if (last && letterCount > 1 && finalShapeOf(c) != 0) c = finalShapeOf(c);
      if (beforeLetter) c = ordinaryShapeOf(c);
      bytes.push_back(static_cast<char>(kAlefByte + (c - kAlef)));
    } else {
      bytes.push_back(static_cast<char>(c));
    }
  }
  return bytes;
}

std::u16string withFinalShape(std::u16string word) {
  if (word.size() > 1 && finalShapeOf(word.back()) != 0) word.back() = finalShapeOf(word.back());
  return word;
}

std::u16string fromHspellSpelling(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    if (u < 0x80) {
      text.push_back(u);
    } else if (u >= kAlefByte && u <= kAlefByte + (kTav - kAlef)) {
      text.push_back(static_cast<char16_t>(kAlef + (u - kAlefByte)));
    } else {
      text.push_back(0xFFFD);
    }
  }
  return text;
}

}  // namespace orva
