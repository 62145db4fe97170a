// The source-format parser and its checks.
#include "tools/source_parser.h"

#include <charconv>
#include <map>
#include <optional>

#include "text/code_pages.h"
#include "text/utf.h"
#include "tools/field_rules.h"

namespace orva {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string quoted(std::string_view text) {
  std::string out = "\"";
  out += text;
  out += '"';
  return out;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (isBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::optional<uint32_t> parseNumber(std::string_view s, uint32_t max) {
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size() || s.empty() || value > max) return std::nullopt;
  return value;
}

std::vector<std::string_view> splitBlanks(std::string_view s) {
  std::vector<std::string_view> parts;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && isBlank(s[i])) ++i;
    size_t j = i;
    while (j < s.size() && !isBlank(s[j])) ++j;
    if (j > i) parts.push_back(s.substr(i, j - i));
    i = j;
  }
  return parts;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One piece of a value: a character to encode, or a raw byte from an escape.
struct Piece {
  bool raw;
  char16_t ch;
  uint8_t byte;
};

class Parser {
 public:
  Parser(const std::string& fileName, Direction direction, ParseResult& result)
      : fileName_(fileName), direction_(direction), result_(result) {}

  void parse(std::string_view text) {
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      ++line_;
      parseLine(text.substr(start, end - start));
      start = end + 1;
    }
    finishEntry();
  }

 private:
  void problem(const std::string& message) { problemAt(line_, message); }
  void problemAt(int line, const std::string& message) {
    result_.problems.push_back(fileName_ + ":" + std::to_string(line) + ": " + message);
  }

  void parseLine(std::string_view raw) {
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == '#') return;
    size_t split = 0;
    while (split < line.size() && !isBlank(line[split])) ++split;
    const std::string_view keyword = line.substr(0, split);
    const std::string_view value = trim(line.substr(split));

