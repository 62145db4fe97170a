// orvadict article: the exact page the viewer holds for an entry; and
// orvadict WORD: the same page as readable text for a terminal.
#include <unistd.h>

#include <iostream>

#include "article/article_page.h"
#include "morphology/lookup_hint_source.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "text/collation.h"
#include "text/typed_query.h"
#include "text/utf.h"
#include "tools/article_text.h"
#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/line_input.h"
#include "tools/visible_controls.h"

namespace orva {

namespace {

std::u16string lookedUpText(const std::string& argument) {
  const auto text = utf8ToUtf16(argument);
  if (!text || text->empty()) throw UsageError{"give a non-empty UTF-8 text to look up"};
  return *text;
}

// The article of list entry `index` and its headword as the file spells
// it; false when its record cannot be read.
bool articleOf(DictionaryFile& file, Direction direction, const DeviceSettings& device, uint32_t index,
               Article& article, std::string& headword) {
  RecordBuffer buffer{};
  EntryRecord record{};
  const auto pos = readListRecordPos(file, index);
  if (!pos || !file.readRecord(*pos, buffer, record)) return false;
  article = ComposeArticle(record, direction, device, file);
  headword = record.headword();
  return true;
}

std::optional<Direction> directionOfScript(std::u16string_view text) {
  for (char16_t ch : text) {
    if ((ch >= 0x0400 && ch <= 0x04FF)) return Direction::RussianHebrew;
    if (ch >= 0x0590 && ch <= 0x05FF) return Direction::HebrewRussian;
  }
  return std::nullopt;
}

}  // namespace

int runArticle(const CommandArgs& raw) {
  std::set<std::string> flags = kCommonValueFlags;
  flags.insert("--index");
  const Arguments args(raw, flags, {});
  const CommonOptions options = commonOptions(args);
  const auto index = args.number("--index");
  if (index.has_value() == (args.positional().size() == 1) || args.positional().size() > 1)
    throw UsageError{"give either --index N or the text to look up"};
  DictionaryFile file;
  openOrFail(file, options.dir, options.direction);

  uint64_t n = 0;
  if (index) {
    n = *index;
  } else {
    const TypedQuery query = makeTypedQuery(lookedUpText(args.positional()[0]), options.direction, options.device);
    const auto found = findTypedPrefix(query.view(), file, options.direction, options.device);
    if (!found) return kExitNotFound;
    n = *found;
  }
  Article article;
  std::string headword;
  if (n > UINT32_MAX ||
      !articleOf(file, options.direction, options.device, static_cast<uint32_t>(n), article, headword)) {
    std::cerr << "orvadict: entry " << n << " cannot be read\n";
    return kExitError;
  }
  // The page as the viewer holds it. Control characters a record may hold
  // are shown, never sent as such.
  std::cout << utf16ToUtf8(showControlCharacters(articleHtml(article), KeptLineEnds::CrLf));
  return kExitFound;
}

namespace {

// The article of `word` as `orvadict WORD` prints it, from the dictionary of
// the word's script unless a direction is given; the files are opened the
// first time they are needed. A headword that is the word answers first;
// then the lemma the word is a form of (after a line naming the relation);
// then the first headword that begins with the word. With `exact` only the
// last is tried. When nothing answers, `problem` says so and names the
// nearest headwords.
enum class WordResult { Found, NotFound, Refused };

struct ReadOptions {
  const CommonOptions& common;
  const DeviceSettings& device;
  bool html = false;
  bool color = false;
  bool exact = false;
  FileAccessMode access = kDefaultFileAccess;
};

// The analysers load their dictionaries only when a word is missed.
class LazyHints {
 public:
  LazyHints(DictionaryPair& files, const DeviceSettings& device) : files_(files), device_(device) {}
  LookupHint hintFor(Direction direction, std::u16string_view word) {
    if (!source_) source_ = makeLookupHintSource(files_, device_);
    return source_->hintFor(direction, word);
  }

