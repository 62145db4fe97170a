// Grammar labels. The label texts are code page 1251 bytes converted by the
// same rule as record text, so they reach the page exactly as record text
// would.
#include "article/grammar_labels.h"

#include <charconv>
#include <string>
#include <string_view>

#include "text/display_text.h"

namespace orva {

namespace {

// The labels below are written in UTF-8 for the reader of this file and
// turned into code page 1251 bytes once.
std::string toCp1251(std::u8string_view utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<uint8_t>(utf8[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      continue;
    }
    // Two-byte sequences: Cyrillic U+0410..U+044F and ё.
    const unsigned cp = ((b & 0x1F) << 6) | (static_cast<uint8_t>(utf8[++i]) & 0x3F);
    out.push_back(static_cast<char>(cp == 0x451 ? 0xB8 : cp - 0x350));
  }
  return out;
}

std::u16string label(std::u8string_view utf8) { return Cp1251ToUnicode(toCp1251(utf8)); }

struct VerbLabel {
  int code;
  std::u8string_view text;
};

constexpr VerbLabel kVerbLabels[] = {
    {500, u8"инфинитив"},
    {501, u8"ед.ч., м/ж р., 1 л., прош. вр."},
    {502, u8"ед.ч., м/ж р., 2 л., прош. вр."},
    {505, u8"ед.ч., ж. р., 3 л., прош. вр."},
    {506, u8"мн.ч., м/ж р., 1 л., прош. вр."},
    {507, u8"мн.ч., м. р., 2 л., прош. вр."},
    {508, u8"мн.ч., ж. р., 2 л., прош. вр."},
    {509, u8"мн.ч., м/ж р., 3 л., прош. вр."},
    {511, u8"ед.ч., м/ж р., 1 л., буд. вр."},
    {512, u8"ед.ч., (м. р., 2 л. /ж.р.,3 л.), буд. вр."},
    {513, u8"ед.ч., ж. р., 2 л., буд. вр."},
    {514, u8"ед.ч., м. р., 3 л., буд. вр."},
    {516, u8"мн.ч., м/ж р., 1 л., буд. вр."},
    {517, u8"мн.ч., м/ж р., 2 л., буд. вр."},
    {519, u8"мн.ч., м/ж р., 3 л., буд. вр."},
    {521, u8"ед.ч., м. р., 1,2,3 л., наст. вр."},
    {522, u8"ед.ч., ж. р., 1,2,3 л., наст. вр."},
    {523, u8"мн.ч., м. р., 1,2,3 л., наст. вр."},
    {524, u8"мн.ч., ж. р., 1,2,3 л., наст. вр."},
    {531, u8"ед.ч., м. р., 2 л., повел. накл."},
    {532, u8"ед.ч., ж. р., 2 л., повел. накл."},
    {533, u8"мн.ч., м/ж. р., 2 л., повел. накл."},
};

}  // namespace

std::u16string NounNote(uint8_t number, uint8_t gender, uint8_t construct) {
  std::u16string note;
  if (number == 1) note += label(u8"ед. ч. ");
  if (number == 2) note += label(u8"мн. ч. ");
  if (gender == 1) note += label(u8"м. р. ");
  if (gender == 2) note += label(u8"ж. р. ");
  if (construct != 0) note += label(u8"смихут");
  return note;
}

std::u16string VerbFormLabel(int32_t entryId) {
  // The code is what the last three characters of the decimal id read as.
  const std::string digits = std::to_string(entryId);
  const std::string_view last = std::string_view(digits).substr(digits.size() > 3 ? digits.size() - 3 : 0);
  int code = 0;
  if (std::from_chars(last.data(), last.data() + last.size(), code).ec != std::errc()) return {};
  for (const VerbLabel& entry : kVerbLabels)
    if (entry.code == code) return label(entry.text);
  return {};
}

}  // namespace orva
