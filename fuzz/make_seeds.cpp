// Writes a seed corpus for every harness from the example vocabulary and the
// builder's output: small dictionaries of a few entries each (and the whole
// example pair), the headwords as typed text, the record texts, and pieces of
// the source files.
//   fuzz_make_seeds OUT_DIR  ->  OUT_DIR/{dictionary_file,typed_text,record_text,source_format}/
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "text/code_pages.h"
#include "text/utf.h"
#include "tools/dictionary_builder.h"
#include "tools/field_rules.h"
#include "tools/source_parser.h"

namespace orva::fuzz {
namespace {

namespace fs = std::filesystem;

class Corpus {
 public:
  Corpus(const fs::path& root, const char* name) : dir_(root / name) { fs::create_directories(dir_); }

  void add(uint8_t selector, const std::vector<uint8_t>& body) {
    std::ofstream out(dir_ / ("seed-" + std::to_string(count_++)), std::ios::binary);
    out.put(static_cast<char>(selector));
    out.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
  }
  void add(uint8_t selector, std::string_view body) { add(selector, std::vector<uint8_t>(body.begin(), body.end())); }
  void addUnits(uint8_t selector, std::u16string_view units) {
    std::vector<uint8_t> body;
    for (char16_t u : units) {
      body.push_back(static_cast<uint8_t>(u));
      body.push_back(static_cast<uint8_t>(u >> 8));
    }
    add(selector, body);
  }
  size_t size() const { return count_; }

 private:
  fs::path dir_;
  size_t count_ = 0;
};

std::vector<SourceEntry> exampleEntries(Direction direction) {
  ParseResult parsed;
  parseSource(exampleSource(direction), "example.src", direction, parsed);
  return parsed.entries;
}

// The source text split at its entry lines.
std::vector<std::string> sourceEntries(const std::string& source) {
  std::vector<std::string> pieces;
  size_t start = source.find("\nentry ");
  while (start != std::string::npos) {
    const size_t next = source.find("\nentry ", start + 1);
    pieces.push_back(source.substr(start + 1, next == std::string::npos ? std::string::npos : next - start - 1));
    start = next;
  }
  return pieces;
}

std::u16string widen(std::string_view bytes, CodePage cp) {
  std::u16string out;
  for (char b : bytes) out += widenByte(cp, static_cast<uint8_t>(b));
  return out;
}

}  // namespace
}  // namespace orva::fuzz

int main(int argc, char** argv) {
  using namespace orva;
  using namespace orva::fuzz;
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds OUT_DIR\n");
    return 2;
  }
  const fs::path root = argv[1];
  Corpus dictionaries(root, "dictionary_file");
  Corpus typed(root, "typed_text");
  Corpus texts(root, "record_text");
  Corpus sources(root, "source_format");

  for (Direction direction : {Direction::HebrewRussian, Direction::RussianHebrew}) {
    const uint8_t dirBit = direction == Direction::RussianHebrew ? 1 : 0;
    const CodePage headwordPage = direction == Direction::RussianHebrew ? CodePage::Cyrillic1251 : CodePage::Hebrew1255;
    const std::vector<SourceEntry> entries = exampleEntries(direction);

    // Dictionaries: the whole example, and runs of five entries (groups stay
    // together often enough for the related forms to be listed).
    for (uint8_t device = 0; device < 9; device += 4) dictionaries.add(static_cast<uint8_t>(dirBit | device << 1), exampleDictionary(direction));
    for (size_t first = 0; first < entries.size(); first += 5) {
      std::vector<SourceEntry> run(entries.begin() + static_cast<std::ptrdiff_t>(first),
                                   entries.begin() + static_cast<std::ptrdiff_t>(std::min(first + 5, entries.size())));
      std::vector<uint8_t> bytes;
      std::string error;
      if (buildDictionary(direction, run, bytes, error))
        dictionaries.add(static_cast<uint8_t>(dirBit | ((first / 5) % 9) << 1), bytes);
    }
    dictionaries.add(dirBit, std::vector<uint8_t>(31, 0));

    // Typed text: every headword, in both orders, on several devices.
    for (size_t i = 0; i < entries.size(); ++i) {
      const std::u16string word = widen(entries[i].fields[kHeadwordField], headwordPage);
      const auto device = static_cast<uint8_t>(i % 9);
      typed.addUnits(static_cast<uint8_t>(dirBit | device << 1), word);
      if (direction == Direction::HebrewRussian)
        typed.addUnits(static_cast<uint8_t>(dirBit | device << 1), std::u16string(word.rbegin(), word.rend()));
    }
    typed.addUnits(dirBit, std::u16string(10000, u'\u05D0'));
    // Bidi marks, an unpaired high and low surrogate and a NUL among letters.
    const std::u16string hostile = {u'\u200F', u'\u05E9', u'\u05DC', u'\u202E', char16_t{0xD800},
                                    u'\u05D5', u'\0',     u'\u05DD', char16_t{0xDC00}};
    typed.addUnits(dirBit, hostile);

    // Record texts: every non-empty field as code-page bytes, and the shown
    // fields as UTF-16 with their markers.
    for (size_t i = 0; i < entries.size(); ++i) {
      for (size_t f = 0; f < entries[i].fields.size(); ++f) {
        const std::string& field = entries[i].fields[f];
        if (field.empty()) continue;
        const auto device = static_cast<uint8_t>((i + f) % 9);
        texts.add(device, field);
        texts.addUnits(device, widen(field, codePageOf(fieldRule(direction, static_cast<int>(f)).script)));
      }
    }

    // Sources: the whole file and each entry on its own.
    const std::string source = exampleSource(direction);
    sources.add(dirBit, source);
    for (const std::string& piece : sourceEntries(source)) sources.add(dirBit, piece);
  }
  texts.addUnits(0, u"<font color=red>\u05D0\u05BE\u05D1</font>|x|<");

  std::printf("seeds: %zu dictionaries, %zu typed texts, %zu record texts, %zu sources\n", dictionaries.size(),
              typed.size(), texts.size(), sources.size());
  return 0;
}
