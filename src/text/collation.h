// The folding rules by which typed text, headwords and search keys are
// compared, in one place: Russian case and ё (code page 1251 bytes), the
// Hebrew geresh and gershayim (written ' and " in the files), the order of
// the entries and keys of a dictionary file, and the clean-up of typed or
// pasted text (surrounding blanks and punctuation, further lines, Hebrew
// points and cantillation, decomposed ё and й), and the trimming and
// Russian folding of the words the analysers read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "store/direction.h"

namespace orva {

// ---- Russian bytes (code page 1251) ----

inline constexpr uint8_t kCp1251CapitalYo = 0xA8;  // Ё
inline constexpr uint8_t kCp1251Yo = 0xB8;         // ё
inline constexpr uint8_t kCp1251Ye = 0xE5;         // е

// А-Я to а-я and Ё to ё; every other byte stays.
uint8_t lowerRussianByte(uint8_t byte);
void lowerRussianBytes(uint8_t* bytes, size_t length);

// ё read as е, as the search index reads its keys (they are lower case).
inline uint8_t yoAsYe(uint8_t byte) { return byte == kCp1251Yo ? kCp1251Ye : byte; }

// A Russian byte as a headword is matched with a query: lower case, ё as е.
inline uint8_t foldRussianByte(uint8_t byte) { return yoAsYe(lowerRussianByte(byte)); }

// ---- Hebrew quotes ----

// A geresh or gershayim as the files write them: the apostrophe or the
// double quote.
inline bool isHebrewQuote(uint8_t byte) { return byte == '\'' || byte == '"'; }

// The quote a Hebrew search key is read without: its first apostrophe, or
// failing that its first double quote, unless the query holds the same
// quote at the same place. Both texts end at their first NUL or their
// length. Nothing when the key keeps every byte.
std::optional<size_t> hebrewQuoteToPassOver(const uint8_t* key, size_t keyLength, const uint8_t* query,
                                            size_t queryLength);

// The text without any apostrophe or double quote: a query typed with a
// geresh or gershayim searches as if they were not there.
std::string withoutHebrewQuotes(std::string_view text);

// ---- The order of a dictionary file ----

// The first ten bytes of a headword, lower-cased for Russian: the search
// key it contributes to the file.
std::string searchKeyOf(Direction direction, std::string_view headword);

// How entries of a direction are ordered and their search keys compare:
// Russian bytes lower-cased with ё sorted as е; Hebrew bytes without the
// first apostrophe (else double quote) of the first ten.
std::string collationView(Direction direction, std::string_view headword);

// Among headwords with the same collation view (перед and перёд), the
// spelling with е comes first, so that typing the word, which the lookup
// folds to е, lands on the plain spelling.
bool lessAmongAlike(std::string_view a, std::string_view b);

// Whether a headword begins with a query (both dictionary bytes), as the
// lookup matches them: Russian bytes folded by foldRussianByte, Hebrew
// quotes in the headword passed over (the query is expected without them).
bool headwordBeginsWith(std::string_view headword, std::string_view query, Direction direction);

// Whether two dictionary bytes are the same letter to the lookup.
inline bool sameLookupByte(uint8_t a, uint8_t b, Direction direction) {
  return direction == Direction::RussianHebrew ? foldRussianByte(a) == foldRussianByte(b) : a == b;
}

// ---- Typed and pasted text ----

// The first line of a text that holds a letter or a digit; failing that the
// first that holds anything but blanks; failing that an empty text.
std::u16string_view firstLineOf(std::u16string_view text);

// A typed or pasted text (one line, in logical order) as the lookup reads
// it: invisible formatting characters removed; blanks at either end dropped
// and blanks inside taken as one space; punctuation at either end dropped
// (a hyphen only when it stands apart, a geresh after a Hebrew letter
// kept); Hebrew points and cantillation marks removed, a maqaf kept only
// between two letters; the Hebrew geresh and gershayim, and typographic
// single and double quotes inside Hebrew words, as ' and "; Hebrew
// presentation forms as their letters; е, Е, и, И followed by a combining
// diaeresis or breve as ё, Ё, й, Й, and other combining accents (stress
// marks) removed. A text that would be left without anything but
// punctuation keeps its punctuation.
std::u16string cleanTypedText(std::u16string_view line);

// ё and Ё as е, the way the lookup spells them in a Russian query.
inline char16_t typedYoAsYe(char16_t ch) { return ch == u'ё' || ch == u'Ё' ? u'е' : ch; }

// ---- Words for the analysers (UTF-16) ----

// `text` without leading and trailing blanks, punctuation and symbols; a
// hyphen or apostrophe inside the word stays, and so does a geresh after a
// Hebrew letter.
std::u16string_view trimmedWord(std::u16string_view text);

// Russian and Latin capitals to lower case, stress marks dropped, ё kept.
std::u16string lowerRussian(std::u16string_view text);

// lowerRussian with ё and Ё as е: two spellings the lookup takes as one word.
std::u16string foldedRussian(std::u16string_view text);

}  // namespace orva
