// orvadict find / list: the lookup and the headword list of the window, on
// the command line.
#include <algorithm>
#include <iostream>

#include "store/list_index.h"
#include "store/prefix_search.h"
#include "store/record_reader.h"
#include "text/display_text.h"
#include "text/typed_query.h"
#include "text/utf.h"
#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/line_input.h"
#include "tools/visible_controls.h"

namespace orva {

namespace {

std::u16string typedText(const std::string& argument) {
  const auto text = utf8ToUtf16(argument);
  if (!text) throw UsageError{"the text is not valid UTF-8"};
  if (text->empty()) throw UsageError{"the text is empty"};
  return *text;
}

}  // namespace

// find --stdin: one text a line, one answer a line (the list number, or "-"
// when nothing is found or the line is not valid UTF-8 text).
int findEachLine(const CommonOptions& options) {
  DictionaryFile file;
  openOrFail(file, options.dir, options.direction);
  std::string out, line;
  StdinLines input(out);
  while (input.next(line)) {
    reopenIfChangedOrFail(file, options.direction);
    const auto typed = utf8ToUtf16(line);
    std::optional<uint32_t> found;
    if (typed && !typed->empty()) {
      const TypedQuery query = makeTypedQuery(*typed, options.direction, options.device);
      found = findTypedPrefix(query.view(), file, options.direction, options.device);
    }
    out += found ? std::to_string(*found) : "-";
    out += '\n';
  }
  return kExitFound;
}

int runFind(const CommandArgs& raw) {
  const Arguments args(raw, kCommonValueFlags, {"--stdin"});
  const CommonOptions options = commonOptions(args);
  if (args.has("--stdin")) {
    if (!args.positional().empty()) throw UsageError{"find --stdin reads the texts from standard input"};
    return findEachLine(options);
  }
  if (args.positional().size() != 1) throw UsageError{"give the text to look up"};
  const std::u16string typed = typedText(args.positional()[0]);
  DictionaryFile file;
  openOrFail(file, options.dir, options.direction, kOneQueryFileAccess);
  const TypedQuery query = makeTypedQuery(typed, options.direction, options.device);
  const auto found = findTypedPrefix(query.view(), file, options.direction, options.device);
  if (!found) return kExitNotFound;
  std::cout << *found << "\n";
  return kExitFound;
}

int runList(const CommandArgs& raw) {
  std::set<std::string> flags = kCommonValueFlags;
  flags.insert({"--from", "--count"});
  const Arguments args(raw, flags, {});
  const CommonOptions options = commonOptions(args);
  if (!args.positional().empty()) throw UsageError{"list takes no text"};
  DictionaryFile file;
  openOrFail(file, options.dir, options.direction);
  const uint64_t total = file.entryCount();
  const uint64_t from = args.number("--from").value_or(0);
  const uint64_t count = args.number("--count").value_or(total);
  const uint64_t end = from >= total ? from : std::min(total, from + std::min(count, total));
  // The rows stop where the file's list index ends, however many entries
  // its header claims.
  const uint64_t held = heldListEntries(file);
  RecordBuffer buffer{};
  std::string out;
  for (uint64_t i = from; i < std::min(end, held); ++i) {
    EntryRecord view{};
    std::u16string text;
    const auto pos = readListRecordPos(file, static_cast<uint32_t>(i));
    if (pos && file.readRecord(*pos, buffer, view)) {
      text = options.direction == Direction::RussianHebrew ? RussianDisplayText(view.headword(), options.device)
                                                           : HebrewDisplayText(view.headword(), options.device);
    }
    // A headword's control characters are shown: they would act on the
    // terminal, or forge the tab and line feed of the rows.
    out += std::to_string(i) + "\t" + utf16ToUtf8(showControlCharacters(text, KeptLineEnds::None)) + "\n";
    if (out.size() > (1 << 16)) {
      std::cout << out;
      out.clear();
    }
  }
  std::cout << out;
  if (std::min(end, total) > held) {
    std::cout.flush();
    std::cerr << "orvadict: the file is damaged: its list index ends after " << held << " of the " << total
              << " entries its header claims\n";
    return kExitError;
  }
  return 0;
}

}  // namespace orva
