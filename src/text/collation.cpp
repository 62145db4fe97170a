// The folding rules of lookups, search keys and the order of dictionary
// files, the clean-up of typed text, and the words the analysers read.
#include "text/collation.h"

#include <algorithm>

#include "store/dictionary_format.h"

namespace orva {

// ---- Russian bytes ----

uint8_t lowerRussianByte(uint8_t byte) {
  if (byte >= 0xC0 && byte <= 0xDF) return static_cast<uint8_t>(byte + 0x20);
  if (byte == kCp1251CapitalYo) return kCp1251Yo;
  return byte;
}

void lowerRussianBytes(uint8_t* bytes, size_t length) {
  for (size_t i = 0; i < length; ++i) bytes[i] = lowerRussianByte(bytes[i]);
}

// ---- Hebrew quotes ----

namespace {

std::optional<size_t> indexOf(const uint8_t* text, size_t length, uint8_t ch) {
  for (size_t i = 0; i < length && text[i] != 0; ++i)
    if (text[i] == ch) return i;
  return std::nullopt;
}

}  // namespace

std::optional<size_t> hebrewQuoteToPassOver(const uint8_t* key, size_t keyLength, const uint8_t* query,
                                            size_t queryLength) {
  uint8_t quote = '\'';
  std::optional<size_t> at = indexOf(key, keyLength, quote);
  if (!at) {
    quote = '"';
    at = indexOf(key, keyLength, quote);
  }
  if (!at) return std::nullopt;
  if (at == indexOf(query, queryLength, quote)) return std::nullopt;
  return at;
}

std::string withoutHebrewQuotes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!isHebrewQuote(static_cast<uint8_t>(c))) out.push_back(c);
  return out;
}

// ---- The order of a dictionary file ----

std::string searchKeyOf(Direction direction, std::string_view headword) {
  std::string key(headword.substr(0, std::min(headword.size(), kSearchKeyBytes)));
  if (direction == Direction::RussianHebrew) lowerRussianBytes(reinterpret_cast<uint8_t*>(key.data()), key.size());
  return key;
}

std::string collationView(Direction direction, std::string_view headword) {
  std::string view(headword);
  if (direction == Direction::RussianHebrew) {
    for (char& c : view) c = static_cast<char>(foldRussianByte(static_cast<uint8_t>(c)));
    return view;
  }
  const auto* bytes = reinterpret_cast<const uint8_t*>(view.data());
  if (const auto quote = hebrewQuoteToPassOver(bytes, std::min(view.size(), kSearchKeyBytes), nullptr, 0))
    view.erase(*quote, 1);
  return view;
}

bool lessAmongAlike(std::string_view a, std::string_view b) {
  const auto weight = [](char c) {
    const auto byte = static_cast<uint8_t>(c);
    return byte == kCp1251Yo ? kCp1251Ye * 2 + 1 : byte * 2;
  };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](char x, char y) { return weight(x) < weight(y); });
}

bool headwordBeginsWith(std::string_view headword, std::string_view query, Direction direction) {
  size_t h = 0;
  for (size_t i = 0; i < query.size(); ++i, ++h) {
    while (direction == Direction::HebrewRussian && h < headword.size() &&
           isHebrewQuote(static_cast<uint8_t>(headword[h])))
      ++h;
    if (h >= headword.size()) return false;
    if (!sameLookupByte(static_cast<uint8_t>(headword[h]), static_cast<uint8_t>(query[i]), direction)) return false;
  }
  return true;
}

// ---- Typed and pasted text ----

