// orvadict WORD for words that are not headwords: the relation line and the
// lemma's article, --exact, the nearest headwords on a miss, the same per
// line with --stdin; over the bundled dictionaries, the tables of Russian
// and Hebrew forms and every headword finding its own article.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/test_files.h"

namespace orva {
namespace {

struct Outcome {
  std::string out;
  std::string err;
  int status;
};

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs orvadict with `args` and `input` on standard input.
Outcome run(const std::string& args, const std::string& input, const test::TempDir& scratch) {
  test::writeBytes(scratch.file("in.txt"), std::vector<uint8_t>(input.begin(), input.end()));
  const std::string command = std::string(ORVADICT) + " " + args + " < " + scratch.file("in.txt") + " > " +
                              scratch.file("out.txt") + " 2> " + scratch.file("err.txt");
  const int status = std::system(command.c_str());
  return {readText(scratch.file("out.txt")), readText(scratch.file("err.txt")),
          WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

constexpr const char* kRussian = R"(direction ru-he
entry 1 1
headword дом
translation בית
entry 2 1
headword дома
translation בבית
entry 3 1
headword книга
translation ספר
entry 4 1
headword книжка
entry 5 1
headword писать
translation לכתוב
entry 6 1
headword идти
translation ללכת
entry 7 1
headword любовь
translation אהבה
)";

class WordFormsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    const auto bytes = test::buildFromSource(Direction::RussianHebrew, kRussian);
    test::writeBytes(dir_->file("rusheb.dic"), bytes);
  }
  static void TearDownTestSuite() { delete dir_; }
  static Outcome orvadict(const std::string& args, const std::string& input = "") {
    return run(args + " --color=never --dir " + dir_->path(), input, *dir_);
  }
  static test::TempDir* dir_;
};
test::TempDir* WordFormsTest::dir_ = nullptr;

TEST_F(WordFormsTest, AFormPrintsItsRelationThenTheLemmasArticle) {
  const Outcome lemma = orvadict("книга");
  ASSERT_EQ(lemma.status, 0);
  const Outcome form = orvadict("книги");
  EXPECT_EQ(form.status, 0);
  EXPECT_EQ(form.out, "книги \xE2\x86\x92 книга (мн. ч.)\n" + lemma.out);
  EXPECT_EQ(form.err, "");
  // The table's forms and a capital: the line names the word as typed.
  EXPECT_EQ(orvadict("Шла").out, "Шла \xE2\x86\x92 идти (прош. вр., ж. р.)\n" + orvadict("идти").out);
  // Punctuation around a headword needs no relation line.
  EXPECT_EQ(orvadict("'«книга»,'").out, lemma.out);
}

TEST_F(WordFormsTest, AHeadwordThatIsTheWordAnswersBeforeAnyAnalysis) {
  // дома is a form of дом, but the dictionary has дома itself.
  const Outcome home = orvadict("дома");
  EXPECT_EQ(home.status, 0);
  EXPECT_EQ(home.out.substr(0, home.out.find('\n')), "дома");
  EXPECT_EQ(orvadict("домами").out.substr(0, orvadict("домами").out.find('\n')),
            "домами \xE2\x86\x92 дом (мн. ч., твор. п.)");
  // A beginning that no analysis explains still finds its headword.
  const Outcome start = orvadict("любо");
  EXPECT_EQ(start.status, 0);
  EXPECT_EQ(start.out, orvadict("любовь").out);
}

TEST_F(WordFormsTest, ExactKeepsThePrefixLookupAlone) {
  const Outcome form = orvadict("--exact книги");
  EXPECT_EQ(form.status, 1);
  EXPECT_EQ(form.out, "");
  EXPECT_EQ(form.err, "orvadict: \"книги\" not found\n");
  EXPECT_EQ(orvadict("--exact любо").out, orvadict("любовь").out);
}

TEST_F(WordFormsTest, AMissNamesTheNearestHeadwordsOnStderr) {
  const Outcome miss = orvadict("кнега");
  EXPECT_EQ(miss.status, 1);
  EXPECT_EQ(miss.out, "");
  EXPECT_EQ(miss.err.rfind("orvadict: \"кнега\" not found; nearest: книга", 0), 0u) << miss.err;
  EXPECT_EQ(std::count(miss.err.begin(), miss.err.end(), '\n'), 1);
  // At most five.
  const Outcome far = orvadict("щщщщщщ");
  EXPECT_EQ(far.status, 1);
  const std::string list = far.err.substr(far.err.find("nearest: ") + 9);
  EXPECT_LE(std::count(list.begin(), list.end(), ','), 4);
}

TEST_F(WordFormsTest, HtmlKeepsThePageExactAndTheRelationGoesToStderr) {
  const Outcome page = orvadict("--html книги");
  EXPECT_EQ(page.status, 0);
  EXPECT_EQ(page.out, orvadict("--html книга").out);
  EXPECT_EQ(page.err, "книги \xE2\x86\x92 книга (мн. ч.)\n");
}

TEST_F(WordFormsTest, StdinAnswersEveryLineTheSameWay) {
  const Outcome batch = orvadict("--stdin", "книги\nкнега\nкнига\n");
  EXPECT_EQ(batch.status, 1);
  EXPECT_EQ(batch.out, orvadict("книги").out + "\f\n\f\n" + orvadict("книга").out + "\f\n");
  EXPECT_EQ(batch.err, orvadict("кнега").err);
}

// The table of typed forms, each with the headword it must lead to, through
// the executable and the bundled dictionary; at least 95 of 100 must.
// ё and Ё as е and Е (UTF-8).
std::string foldYo(std::string word) {
  for (const auto& [yo, ye] : {std::pair<std::string, std::string>{"\xD1\x91", "\xD0\xB5"}, {"\xD0\x81", "\xD0\x95"}})
    for (size_t at; (at = word.find(yo)) != std::string::npos;) word.replace(at, yo.size(), ye);
  return word;
}

// The (form, lemma) rows of a table: form TAB lemma, # comments.
std::vector<std::pair<std::string, std::string>> formTable(const std::string& path) {
  std::vector<std::pair<std::string, std::string>> rows;
  std::ifstream table(path);
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      ADD_FAILURE() << path << ": not form TAB lemma: " << line;
      continue;
    }
    const size_t end = line.find('\t', tab + 1);
    rows.emplace_back(line.substr(0, tab), line.substr(tab + 1, end == std::string::npos ? end : end - tab - 1));
  }
  return rows;
}

