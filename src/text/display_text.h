// Turning record texts into the UTF-16 strings that reach the screen:
// code page 1251 for Russian, the device's code page for Hebrew, moving
// letters back into their script, and visual order for Hebrew on devices
// whose language is not Hebrew.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/device_settings.h"

namespace orva {

// Conversions work in an area of 2048 UTF-16 units, the terminating zero
// included: longer texts are cut to 2047 characters.
inline constexpr size_t kConversionBufferChars = 2048;
inline constexpr size_t kMaxConvertedChars = kConversionBufferChars - 1;

// Code page 1251 by a fixed rule, independent of the device: ASCII stays,
// 0xB8 is ё, every other byte from 0x80 up is shifted by 0x350.
char16_t cp1251Unit(uint8_t byte);
std::u16string Cp1251ToUnicode(std::string_view bytes);

// The device's ordinary narrow-to-wide conversion, one unit per byte.
std::u16string WidenWithDeviceCodePage(std::string_view bytes, const DeviceSettings& device);

// Moves letters that were widened through another code page back into the
// Hebrew block (toward 1255) or the Cyrillic block (toward 1251). Toward
// 1255 the result is in visual order unless the device language is Hebrew.
std::u16string NormalizeScript(std::u16string text, CodePage toward, const DeviceSettings& device);

// Reverses the string and swaps the sides of square brackets and
// parentheses; a "|" ends up as "]".
void ToVisualOrder(std::u16string& text);

// Every record text reaches the screen through one of these two.
std::u16string RussianDisplayText(std::string_view bytes, const DeviceSettings& device);
std::u16string HebrewDisplayText(std::string_view bytes, const DeviceSettings& device);

}  // namespace orva
