// The StarDict export.
#include "tools/stardict_export.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "article/article_page.h"
#include "store/byte_order.h"
#include "store/list_index.h"
#include "store/record_reader.h"
#include "text/utf.h"
#include "tools/article_text.h"
#include "tools/dictionary_builder.h"
#include "tools/visible_controls.h"

namespace orva {

namespace {

// A word of the index: its text and where its article lies in the .dict.
struct IndexWord {
  std::string word;
  uint32_t offset;
  uint32_t size;
};

// Longest word the format allows, in bytes, without its terminator.
constexpr size_t kMaxWordBytes = 255;

// The most article text an export writes per byte of the dictionary, with a
// floor for small files. A record's article text grows by its labels and,
// in Hebrew-Russian, by the related forms of its group, which every form of
// the group lists again; a valid dictionary stays far below this, while a
// made-up file of rows and groups that point at each other is refused
// before it fills the disk.
constexpr uint64_t kOutputPerInputByte = 64;
constexpr uint64_t kMinOutputLimit = uint64_t{64} << 20;

uint8_t asciiLower(uint8_t c) { return c >= 'A' && c <= 'Z' ? static_cast<uint8_t>(c + 32) : c; }

void appendBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

bool starDictLess(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const uint8_t x = asciiLower(static_cast<uint8_t>(a[i])), y = asciiLower(static_cast<uint8_t>(b[i]));
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return static_cast<uint8_t>(x) < static_cast<uint8_t>(y); });
}

uint64_t starDictOutputLimit(uint64_t fileSize) {
  return std::max<uint64_t>(kMinOutputLimit, fileSize * kOutputPerInputByte);
}

bool exportStarDict(DictionaryFile& file, Direction direction, const std::string& dir, const std::string& name,
                    StarDictSummary& summary, std::string& error, uint64_t outputLimit) {
  summary = {};
  const std::string base = dir + "/" + name;
  // Hebrew in logical order, as a terminal or another program expects it.
  const DeviceSettings device{kLanguageHebrew, CodePage::Hebrew1255};

  // Everything is checked against what the file holds before anything is
  // written: the entry count of the header may be made up.
  const uint32_t count = file.entryCount();
  const uint32_t held = heldListEntries(file);
  if (held < count) {
    error = "the file is damaged: its list index ends after " + std::to_string(held) + " of the " +
            std::to_string(count) + " entries its header claims";
    return false;
  }
  // Each entry has its own record. Rows that lead to one record again and
  // again would make the export repeat that record's article (with its
  // whole group of related forms) without bound.
  std::vector<uint32_t> positions;
  positions.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const auto pos = readListRecordPos(file, i);
    if (!pos) {
      error = "list entry " + std::to_string(i) + " cannot be read";
      return false;
    }
    positions.push_back(*pos);
  }
  std::sort(positions.begin(), positions.end());
  if (std::adjacent_find(positions.begin(), positions.end()) != positions.end()) {
    error = "the file is damaged: two list entries lead to the same record";
    return false;
  }
  positions = {};
  if (outputLimit == 0) outputLimit = starDictOutputLimit(file.handle.size());

  const std::string dictTemp = base + ".dict.tmp";
  std::FILE* dict = std::fopen(dictTemp.c_str(), "wb");
  if (dict == nullptr) {
    error = "cannot write " + dictTemp;
    return false;
  }
  // The temporary file goes whichever way this ends, an exception included.
  struct RemoveUnlessRenamed {
    const std::string& path;
    std::FILE*& stream;
    bool renamed = false;
    ~RemoveUnlessRenamed() {
      if (stream != nullptr) std::fclose(stream);
      if (!renamed) std::remove(path.c_str());
    }
  } guard{dictTemp, dict};
  const auto fail = [&](std::string message) {
    error = std::move(message);
    return false;
  };

  std::vector<IndexWord> words;
  words.reserve(count);
  RecordBuffer buffer{};
  uint64_t offset = 0;
  for (uint32_t i = 0; i < count; ++i) {
    EntryRecord record{};
    const auto pos = readListRecordPos(file, i);
    if (!pos || !file.readRecord(*pos, buffer, record))
      return fail("list entry " + std::to_string(i) + " cannot be read");
    // Control characters are shown, as orvadict shows them on a terminal.
    std::string word = utf16ToUtf8(showControlCharacters(WordBoxText(record, direction, device), KeptLineEnds::None));
    if (word.empty() || word.size() > kMaxWordBytes || word.find('\0') != std::string::npos) {
      ++summary.skipped;
      continue;
    }
    const std::string text = articleAsText(ComposeArticle(record, direction, device, file), false);
    if (offset + text.size() > UINT32_MAX) return fail("the articles do not fit the format's 4 GiB");
    if (offset + text.size() > outputLimit)
      return fail("the file is damaged: its articles would be over " + std::to_string(outputLimit) + " bytes");
    if (std::fwrite(text.data(), 1, text.size(), dict) != text.size()) return fail("cannot write " + dictTemp);
    words.push_back({std::move(word), static_cast<uint32_t>(offset), static_cast<uint32_t>(text.size())});
    offset += text.size();
  }
  const int closed = std::fclose(dict);
  dict = nullptr;
  if (closed != 0) return fail("cannot write " + dictTemp);

  std::stable_sort(words.begin(), words.end(),
                   [](const IndexWord& a, const IndexWord& b) { return starDictLess(a.word, b.word); });
  std::vector<uint8_t> idx;
  for (const IndexWord& w : words) {
    idx.insert(idx.end(), w.word.begin(), w.word.end());
    idx.push_back(0);
    appendBigEndian32(idx, w.offset);
    appendBigEndian32(idx, w.size);
  }
  const std::string title = direction == Direction::RussianHebrew ? "Russian-Hebrew" : "Hebrew-Russian";
  const std::string ifo = "StarDict's dict ifo file\nversion=2.4.2\nbookname=ORVA Pocket " + title +
                          "\nwordcount=" + std::to_string(words.size()) +
                          "\nidxfilesize=" + std::to_string(idx.size()) + "\nsametypesequence=m\n";
  // The .ifo comes last: a reader that finds it finds the other two.
  if (std::rename(dictTemp.c_str(), (base + ".dict").c_str()) != 0) return fail("cannot rename " + dictTemp);
  guard.renamed = true;
  if (!writeFileAtomically(base + ".idx", idx, error) ||
      !writeFileAtomically(base + ".ifo", std::vector<uint8_t>(ifo.begin(), ifo.end()), error))
    return false;
  summary.words = static_cast<uint32_t>(words.size());
  return true;
}

}  // namespace orva