namespace {

bool isLineBreak(char16_t c) {
  return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool isBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
         c == 0x205F || c == 0x3000;
}

// Characters that show nothing: soft hyphen, zero-width characters,
// direction marks and embeddings, the byte order mark, other controls.
bool isInvisible(char16_t c) {
  return (c >= 0x01 && c <= 0x08) || (c >= 0x0E && c <= 0x1F) || c == 0x7F || c == 0xAD || c == 0x061C ||
         (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) ||
         (c >= 0x2066 && c <= 0x206F) || c == 0xFEFF;
}

bool isHebrewLetter(char16_t c) { return (c >= 0x05D0 && c <= 0x05EA) || (c >= 0x05F0 && c <= 0x05F2); }

constexpr char16_t kMaqaf = 0x05BE;

// Points, cantillation and the marks among them; the maqaf is judged apart.
bool isHebrewMark(char16_t c) { return c >= 0x0591 && c <= 0x05C7 && c != kMaqaf; }

bool isCombiningAccent(char16_t c) { return c >= 0x0300 && c <= 0x036F; }

// Punctuation dropped from either end of a text. The hyphen-minus is not
// among it: it belongs to spellings such as по-русски, and is judged apart.
bool isEdgePunctuation(char16_t c) {
  if (c < 0x80) return c != u'-' && ((c >= u'!' && c <= u'/') || (c >= u':' && c <= u'@') ||
                                     (c >= u'[' && c <= u'`') || (c >= u'{' && c <= u'~'));
  return c == 0xA1 || c == 0xA7 || c == 0xAB || c == 0xB6 || c == 0xB7 || c == 0xBB || c == 0xBF ||
         (c >= 0x2010 && c <= 0x2027) || (c >= 0x2030 && c <= 0x205E) || (c >= 0x2E00 && c <= 0x2E4F) ||
         c == kMaqaf || c == 0x05C0 || c == 0x05C3 || c == 0x05C6 || c == 0x05F3 || c == 0x05F4;
}

bool isContent(char16_t c) {
  return !isLineBreak(c) && !isBlank(c) && !isInvisible(c) && !isEdgePunctuation(c) && c != u'-' &&
         !isHebrewMark(c) && !isCombiningAccent(c) && c != 0;
}

// Hebrew presentation forms U+FB1D to U+FB4F as the letter they show; 0
// for the combining varika; U+FFFF for code points left unassigned. The
// alef-lamed ligature U+FB4F is two letters and handled apart.
constexpr char16_t kPresentationFormFirst = 0xFB1D;
constexpr char16_t kPresentationFormLast = 0xFB4F;
constexpr char16_t kPresentationForms[] = {
    0x05D9, 0,      0x05F2, 0x05E2, 0x05D0, 0x05D3, 0x05D4, 0x05DB, 0x05DC, 0x05DD, 0x05E8,  // FB1D-FB27
    0x05EA, u'+',   0x05E9, 0x05E9, 0x05E9, 0x05E9, 0x05D0, 0x05D0, 0x05D0, 0x05D1, 0x05D2,  // FB28-FB32
    0x05D3, 0x05D4, 0x05D5, 0x05D6, 0xFFFF, 0x05D8, 0x05D9, 0x05DA, 0x05DB, 0x05DC, 0xFFFF,  // FB33-FB3D
    0x05DE, 0xFFFF, 0x05E0, 0x05E1, 0xFFFF, 0x05E3, 0x05E4, 0xFFFF, 0x05E6, 0x05E7, 0x05E8,  // FB3E-FB48
    0x05E9, 0x05EA, 0x05D5, 0x05D1, 0x05DB, 0x05E4,                                          // FB49-FB4E
};
static_assert(sizeof kPresentationForms / sizeof kPresentationForms[0] ==
              kPresentationFormLast - kPresentationFormFirst);

bool isSingleQuoteMark(char16_t c) { return c == 0x2018 || c == 0x2019 || c == 0x02BC || c == 0xB4 || c == u'`'; }
bool isDoubleQuoteMark(char16_t c) { return c == 0x201C || c == 0x201D || c == 0x201E || c == 0x02DD; }

// Invisible characters out; presentation forms, points, accents, the
// geresh and gershayim and blanks settled one character at a time.
std::u16string settleCharacters(std::u16string_view line) {
  std::u16string out;
  out.reserve(line.size());
  for (char16_t c : line) {
    if (isInvisible(c) || isHebrewMark(c)) continue;
    if (c >= kPresentationFormFirst && c <= kPresentationFormLast) {
      if (c == kPresentationFormLast) {
        out += u"\u05D0\u05DC";
        continue;
      }
      const char16_t letter = kPresentationForms[c - kPresentationFormFirst];
      if (letter == 0) continue;
      if (letter != 0xFFFF) c = letter;
    } else if (isCombiningAccent(c)) {
      // A decomposed ё or й is the letter itself; other accents (stress
      // marks above all) are dropped.
      char16_t* last = out.empty() ? nullptr : &out.back();
      if (last && c == 0x0308 && (*last == u'е' || *last == u'Е')) *last = *last == u'е' ? u'ё' : u'Ё';
      else if (last && c == 0x0306 && (*last == u'и' || *last == u'И')) *last = *last == u'и' ? u'й' : u'Й';
      continue;
    } else if (c == 0x05F3) {
      c = u'\'';
    } else if (c == 0x05F4) {
      c = u'"';
    } else if (isBlank(c)) {
      c = u' ';
    }
    out.push_back(c);
  }
  return out;
}

// What depends on the neighbours: typographic quotes inside Hebrew words
// become the geresh and gershayim, a maqaf stays only between two letters
// (there it joins the words of a compound), runs of blanks become one.
std::u16string settleNeighbours(const std::u16string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    const bool afterLetter = i > 0 && isHebrewLetter(text[i - 1]);
    const bool beforeLetter = i + 1 < text.size() && isHebrewLetter(text[i + 1]);
    if (isSingleQuoteMark(c) && afterLetter) c = u'\'';
    else if (isDoubleQuoteMark(c) && afterLetter && beforeLetter) c = u'"';
    else if (c == kMaqaf && !(afterLetter && beforeLetter)) c = u' ';
    if (c == u' ' && !out.empty() && out.back() == u' ') continue;
    out.push_back(c);
  }
  return out;
}

}  // namespace

