// Calling hspell: loading its dictionary once and collecting the readings of
// a word. hspell (its library and dictionary) is licensed AGPL-3.0; this
// program, GPL-3.0-or-later, is combined with it under section 13 of the
// GPL version 3.
#include "morphology/hspell_readings.h"

#include <array>
#include <fstream>
#include <mutex>

extern "C" {
#include <hspell.h>
#include <linginfo.h>
}

namespace orva {

namespace {

struct HspellState {
  std::mutex mutex;
  bool tried = false;
  bool loaded = false;
  std::string path;
  dict_radix* dictionary = nullptr;
  std::vector<HspellReading>* collecting = nullptr;  // set while a word is split
};

HspellState& state() {
  static HspellState s;
  return s;
}

bool readable(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return file.good();
}

// hspell reports a missing file on stderr; a dictionary whose files are not
// all there is refused before hspell is asked to load it.
bool dictionaryFilesPresent(const std::string& path) {
  for (const char* suffix : {"", ".sizes", ".prefixes", ".desc", ".stems"}) {
    if (!readable(path + suffix)) return false;
  }
  return true;
}

bool load(HspellState& s, const std::string& path) {
  s.tried = true;
  s.path = path;
  if (!dictionaryFilesPresent(path)) return false;
  // hspell keeps the pointer, so it must be to the state's own copy.
  hspell_set_dictionary_path(s.path.c_str());
  s.loaded = hspell_init(&s.dictionary, HSPELL_OPT_LINGUISTICS) == 0;
  return s.loaded;
}

// Called by hspell for each split; the state's mutex is held.
int collectSplit(const char* word, const char* baseWord, int prefixLength, int prefixSpec) {
  HspellState& s = state();
  if (s.collecting == nullptr || word == nullptr || baseWord == nullptr || prefixLength < 0) return 0;
  char* descriptions = nullptr;
  char* stems = nullptr;
  if (!linginfo_lookup(baseWord, &descriptions, &stems)) return 0;
  const std::string prefix(word, static_cast<size_t>(prefixLength));
  for (int i = 0;; ++i) {
    // Descriptions are a few tags; the buffer is far larger than any.
    std::array<char, 512> text{};
    if (linginfo_desc2text(text.data(), descriptions, i) == nullptr) break;
    // hspell's own rule: an analysis stands after a prefix only when the
    // prefix allows it (no article before a construct form, and so on).
    if ((linginfo_desc2ps(descriptions, i) & prefixSpec) == 0) continue;
    const char* lemma = linginfo_stem2text(stems, i);
    if (lemma == nullptr) continue;
    s.collecting->push_back({prefix, baseWord, lemma, text.data()});
  }
  return 0;
}

}  // namespace

std::string defaultHspellDictionaryPath() {
  const char* path = hspell_get_dictionary_path();
  return path != nullptr ? path : "";
}

bool hspellReadings(const std::string& dictionaryPath, const std::string& word, std::vector<HspellReading>& readings) {
  HspellState& s = state();
  const std::lock_guard<std::mutex> lock(s.mutex);
  if (!s.tried) load(s, dictionaryPath);
  if (!s.loaded || s.path != dictionaryPath) return false;
  s.collecting = &readings;
  hspell_enum_splits(s.dictionary, word.c_str(), collectSplit);
  s.collecting = nullptr;
  return true;
}

}  // namespace orva