    if (keyword == "direction") return parseDirection(value);
    if (keyword == "entry") return startEntry(value);
    if (!current_ && skipping_) return;  // the entry line was already reported
    if (!current_) return problem(quoted(keyword) + " outside an entry; start one with \"entry GROUP FORM\"");
    if (keyword == "number" || keyword == "gender" || keyword == "construct") return parseNamedAttribute(keyword, value);
    if (keyword == "attributes") return parseAttributes(value);
    for (int i = 0; i < kTextFieldCount; ++i)
      if (keyword == fieldRule(direction_, i).keyword) return parseField(i, value);
    problem("unknown keyword \"" + std::string(keyword) + "\"");
  }

  void parseDirection(std::string_view value) {
    if (current_ || sawEntry_) return problem("\"direction\" must come before the first entry");
    if (!orva::parseDirection(value)) return problem("direction must be ru-he or he-ru");
    if (value != directionName(direction_))
      problem("this file is for " + std::string(value) + ", but the dictionary being built is " +
              std::string(directionName(direction_)));
  }

  void startEntry(std::string_view value) {
    finishEntry();
    sawEntry_ = true;
    const auto parts = splitBlanks(value);
    std::optional<uint32_t> group, form;
    if (parts.size() == 2) {
      group = parseNumber(parts[0], kMaxGroup);
      form = parseNumber(parts[1], kMaxFormCode);
    }
    if (!group || !form) {
      problem("an entry line is \"entry GROUP FORM\" with GROUP 0 to 2147482 and FORM 0 to 999");
      current_.reset();
      skipping_ = true;
      return;
    }
    skipping_ = false;
    current_ = SourceEntry{};
    current_->group = *group;
    current_->formCode = *form;
    current_->file = fileName_;
    current_->line = line_;
    seen_.clear();
  }

  void finishEntry() {
    if (!current_) return;
    if (current_->fields[kHeadwordField].empty() && !seen_.count("headword")) {
      problemAt(current_->line, "entry " + std::to_string(current_->group) + " " +
                                    std::to_string(current_->formCode) + " has no headword");
    }
    size_t size = 2 + kRecordTrailerSize;
    for (const auto& f : current_->fields) size += f.size() + 1;
    if (size > kRecordBufferSize) {
      problemAt(current_->line, "the entry takes " + std::to_string(size) +
                                    " bytes; a record must fit in " + std::to_string(kRecordBufferSize));
    }
    result_.entries.push_back(std::move(*current_));
    current_.reset();
  }

  bool once(std::string_view keyword) {
    if (!seen_.emplace(std::string(keyword), line_).second) {
      problem(quoted(keyword) + " given twice in one entry");
      return false;
    }
    return true;
  }

  void parseNamedAttribute(std::string_view keyword, std::string_view value) {
    if (!once(keyword)) return;
    std::optional<uint32_t> number;
    if (keyword == "number") number = value == "sg" ? 1u : value == "pl" ? 2u : parseNumber(value, 255);
    if (keyword == "gender") number = value == "m" ? 1u : value == "f" ? 2u : parseNumber(value, 255);
    if (keyword == "construct") number = value == "yes" ? 1u : value == "no" ? 0u : parseNumber(value, 255);
    if (!number) return problem("bad value \"" + std::string(value) + "\" for " + std::string(keyword));
    const int index = keyword == "number" ? kNumberAttribute : keyword == "gender" ? kGenderAttribute : kConstructAttribute;
    current_->attributes[index] = static_cast<uint8_t>(*number);
  }

  void parseAttributes(std::string_view value) {
    if (!once("attributes")) return;
    const auto parts = splitBlanks(value);
    if (parts.size() != kAttributeCount) return problem("attributes takes six numbers from 0 to 255");
    for (int i = 0; i < kAttributeCount; ++i) {
      const auto n = parseNumber(parts[i], 255);
      if (!n) return problem("attributes takes six numbers from 0 to 255");
      current_->attributes[i] = static_cast<uint8_t>(*n);
    }
  }

  std::optional<std::vector<Piece>> unescape(std::string_view value) {
    std::vector<Piece> pieces;
    size_t i = 0;
    while (i < value.size()) {
      if (value[i] == '\\') {
        const char next = i + 1 < value.size() ? value[i + 1] : '\0';
        switch (next) {
          case '\\': pieces.push_back({false, u'\\', 0}); i += 2; continue;
          case '_': pieces.push_back({false, u' ', 0}); i += 2; continue;
          case 't': pieces.push_back({true, 0, '\t'}); i += 2; continue;
          case 'n': pieces.push_back({true, 0, '\n'}); i += 2; continue;
          case 'r': pieces.push_back({true, 0, '\r'}); i += 2; continue;
          case 'x': {
            const int hi = i + 2 < value.size() ? hexValue(value[i + 2]) : -1;
            const int lo = i + 3 < value.size() ? hexValue(value[i + 3]) : -1;
            if (hi < 0 || lo < 0) {
              problem("\\x takes two hexadecimal digits");
              return std::nullopt;
            }
            pieces.push_back({true, 0, static_cast<uint8_t>(hi * 16 + lo)});
            i += 4;
            continue;
          }
          default:
            problem("unknown escape; write \\\\ for a backslash");
            return std::nullopt;
        }
      }
      size_t j = i + 1;
      while (j < value.size() && (static_cast<uint8_t>(value[j]) & 0xC0) == 0x80) ++j;
      const auto decoded = utf8ToUtf16(value.substr(i, j - i));
      if (!decoded) {
        problem("the text is not valid UTF-8");
        return std::nullopt;
      }
      for (char16_t ch : *decoded) pieces.push_back({false, ch, 0});
      i = j;
    }
    return pieces;
  }

  void parseField(int index, std::string_view value) {
    const FieldRule rule = fieldRule(direction_, index);
    if (!once(rule.keyword)) return;
    if (index == 0 && value.empty()) return problem("headword is empty");
    const auto pieces = unescape(value);
    if (!pieces) return;
    const CodePage cp = codePageOf(rule.script);
    const char16_t marker = rule.script == FieldScript::Hebrew ? kHebrewMarker : kRussianMarker;
    std::string bytes;
    int markers = 0;
    for (const Piece& piece : *pieces) {
      if (piece.raw) {
        if (piece.byte == 0) return problem("a text cannot hold the byte 0");
        // A shown text reaches terminals too, where a control character
        // would act (clear the screen, retitle the window, write the
        // clipboard) instead of being shown.
        if (rule.shown && showsAsControl(rule.script, piece.byte))
          return problem(std::string(rule.keyword) + ": a shown text cannot hold a control character");
        bytes.push_back(static_cast<char>(piece.byte));
        continue;
      }
      const char16_t ch = piece.ch;
      // Texts are NUL-terminated in the record: a NUL inside one would end
      // it early and shift every field after it.
      if (ch == 0) return problem(std::string(rule.keyword) + ": a text cannot hold the character U+0000");
      if (rule.shown) {
        if (isControlCharacter(ch))
          return problem(std::string(rule.keyword) + ": a shown text cannot hold a control character");
        if (const auto issue = displayProblem(rule.script, ch)) return problem(std::string(rule.keyword) + ": " + *issue);
        if (rule.script == FieldScript::Hebrew && ch == u'|')
          return problem(std::string(rule.keyword) +
                         ": \"|\" in Hebrew text shows as \"]\" where the language is not Hebrew; "
                         "mark highlights with \"\u05BE\" (U+05BE)");
        if (ch == marker && index == 0) return problem("headword: highlight markers belong in \"display\"");
        if (ch == u'<' && (rule.highlighted || index == 0))
          return problem(std::string(rule.keyword) + ": \"<\" would be taken for a tag; write &lt;");
        if (ch == marker && rule.highlighted) ++markers;
      }
      const auto byte = narrowUnit(cp, ch);
      if (!byte) return problem(std::string(rule.keyword) + ": " + *displayProblem(rule.script, ch));
      bytes.push_back(static_cast<char>(*byte));
    }
    if (markers % 2 != 0)
      return problem(std::string(rule.keyword) + ": highlight markers come in pairs; this text has " +
                     std::to_string(markers));
    // A shown text goes into the article page as it is: it may carry only
    // the tags the pages use, whether written as characters or as escapes.
    if (rule.shown) {
      if (const auto issue = markupProblem(rule.script, bytes))
        return problem(std::string(rule.keyword) + ": " + *issue);
    }
    current_->fields[index] = std::move(bytes);
  }

  const std::string& fileName_;
  Direction direction_;
  ParseResult& result_;
  int line_ = 0;
  bool sawEntry_ = false;
  bool skipping_ = false;
  std::optional<SourceEntry> current_;
  std::map<std::string, int> seen_;
};

}  // namespace

void parseSource(std::string_view text, const std::string& fileName, Direction direction, ParseResult& result) {
  Parser(fileName, direction, result).parse(text);
}

void checkEntrySet(ParseResult& result) {
  std::map<uint32_t, const SourceEntry*> byId;
  for (const SourceEntry& entry : result.entries) {
    const auto [it, inserted] = byId.emplace(entry.entryId(), &entry);
    if (!inserted) {
      result.problems.push_back(entry.file + ":" + std::to_string(entry.line) + ": entry " +
                                std::to_string(entry.group) + " " + std::to_string(entry.formCode) +
                                " is given twice (first at " + it->second->file + ":" +
                                std::to_string(it->second->line) + ")");
    }
  }
}

}  // namespace orva
