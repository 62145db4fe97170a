// orvadict generate: a synthetic dictionary source of any size, for
// measuring the program and for tests that need many entries.
#include <cstdio>
#include <iostream>

#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/synthetic_source.h"

namespace orva {

namespace {

// Enough for any dictionary whose records fit the format's 4 GiB.
constexpr uint64_t kMaxGeneratedEntries = 20'000'000;

}  // namespace

int runGenerate(const CommandArgs& raw) {
  const Arguments args(raw, {"--direction", "--entries", "--seed", "-o", "--output"}, {});
  if (!args.positional().empty()) throw UsageError{"generate takes no positional arguments"};
  const Direction direction = requiredDirection(args);
  const auto entries = args.number("--entries");
  if (!entries || *entries == 0 || *entries > kMaxGeneratedEntries)
    throw UsageError{"--entries N is required, 1 to " + std::to_string(kMaxGeneratedEntries)};
  const uint64_t seed = args.number("--seed").value_or(1);
  const auto output = args.value("-o") ? args.value("-o") : args.value("--output");
  if (!output) throw UsageError{"-o SOURCE is required (- for standard output)"};

  const bool toStdout = *output == "-";
  std::FILE* out = toStdout ? stdout : std::fopen(output->c_str(), "wb");
  if (out == nullptr) throw UsageError{"cannot write " + *output};
  bool ok = true;
  generateSource(direction, static_cast<uint32_t>(*entries), seed, [&](std::string_view piece) {
    ok = ok && std::fwrite(piece.data(), 1, piece.size(), out) == piece.size();
  });
  ok = std::fflush(out) == 0 && ok;
  if (!toStdout) ok = std::fclose(out) == 0 && ok;
  if (!ok) {
    std::cerr << "orvadict: writing " << *output << " failed\n";
    if (!toStdout) std::remove(output->c_str());
    return kExitError;
  }
  return 0;
}

}  // namespace orva
