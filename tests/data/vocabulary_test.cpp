// The vocabulary that ships with the program: the built dictionaries pass
// every check, cover what the article page can show, and are spelled right.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "article/grammar_labels.h"
#include "store/list_index.h"
#include "store/record_reader.h"
#include "support/test_files.h"
#include "text/display_text.h"
#include "text/utf.h"
#include "tools/dictionary_checker.h"

namespace orva {
namespace {

struct Entry {
  uint32_t id;
  std::array<std::string, 6> text;  // UTF-8, Hebrew in logical order
  std::array<uint8_t, 6> attributes;
  uint32_t form() const { return id % 1000; }
  uint32_t group() const { return id / 1000; }
};

class VocabularyTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::string(ORVA_VOCABULARY) == "example") return;
    hebrew_ = load(Direction::HebrewRussian);
    russian_ = load(Direction::RussianHebrew);
  }
  void SetUp() override {
    if (std::string(ORVA_VOCABULARY) == "example") GTEST_SKIP() << "built with the example vocabulary";
  }

  static std::string path(Direction d) {
    return std::string(ORVA_DICTIONARY_DIR) + "/" + std::string(dictionaryFileName(d));
  }

  static std::vector<Entry> load(Direction d) {
    DictionaryFile file;
    if (!file.open(path(d))) return {};
    const DeviceSettings device{kLanguageHebrew, CodePage::Hebrew1255};
    std::vector<Entry> entries;
    RecordBuffer buffer{};
    for (uint32_t i = 0; i < file.entryCount(); ++i) {
      EntryRecord record{};
      const auto pos = readListRecordPos(file, i);
      if (!pos || !readRecord(file.handle, file.recordBase(), file.formatVersion(), *pos, buffer, record)) continue;
      Entry entry{record.entryId, {}, record.attributes};
      for (int f = 0; f < 6; ++f) {
        const bool hebrew = d == Direction::HebrewRussian ? f != 5 : f == 3;
        entry.text[f] = utf16ToUtf8(hebrew ? HebrewDisplayText(record.field(f), device)
                                           : RussianDisplayText(record.field(f), device));
      }
      entries.push_back(std::move(entry));
    }
    return entries;
  }

  static std::vector<Entry> hebrew_, russian_;
};

std::vector<Entry> VocabularyTest::hebrew_;
std::vector<Entry> VocabularyTest::russian_;

TEST_F(VocabularyTest, BothDictionariesCheckClean) {
  for (Direction d : {Direction::HebrewRussian, Direction::RussianHebrew}) {
    DictionaryFile file;
    ASSERT_TRUE(file.open(path(d))) << path(d);
    const auto problems = checkDictionary(file, d);
    EXPECT_TRUE(problems.empty()) << problems.front();
  }
}

TEST_F(VocabularyTest, HebrewRussianCoversTheArticlesFeatures) {
  EXPECT_GE(hebrew_.size(), 59229u);
  size_t lemmas = 0;
  std::set<uint32_t> labelledCodes;
  std::map<uint32_t, std::set<uint32_t>> verbCodesPerGroup;
  std::map<uint32_t, int> listedFormsPerGroup;
  std::set<std::string> notes;
  for (const Entry& e : hebrew_) {
    const uint32_t k = e.form();
    if (k < 200 && !e.text[5].empty()) ++lemmas;
    if (k > 0 && k < 200) ++listedFormsPerGroup[e.group()];
    if (!VerbFormLabel(static_cast<int32_t>(e.id)).empty() && e.text[5].empty()) {
      labelledCodes.insert(k);
      verbCodesPerGroup[e.group()].insert(k);
    }
    if ((k >= 400 && k <= 499) || k >= 600) {
      if (e.attributes[2] == 1) notes.insert("singular");
      if (e.attributes[2] == 2) notes.insert("plural");
      if (e.attributes[3] == 1) notes.insert("masculine");
      if (e.attributes[3] == 2) notes.insert("feminine");
      if (e.attributes[5] != 0) notes.insert("construct");
    }
  }
  EXPECT_GE(lemmas, 10625u);
  // A verb is inflected when its group shows at least ten labelled forms,
  // and fully inflected when it shows every label there is: the infinitive
  // and each person of past, future, present and imperative.
  std::set<uint32_t> everyLabel;
  for (int code = 500; code <= 533; ++code) {
    if (VerbFormLabel(code).empty()) continue;
    everyLabel.insert(static_cast<uint32_t>(code));
    EXPECT_TRUE(labelledCodes.count(code)) << "no entry shows label " << code;
  }
  size_t inflectedVerbs = 0, fullyInflectedVerbs = 0;
  for (const auto& [group, codes] : verbCodesPerGroup) {
    inflectedVerbs += codes.size() >= 10;
    fullyInflectedVerbs += codes == everyLabel;
  }
  EXPECT_GE(inflectedVerbs, 1778u);
  EXPECT_GE(fullyInflectedVerbs, 1759u);
  EXPECT_EQ(notes, (std::set<std::string>{"construct", "feminine", "masculine", "plural", "singular"}));
  // A group has related forms when its pages list at least one other form.
  std::map<uint32_t, int> groupSize;
  for (const Entry& e : hebrew_) ++groupSize[e.group()];
  size_t related = 0;
  for (const auto& [group, listed] : listedFormsPerGroup) related += listed >= 1 && groupSize[group] >= 2;
  EXPECT_GE(related, 100u);
}