 private:
  DictionaryPair& files_;
  const DeviceSettings& device_;
  std::unique_ptr<LookupHintSource> source_;
};

std::string suggestionList(const std::vector<HintTarget>& suggestions) {
  std::string list;
  for (const HintTarget& s : suggestions) list += (list.empty() ? "" : ", ") + utf16ToUtf8(s.headword);
  return list;
}

WordResult readWord(const std::string& argument, const ReadOptions& options, DictionaryPair& files, LazyHints& hints,
                    std::string& out, std::string& problem) {
  const auto word = utf8ToUtf16(argument);
  if (!word || word->empty()) {
    problem = "give a non-empty UTF-8 text to look up";
    return WordResult::Refused;
  }
  Direction direction = options.common.direction;
  if (!options.common.directionGiven) {
    const auto script = directionOfScript(*word);
    if (!script) {
      problem = "cannot tell the language of \"" + argument +
                "\"; type it in Russian or Hebrew letters, or give --direction ru-he|he-ru";
      return WordResult::Refused;
    }
    direction = *script;
  }
  const DeviceSettings& device = options.device;
  DictionaryFile& file = files.file(direction);
  reopenIfChangedOrFail(file, direction);
  if (!file.isOpen()) openOrFail(file, options.common.dir, direction, options.access);
  const TypedQuery query = makeTypedQuery(*word, direction, device);
  const auto found = findTypedPrefix(query.view(), file, direction, device);
  Article article;
  std::string headword;
  const bool read = found && articleOf(file, direction, device, *found, article, headword);
  // The entry found is the word when its headword begins with the query as
  // the lookup matches them (case, ё, a geresh or gershayim typed or not),
  // and is the word itself when nothing of the headword is left over.
  const bool hebrew = direction == Direction::HebrewRussian;
  const std::string searched = hebrew ? withoutHebrewQuotes(query.view()) : std::string(query.view());
  const auto isTheWord = [&](const std::string& h) {
    return headwordBeginsWith(h, searched, direction) &&
           (hebrew ? withoutHebrewQuotes(h) : h).size() == searched.size();
  };
  const bool begins = read && headwordBeginsWith(headword, searched, direction);
  const bool same = read && isTheWord(headword);

  std::string relationLine;
  if (!same && !options.exact) {
    const LookupHint hint = hints.hintFor(direction, *word);
    if (hint.kind == LookupHint::Kind::FormOf &&
        articleOf(file, direction, device, hint.lemma.listOrdinal, article, headword)) {
      // A word that only came with punctuation around it needs no line.
      if (!isTheWord(headword)) {
        relationLine = argument + " \xE2\x86\x92 " + utf16ToUtf8(showControlCharacters(hint.lemma.headword, KeptLineEnds::CrLf));
        if (!hint.relation.empty()) relationLine += " (" + utf16ToUtf8(hint.relation) + ")";
        relationLine += "\n";
      }
    } else if (!begins) {
      problem = "\"" + argument + "\" not found";
      if (!hint.suggestions.empty()) problem += "; nearest: " + suggestionList(hint.suggestions);
      return WordResult::NotFound;
    }
  } else if (!begins) {
    problem = "\"" + argument + "\" not found";
    return WordResult::NotFound;
  }
  // Control characters a record may hold are shown, never sent as such:
  // they would act on the terminal, or forge the form feed that ends an
  // answer of --stdin (the text rendering shows them itself). The HTML
  // stays the exact page; the relation then goes to stderr.
  if (options.html) {
    std::cerr << relationLine;
    out += utf16ToUtf8(showControlCharacters(articleHtml(article), KeptLineEnds::CrLf));
  } else {
    out += relationLine + articleAsText(article, options.color);
  }
  return WordResult::Found;
}

}  // namespace

int runRead(const CommandArgs& raw) {
  std::set<std::string> flags = kCommonValueFlags;
  flags.insert("--color");
  const Arguments args(raw, flags, {"--html", "--stdin", "--exact"});
  const CommonOptions options = commonOptions(args);
  const bool eachLine = args.has("--stdin");
  if (eachLine ? !args.positional().empty() : args.positional().size() != 1)
    throw UsageError{eachLine ? "--stdin reads the words from standard input" : "give one word to look up"};
  const std::string color = args.value("--color").value_or("auto");
  if (color != "auto" && color != "always" && color != "never")
    throw UsageError{"--color must be never, always or auto"};
  const bool useColor = color == "always" || (color == "auto" && ::isatty(STDOUT_FILENO));
  const bool html = args.has("--html");

  // The terminal shows Hebrew in logical order and does its own bidi.
  DeviceSettings device = options.device;
  device.language = kLanguageHebrew;

  DictionaryPair files;
  LazyHints hints(files, device);
  ReadOptions read{options, device, html, useColor, args.has("--exact"), kOneQueryFileAccess};
  std::string out, problem;
  if (!eachLine) {
    const WordResult result = readWord(args.positional()[0], read, files, hints, out, problem);
    if (result == WordResult::Refused) throw UsageError{problem};
    if (result == WordResult::NotFound) {
      std::cerr << "orvadict: " << problem << "\n";
      return kExitNotFound;
    }
    std::cout << out;
    return kExitFound;
  }
  // One word a line; each answer (empty when the word is not found) ends
  // with a line holding only a form feed.
  bool all = true;
  std::string line;
  read.access = kDefaultFileAccess;
  StdinLines input(out);
  while (input.next(line)) {
    if (readWord(line, read, files, hints, out, problem) != WordResult::Found) {
      all = false;
      std::cerr << "orvadict: " << problem << "\n";
    }
    out += "\f\n";
  }
  return all ? kExitFound : kExitNotFound;
}

}  // namespace orva
