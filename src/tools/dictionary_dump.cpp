// The dictionary dump.
#include "tools/dictionary_dump.h"

#include <cstdio>

#include "store/list_index.h"
#include "store/record_reader.h"
#include "text/utf.h"
#include "tools/field_rules.h"

namespace orva {

namespace {

std::string hexByte(uint8_t b) {
  char text[8];
  std::snprintf(text, sizeof text, "\\x%02X", b);
  return text;
}

// A field value as the parser reads it back to the same bytes. Whatever the
// parser would refuse as a character (dictionaries not made by the builder
// may hold it) is written as a raw byte.
std::string fieldValue(std::string_view bytes, const FieldRule& rule, bool headword) {
  const CodePage cp = codePageOf(rule.script);
  const char16_t marker = rule.script == FieldScript::Hebrew ? kHebrewMarker : kRussianMarker;
  size_t markers = 0;
  for (char b : bytes) markers += widenByte(cp, static_cast<uint8_t>(b)) == marker;
  const bool rawMarkers = headword || !rule.highlighted || markers % 2 != 0;
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<uint8_t>(bytes[i]);
    const char16_t ch = widenByte(cp, b);
    const bool atEdge = i == 0 || i + 1 == bytes.size();
    if (b == '\\') out += "\\\\";
    else if (b == ' ' && atEdge) out += "\\_";
    else if (b == '\t') out += "\\t";
    else if (b == '\n') out += "\\n";
    else if (b == '\r') out += "\\r";
    else if (b < 0x20 || b == 0x7F) out += hexByte(b);
    else if (rule.shown && (displayProblem(rule.script, ch) || (ch == marker && rawMarkers) ||
                            (ch == u'|' && rule.script == FieldScript::Hebrew) ||
                            (ch == u'<' && (rule.highlighted || headword))))
      out += hexByte(b);
    else out += utf16ToUtf8(std::u16string(1, ch));
  }
  return out;
}

bool namedAttributes(const std::array<uint8_t, kAttributeCount>& a) {
  return a[0] == 0 && a[1] == 0 && a[4] == 0 && a[kNumberAttribute] <= 2 && a[kGenderAttribute] <= 2 &&
         a[kConstructAttribute] <= 1;
}

}  // namespace

bool dumpDictionary(DictionaryFile& file, Direction direction, std::string& out, std::string& error) {
  out = "# Dictionary source (UTF-8), one field a line.\n";
  out += "direction " + std::string(directionName(direction)) + "\n";
  RecordBuffer buffer{};
  const uint32_t count = file.entryCount();
  for (uint32_t i = 0; i < count; ++i) {
    EntryRecord view{};
    const auto pos = readListRecordPos(file, i);
    if (!pos || !file.readRecord(*pos, buffer, view)) {
      error = "list entry " + std::to_string(i) + " cannot be read";
      return false;
    }
    out += "\nentry " + std::to_string(view.group()) + " " + std::to_string(view.formCode()) + "\n";
    for (int f = 0; f < kTextFieldCount; ++f) {
      if (view.field(f).empty()) continue;
      const FieldRule rule = fieldRule(direction, f);
      out += std::string(rule.keyword) + " " + fieldValue(view.field(f), rule, f == kHeadwordField) + "\n";
    }
    const auto& a = view.attributes;
    if (namedAttributes(a)) {
      static const char* const kNumber[] = {"", "sg", "pl"};
      static const char* const kGender[] = {"", "m", "f"};
      if (view.number()) out += std::string("number ") + kNumber[view.number()] + "\n";
      if (view.gender()) out += std::string("gender ") + kGender[view.gender()] + "\n";
      if (view.construct()) out += "construct yes\n";
    } else {
      out += "attributes";
      for (uint8_t b : a) {
        out += ' ';
        out += std::to_string(b);
      }
      out += "\n";
    }
  }
  return true;
}

}  // namespace orva
