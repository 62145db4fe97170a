// Everyday Hebrew forms (tests/data/hebrew_forms.tsv) against the analyser
// and the bundled Hebrew-Russian dictionary: every expected lemma is a
// headword, and the analyser offers it for nearly every form.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "morphology/word_analyzer.h"
#include "store/dictionary_pair.h"
#include "store/list_index.h"
#include "store/record_reader.h"
#include "text/display_text.h"
#include "text/utf.h"

namespace orva {
namespace {

struct FormPair {
  int line;
  std::u16string form, lemma;
};

std::vector<FormPair> readTable() {
  std::ifstream in(std::string(ORVA_SOURCE_DIR) + "/tests/data/hebrew_forms.tsv");
  std::vector<FormPair> pairs;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    const size_t tab = line.find('\t');
    const auto form = utf8ToUtf16(line.substr(0, tab));
    const auto lemma = tab == std::string::npos ? std::nullopt : utf8ToUtf16(line.substr(tab + 1));
    if (!form || !lemma || form->empty() || lemma->empty()) {
      ADD_FAILURE() << "hebrew_forms.tsv:" << number << ": not form TAB lemma";
      continue;
    }
    pairs.push_back({number, *form, *lemma});
  }
  return pairs;
}

// Every headword of the bundled hebrus.dic, in logical order.
std::set<std::u16string> bundledHebrewHeadwords() {
  DictionaryFile file;
  if (!file.open(std::string(ORVA_DICTIONARY_DIR) + "/" + std::string(dictionaryFileName(Direction::HebrewRussian)))) {
    return {};
  }
  const DeviceSettings device{kLanguageHebrew, CodePage::Hebrew1255};
  std::set<std::u16string> headwords;
  RecordBuffer buffer{};
  for (uint32_t i = 0; i < file.entryCount(); ++i) {
    EntryRecord record{};
    const auto pos = readListRecordPos(file, i);
    if (pos && readRecord(file.handle, file.recordBase(), file.formatVersion(), *pos, buffer, record)) {
      headwords.insert(HebrewDisplayText(record.field(0), device));
    }
  }
  return headwords;
}

class HebrewFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(ORVA_VOCABULARY) == "example") GTEST_SKIP() << "built with the example vocabulary";
  }
};

TEST_F(HebrewFormsTest, TheTableIsLargeAndEveryLemmaIsAHeadword) {
  const auto pairs = readTable();
  const auto headwords = bundledHebrewHeadwords();
  ASSERT_GE(headwords.size(), 8000u);
  EXPECT_GE(pairs.size(), 300u);
  std::set<std::u16string> forms;
  for (const FormPair& p : pairs) {
    EXPECT_TRUE(headwords.count(p.lemma)) << "hebrew_forms.tsv:" << p.line << ": " << utf16ToUtf8(p.lemma)
                                          << " is no headword";
    EXPECT_TRUE(forms.insert(p.form).second) << "hebrew_forms.tsv:" << p.line << ": repeated form";
  }
}

TEST_F(HebrewFormsTest, TheAnalyserOffersTheLemmaOfNearlyEveryForm) {
  const auto pairs = readTable();
  const auto headwords = bundledHebrewHeadwords();
  const auto analyzer = makeHebrewAnalyzer();
  size_t offered = 0;
  std::ostringstream misses;
  for (const FormPair& p : pairs) {
    const auto candidates = analyzer->lemmasOf(p.form);
    bool found = false;
    for (const LemmaCandidate& c : candidates) {
      EXPECT_NE(c.lemma, p.form) << "the typed word offered as its own lemma";
      found = found || c.lemma == p.lemma;
    }
    if (found) {
      ++offered;
      continue;
    }
    misses << "  " << utf16ToUtf8(p.form) << " -> " << utf16ToUtf8(p.lemma)
           << (headwords.count(p.form) ? " (the form is itself a headword)" : "") << "\n";
  }
  const double share = pairs.empty() ? 0 : static_cast<double>(offered) / static_cast<double>(pairs.size());
  std::cout << offered << " of " << pairs.size() << " forms lead to their lemma; the others:\n" << misses.str();
  EXPECT_GE(share, 0.95) << misses.str();
}

}  // namespace
}  // namespace orva