TEST_F(VocabularyTest, RussianHebrewHasItsEntriesAndTranslations) {
  EXPECT_GE(russian_.size(), 15712u);
  for (const Entry& e : russian_) EXPECT_FALSE(e.text[3].empty()) << e.text[0] << " has no translation";
}

// Words made of the letters of one script; everything else separates words.
std::set<std::string> wordsOf(const std::string& utf8, bool hebrew) {
  std::set<std::string> words;
  std::u16string word;
  const auto flush = [&] {
    if (!word.empty()) words.insert(utf16ToUtf8(word));
    word.clear();
  };
  for (char16_t ch : utf8ToUtf16(utf8).value_or(u"")) {
    const bool letter = hebrew ? (ch >= u'א' && ch <= u'ת') : ((ch >= u'А' && ch <= u'я') || ch == u'ё' || ch == u'Ё');
    // A geresh or gershayim (written ' and ") belongs to the Hebrew word it
    // stands in: ג'ירפה, צה"ל.
    const bool quoteInWord = hebrew && (ch == u'\'' || ch == u'"') && !word.empty();
    if (letter || quoteInWord) {
      word.push_back(ch);
    } else {
      while (!word.empty() && (word.back() == u'"')) word.pop_back();
      flush();
    }
  }
  while (!word.empty() && word.back() == u'"') word.pop_back();
  flush();
  return words;
}

bool haveCommand(const std::string& name) { return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0; }

// Runs `command` over `words` (one a line, written in `encoding`) and
// returns the words it names as misspelled.
std::set<std::string> rejectedBy(const std::string& command, const std::set<std::string>& words) {
  test::TempDir dir;
  const std::string input = dir.file("words.txt"), output = dir.file("rejected.txt");
  {
    std::ofstream out(input);
    for (const auto& w : words) out << w << "\n";
  }
  const std::string line = "{ " + command + "; } < " + input + " > " + output + " 2>/dev/null";
  EXPECT_EQ(std::system(line.c_str()), 0) << line;
  std::set<std::string> rejected;
  std::ifstream in(output);
  for (std::string word; std::getline(in, word);) {
    if (word.empty() || word.find(':') != std::string::npos) continue;  // hspell's heading
    if (words.count(word)) rejected.insert(word);
  }
  return rejected;
}

std::set<std::string> allowList() {
  std::set<std::string> allowed;
  for (const char* name : {"allow-he-ru.txt", "allow-ru-he.txt"}) {
    std::ifstream in(std::string(ORVA_SOURCE_DIR) + "/data/spelling/" + name);
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '#') continue;
      allowed.insert(line.substr(0, line.find_first_of("\t #")));
    }
  }
  return allowed;
}

void expectSpelledRight(const std::string& what, const std::set<std::string>& words, const std::set<std::string>& rejected) {
  const std::set<std::string> allowed = allowList();
  std::vector<std::string> unknown;
  for (const auto& w : rejected)
    if (!allowed.count(w)) unknown.push_back(w);
  const double passing = 100.0 * static_cast<double>(words.size() - unknown.size()) / static_cast<double>(words.size());
  std::ostringstream list;
  for (const auto& w : unknown) list << " " << w;
  std::cout << what << ": " << words.size() << " words, " << rejected.size() << " rejected by the checker, "
            << unknown.size() << " not on the allow-list (" << passing << "% pass)" << (unknown.empty() ? "" : ":")
            << list.str() << "\n";
  EXPECT_GE(passing, 98.0) << what << " rejected:" << list.str();
}

TEST_F(VocabularyTest, HebrewHeadwordsPassTheSpellChecker) {
  if (!haveCommand("hspell")) GTEST_SKIP() << "hspell is not installed";
  std::set<std::string> words;
  for (const Entry& e : hebrew_) words.merge(wordsOf(e.text[0], true));
  ASSERT_FALSE(words.empty());
  // hspell reads and writes ISO-8859-8.
  expectSpelledRight("Hebrew headwords", words,
                     rejectedBy("iconv -f UTF-8 -t ISO-8859-8 | hspell | iconv -f ISO-8859-8 -t UTF-8", words));
}

TEST_F(VocabularyTest, HebrewTranslationsPassTheSpellChecker) {
  if (!haveCommand("hspell")) GTEST_SKIP() << "hspell is not installed";
  std::set<std::string> words;
  for (const Entry& e : russian_) words.merge(wordsOf(e.text[3], true));
  ASSERT_FALSE(words.empty());
  expectSpelledRight("Hebrew translations", words,
                     rejectedBy("iconv -f UTF-8 -t ISO-8859-8 | hspell | iconv -f ISO-8859-8 -t UTF-8", words));
}

TEST_F(VocabularyTest, RussianWordsPassTheSpellChecker) {
  if (!haveCommand("hunspell")) GTEST_SKIP() << "hunspell is not installed";
  std::set<std::string> words;
  for (const Entry& e : russian_) words.merge(wordsOf(e.text[0], false));
  for (const Entry& e : hebrew_) words.merge(wordsOf(e.text[5], false));
  ASSERT_FALSE(words.empty());
  expectSpelledRight("Russian headwords and translations", words, rejectedBy("hunspell -i UTF-8 -d ru_RU -l", words));
}

}  // namespace
}  // namespace orva