// The answers of `orvadict --stdin` over the bundled dictionaries, one per
// input line.
std::vector<std::string> bundledAnswers(const std::vector<std::string>& lines, const test::TempDir& scratch) {
  std::string input;
  for (const auto& l : lines) input += l + "\n";
  const Outcome batch = run(std::string("--stdin --color=never --dir ") + ORVA_BUNDLED_DIR, input, scratch);
  std::vector<std::string> answers;
  for (size_t from = 0;;) {
    const size_t end = batch.out.find("\f\n", from);
    if (end == std::string::npos) break;
    answers.push_back(batch.out.substr(from, end - from));
    from = end + 2;
  }
  return answers;
}

// Whether an answer leads the reader to `lemma`: its relation line names
// the lemma (книги → книга (мн. ч.)), or it is the lemma's own article, or
// it leads to a form headword (a Hebrew verb form or plural) whose article
// lists the lemma among its family.
bool leadsTo(const std::string& answer, const std::string& lemma) {
  std::string first = answer.substr(0, answer.find('\n'));
  const std::string arrow = " \xE2\x86\x92 ";
  if (const size_t at = first.find(arrow); at != std::string::npos) {
    first = first.substr(at + arrow.size());
    first = first.substr(0, first.find(" ("));
  }
  return first == lemma || answer.find("\n  " + lemma + "\n") != std::string::npos;
}

class FormTables : public ::testing::TestWithParam<const char*> {};

TEST_P(FormTables, FormsOfOrdinaryTextLeadToTheirLemmas) {
  const auto rows = formTable(std::string(ORVA_SOURCE_DIR) + "/" + GetParam());
  ASSERT_GE(rows.size(), 300u);
  test::TempDir scratch;
  std::vector<std::string> forms;
  for (const auto& row : rows) forms.push_back(row.first);
  const auto answers = bundledAnswers(forms, scratch);
  if (answers.empty()) GTEST_SKIP() << "no bundled dictionaries";
  ASSERT_EQ(answers.size(), rows.size());
  size_t answered = 0;
  std::string misses;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (leadsTo(answers[i], rows[i].second)) {
      ++answered;
    } else {
      misses += "  " + rows[i].first + " -> \"" + answers[i].substr(0, answers[i].find('\n')) + "\", not " +
                rows[i].second + "\n";
    }
  }
  EXPECT_GE(answered * 100, rows.size() * 95) << answered << " of " << rows.size() << ":\n" << misses;
  RecordProperty("answered", std::to_string(answered) + "/" + std::to_string(rows.size()));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, FormTables,
                         ::testing::Values("tests/morphology/russian_forms.txt", "tests/data/hebrew_forms.tsv"));

// Every headword of the bundled pair, typed as it is spelled, answers with
// its own article, never a neighbour's: Russian, Hebrew, and the Hebrew
// words written with a geresh or gershayim.
TEST(BundledHeadwords, EachAnswersWithItsOwnArticle) {
  test::TempDir scratch;
  for (const char* name : {"rusheb.dic", "hebrus.dic"}) {
    const Outcome dump = run(std::string("dump ") + ORVA_BUNDLED_DIR + "/" + name, "", scratch);
    if (dump.status != 0) GTEST_SKIP() << "no bundled " << name;
    std::vector<std::string> headwords;
    std::istringstream lines(dump.out);
    for (std::string line; std::getline(lines, line);)
      if (line.rfind("headword ", 0) == 0) headwords.push_back(line.substr(line.find_first_not_of(' ', 8)));
    ASSERT_GT(headwords.size(), 1000u) << name;
    const auto answers = bundledAnswers(headwords, scratch);
    ASSERT_EQ(answers.size(), headwords.size()) << name;
    size_t wrong = 0;
    std::string first;
    for (size_t i = 0; i < headwords.size(); ++i) {
      const std::string shown = answers[i].substr(0, answers[i].find('\n'));
      // Spellings that differ only by ё (все, всё) are one word to the
      // lookup, which lands on the spelling with е.
      if (shown == headwords[i] || foldYo(shown) == foldYo(headwords[i])) continue;
      if (++wrong <= 20) first += "  " + headwords[i] + " -> " + shown + "\n";
    }
    EXPECT_EQ(wrong, 0u) << name << ":\n" << first;
  }
}

}  // namespace
}  // namespace orva
