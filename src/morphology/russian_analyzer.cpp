// The Russian analyser: Hunspell's stemmer over the system's Russian
// dictionary, with the reviewed table of irregular forms answering first.
#include "morphology/russian_analyzer.h"

#include <hunspell.hxx>
#include <sys/stat.h>

#include <algorithm>
#include <future>

#include "morphology/russian_form_note.h"
#include "morphology/russian_irregular_forms.h"
#include "text/collation.h"
#include "text/utf.h"

namespace orva {

namespace {

// Longer "words" are pasted text, not a word to analyse.
constexpr size_t kLongestWord = 64;

bool isFile(const std::string& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isRussianWord(std::u16string_view word) {
  if (word.empty() || word.size() > kLongestWord) return false;
  bool cyrillic = false;
  for (char16_t ch : word) {
    if (ch >= 0x0400 && ch <= 0x04FF) {
      cyrillic = true;
    } else if (ch != u'-') {
      return false;
    }
  }
  return cyrillic;
}

std::unique_ptr<Hunspell> loadHunspell(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    const std::string aff = folder + "/ru_RU.aff";
    const std::string dic = folder + "/ru_RU.dic";
    // Hunspell reports a missing file on stderr and goes on without words;
    // look first, so that a missing dictionary is quiet.
    if (isFile(aff) && isFile(dic)) return std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
  }
  return nullptr;
}

class RussianAnalyzer final : public WordAnalyzer {
 public:
  explicit RussianAnalyzer(std::vector<std::string> folders)
      : loading_(std::async(std::launch::async, [folders = std::move(folders)] { return loadHunspell(folders); })) {}

  std::vector<LemmaCandidate> lemmasOf(std::u16string_view typed) const override {
    const std::u16string word = lowerRussian(trimmedWord(typed));
    if (!isRussianWord(word)) return {};
    const std::u16string folded = foldedRussian(word);
    std::vector<LemmaCandidate> found;
    auto offer = [&](std::u16string lemma, std::u16string relation) {
      const std::u16string key = foldedRussian(lemma);
      if (key.empty() || key == foldedRussian(typed)) return;
      for (const LemmaCandidate& c : found)
        if (foldedRussian(c.lemma) == key) return;
      found.push_back({std::move(lemma), std::move(relation)});
    };
    // The table first: it knows the pronouns and irregular verbs the stemmer
    // either misses or takes for words of their own. Forms match with ё
    // typed as е.
    for (const IrregularForm& row : russianIrregularForms())
      if (foldedRussian(row.form) == folded) offer(std::u16string(row.lemma), std::u16string(row.relation));

    Hunspell* speller = hunspell();
    if (speller) {
      // Hunspell's Russian dictionary is UTF-8; it is given UTF-8 whatever
      // the process locale is, and answers in UTF-8.
      // A name is in the dictionary with its capital (Москва).
      std::vector<std::string> stems = speller->stem(utf16ToUtf8(word));
      if (stems.empty() && word[0] >= u'а' && word[0] <= u'я') {
        std::u16string capitalised = word;
        capitalised[0] = static_cast<char16_t>(capitalised[0] - 0x20);
        stems = speller->stem(utf16ToUtf8(capitalised));
      }
      for (const std::string& stem : stems) {
        const auto lemma = utf8ToUtf16(stem);
        if (!lemma) continue;
        offer(*lemma, russianFormNote(word, lowerRussian(*lemma)));
      }
    }
    return found;
  }

 private:
  Hunspell* hunspell() const {
    if (loading_.valid()) speller_ = loading_.get();
    return speller_.get();
  }

  mutable std::future<std::unique_ptr<Hunspell>> loading_;
  mutable std::unique_ptr<Hunspell> speller_;
};

}  // namespace

std::vector<std::string> systemHunspellFolders() {
  return {"/usr/share/hunspell", "/usr/local/share/hunspell", "/usr/share/myspell/dicts", "/usr/share/myspell"};
}

std::unique_ptr<WordAnalyzer> makeRussianAnalyzer(const std::vector<std::string>& hunspellFolders) {
  return std::make_unique<RussianAnalyzer>(hunspellFolders);
}

std::unique_ptr<WordAnalyzer> makeRussianAnalyzer() { return makeRussianAnalyzer(systemHunspellFolders()); }

}  // namespace orva
