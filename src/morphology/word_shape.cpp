// Trimming and folding of typed words for the analysers.
#include "morphology/word_shape.h"

namespace orva {

namespace {

// Letters, digits and the marks that belong inside Hebrew words count as
// part of a word; everything else at its ends is dropped.
bool isWordUnit(char16_t ch) {
  if ((ch >= u'0' && ch <= u'9') || (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z')) return true;
  if (ch >= 0x00C0 && ch <= 0x024F && ch != 0x00D7 && ch != 0x00F7) return true;  // Latin letters
  if (ch >= 0x0400 && ch <= 0x052F) return true;                                   // Cyrillic
  if (ch >= 0x0591 && ch <= 0x05C7 && ch != 0x05BE && ch != 0x05C0 && ch != 0x05C3 && ch != 0x05C6)
    return true;                             // points and accents
  if (ch >= 0x05D0 && ch <= 0x05EA) return true;  // Hebrew letters
  return false;
}

// Stress marks of texts for learners (кни́ги).
constexpr char16_t kCombiningGrave = 0x0300;
constexpr char16_t kCombiningAcute = 0x0301;

char16_t lowerUnit(char16_t ch) {
  if ((ch >= u'А' && ch <= u'Я') || (ch >= u'A' && ch <= u'Z')) return static_cast<char16_t>(ch + 0x20);
  if (ch == u'Ё') return u'ё';
  return ch;
}

}  // namespace

std::u16string_view trimmedWord(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && !isWordUnit(text[begin])) ++begin;
  while (end > begin && !isWordUnit(text[end - 1])) {
    // A geresh after a Hebrew letter belongs to the word (צ׳); a gershayim
    // stands before a word's last letter (דו״ח), so a double quote at the
    // end closes a quotation.
    const char16_t ch = text[end - 1];
    const bool quote = ch == u'\'' || ch == 0x05F3;
    if (quote && end - 1 > begin && text[end - 2] >= 0x05D0 && text[end - 2] <= 0x05EA) break;
    --end;
  }
  return text.substr(begin, end - begin);
}

std::u16string lowerRussian(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t ch : text)
    if (ch != kCombiningAcute && ch != kCombiningGrave) out.push_back(lowerUnit(ch));
  return out;
}

std::u16string foldedRussian(std::u16string_view text) {
  std::u16string out = lowerRussian(text);
  for (char16_t& ch : out)
    if (ch == u'ё') ch = u'е';
  return out;
}

}  // namespace orva
