// Display conversions of record text.
#include "text/display_text.h"

#include <algorithm>

#include "text/code_pages.h"

namespace orva {

namespace {

std::string_view cutToConversionArea(std::string_view bytes) {
  return bytes.substr(0, std::min(bytes.size(), kMaxConvertedChars));
}

char16_t towardHebrew(char16_t ch) {
  if (ch <= 127) return ch;
  if (ch <= 255) return static_cast<char16_t>(ch + 1264);  // Latin-1 position
  if (ch == 1105) return 1448;                              // ё widened on a 1251 device
  if (ch >= 976 && ch <= 1399) return static_cast<char16_t>(ch + 416);  // Cyrillic position
  return ch;  // Hebrew already, or a character no rule covers
}

char16_t towardRussian(char16_t ch) {
  if (ch <= 127) return ch;
  if (ch == 184) return 1105;
  if (ch <= 255) return static_cast<char16_t>(ch + 848);
  if (ch >= 976 && ch <= 1399) return ch;
  if (ch == 1448) return 1105;
  if (ch > 1400) return static_cast<char16_t>(ch - 416);
  return ch;  // 256 to 975 and 1400: no rule
}

void replaceAll(std::u16string& text, char16_t from, char16_t to) {
  std::replace(text.begin(), text.end(), from, to);
}

}  // namespace

char16_t cp1251Unit(uint8_t byte) {
  if (byte <= 127) return byte;
  if (byte == 184) return 1105;
  return static_cast<char16_t>(byte + 848);
}

std::u16string Cp1251ToUnicode(std::string_view bytes) {
  bytes = cutToConversionArea(bytes);
  std::u16string out(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i) out[i] = cp1251Unit(static_cast<uint8_t>(bytes[i]));
  return out;
}

std::u16string WidenWithDeviceCodePage(std::string_view bytes, const DeviceSettings& device) {
  bytes = cutToConversionArea(bytes);
  std::u16string out(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i) out[i] = widenByte(device.codePage, static_cast<uint8_t>(bytes[i]));
  return out;
}

std::u16string NormalizeScript(std::u16string text, CodePage toward, const DeviceSettings& device) {
  if (text.size() > kMaxConvertedChars) text.resize(kMaxConvertedChars);
  if (toward == CodePage::Hebrew1255) {
    for (char16_t& ch : text) ch = towardHebrew(ch);
    if (!device.isHebrew()) ToVisualOrder(text);
  } else {
    for (char16_t& ch : text) ch = towardRussian(ch);
  }
  return text;
}

void ToVisualOrder(std::u16string& text) {
  std::reverse(text.begin(), text.end());
  // Six replace-every-occurrence steps, in this order.
  replaceAll(text, u'[', u'|');
  replaceAll(text, u']', u'[');
  replaceAll(text, u'|', u']');
  replaceAll(text, u'(', u'|');
  replaceAll(text, u')', u'(');
  replaceAll(text, u'|', u')');
}

std::u16string RussianDisplayText(std::string_view bytes, const DeviceSettings& device) {
  return NormalizeScript(Cp1251ToUnicode(bytes), CodePage::Cyrillic1251, device);
}

std::u16string HebrewDisplayText(std::string_view bytes, const DeviceSettings& device) {
  return NormalizeScript(WidenWithDeviceCodePage(bytes, device), CodePage::Hebrew1255, device);
}

}  // namespace orva