std::u16string_view firstLineOf(std::u16string_view text) {
  std::optional<std::u16string_view> firstVisible;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    while (end < text.size() && !isLineBreak(text[end])) ++end;
    const std::u16string_view line = text.substr(start, end - start);
    if (std::any_of(line.begin(), line.end(), isContent)) return line;
    if (!firstVisible && std::any_of(line.begin(), line.end(), [](char16_t c) {
          return !isBlank(c) && !isInvisible(c);
        }))
      firstVisible = line;
    start = end + 1;
  }
  return firstVisible.value_or(std::u16string_view{});
}

std::u16string cleanTypedText(std::u16string_view line) {
  const std::u16string text = settleNeighbours(settleCharacters(line));
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && text[begin] == u' ') ++begin;
  while (end > begin && text[end - 1] == u' ') --end;
  const size_t blankBegin = begin;
  const size_t blankEnd = end;

  // A hyphen at an end goes when it stands apart (a dash written as a
  // hyphen); attached to a word it stays.
  const auto dropped = [](char16_t c) { return c == u' ' || c == u'-' || isEdgePunctuation(c); };
  while (begin < end) {
    const char16_t c = text[begin];
    if (c == u'-' ? begin + 1 < end && !dropped(text[begin + 1]) : !dropped(c)) break;
    ++begin;
  }
  while (end > begin) {
    const char16_t c = text[end - 1];
    // A geresh after a Hebrew letter is part of the word (ג', צ', abbreviations).
    if (c == u'\'' && end - 1 > begin && isHebrewLetter(text[end - 2])) break;
    if (c == u'-' ? end - 1 > begin && !dropped(text[end - 2]) : !dropped(c)) break;
    --end;
  }
  if (begin == end) return text.substr(blankBegin, blankEnd - blankBegin);
  return text.substr(begin, end - begin);
}

// ---- Words for the analysers ----

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
