// The builder's source format as input: the first byte picks the direction,
// the rest is one source file. Whatever the parser accepts must build into
// a dictionary that checks clean, and its dump must parse and build back to
// the same bytes.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "tools/dictionary_builder.h"
#include "tools/dictionary_checker.h"
#include "tools/dictionary_dump.h"
#include "tools/source_parser.h"

namespace orva::fuzz {
namespace {

bool parse(std::string_view text, Direction direction, std::vector<SourceEntry>& entries) {
  ParseResult parsed;
  parseSource(text, "fuzz.src", direction, parsed);
  checkEntrySet(parsed);
  for (const std::string& problem : parsed.problems)
    if (problem.rfind("fuzz.src:", 0) != 0) fail("a problem without file and line");
  if (!parsed.problems.empty()) return false;
  entries = std::move(parsed.entries);
  return true;
}

}  // namespace
}  // namespace orva::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orva;
  using namespace orva::fuzz;
  if (size < 1) return 0;
  const Direction direction = directionFromByte(data[0]);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  std::vector<SourceEntry> entries;
  if (!parse(text, direction, entries)) return 0;
  std::vector<uint8_t> bytes;
  std::string error;
  if (!buildDictionary(direction, std::move(entries), bytes, error)) fail("a parsed source did not build");

  static MemoryFile memory("built");
  DictionaryFile file;
  if (!memory.load(bytes, file)) fail("a built dictionary does not open");
  const auto problems = checkDictionary(file, direction);
  if (!problems.empty()) fail(("a built dictionary does not check clean: " + problems.front()).c_str());

  std::string dumped;
  if (!dumpDictionary(file, direction, dumped, error)) fail("a built dictionary does not dump");
  std::vector<SourceEntry> again;
  if (!parse(dumped, direction, again)) fail("a dump does not parse");
  std::vector<uint8_t> rebuilt;
  if (!buildDictionary(direction, std::move(again), rebuilt, error) || rebuilt != bytes)
    fail("a dump does not build back to the same file");
  return 0;
}
