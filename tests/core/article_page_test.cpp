// The article page of either direction and the related-forms listing.
#include <gtest/gtest.h>

#include "article/article_page.h"
#include "store/list_index.h"
#include "support/test_files.h"

namespace orva {
namespace {

using test::u8;

const DeviceSettings kHebrewDevice{kLanguageHebrew, CodePage::Hebrew1255};
const DeviceSettings kRussianDevice{kLanguageRussian, CodePage::Cyrillic1251};

const char* const kHebrewSource = R"(direction he-ru
entry 10 1
headword אב
russian один
entry 10 2
headword אג
display א־ג־
russian два
entry 10 150
headword אד
russian сто пятьдесят
entry 10 250
headword אה
russian двести пятьдесят
entry 10 0
headword או
russian ноль
entry 10 200
headword אז
russian двести
entry 10 501
headword אח
entry 10 450
headword אט
number pl
gender f
construct yes
entry 11 5
headword בא
russian пять
entry 11 7
headword בב
entry 11 450
headword בג
entry 12 1
headword גא
russian позже
entry 99 1
headword תא
russian последний
entry 99 2
headword תב
russian последний два
)";

const char* const kRussianSource = R"(direction ru-he
entry 1 400
headword книга
display кн|и|га
translation ס־פ־ר
number sg
gender m
russian читать книгу
entry 2 1
headword пусто
entry 3 250
headword слово
translation מילה
)";

class ArticlePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::buildAndOpen(Direction::HebrewRussian, kHebrewSource, dir_.file("hebrus.dic"), hebrew_);
    test::buildAndOpen(Direction::RussianHebrew, kRussianSource, dir_.file("rusheb.dic"), russian_);
  }

  // The page of the entry with `id` in `file`, as the viewer would hold it.
  std::string page(DictionaryFile& file, Direction d, uint32_t id, const DeviceSettings& device) {
    for (uint32_t i = 0; i < file.entryCount(); ++i) {
      EntryRecord record{};
      const auto pos = readListRecordPos(file, i);
      EXPECT_TRUE(pos && readRecord(file.handle, file.recordBase(), file.formatVersion(), *pos, buffer_, record));
      if (record.entryId != id) continue;
      PageCollector view;
      ShowArticlePage(record, d, device, hebrew_, view);
      EXPECT_EQ(view.completedPages(), 1);
      wordBox_ = u8(WordBoxText(record, d, device));
      return u8(view.page());
    }
    ADD_FAILURE() << "no entry " << id;
    return {};
  }
  std::string hebrewPage(uint32_t id) { return page(hebrew_, Direction::HebrewRussian, id, kHebrewDevice); }

  test::TempDir dir_;
  DictionaryFile hebrew_, russian_;
  RecordBuffer buffer_{};
  std::string wordBox_;
};

const std::string kHead = "<html><body>\r\n";
const std::string kHebrewHeadOpen =
    "<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\"><b><font color=\"black\" size=6>";
const std::string kFormOpen = "<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\"><font color=\"black\" size=6>";
const std::string kRussianOpen = "<div align=\"left\"><font size=6>";

TEST_F(ArticlePageTest, RussianHebrewPageHasEveryBlockInOrder) {
  EXPECT_EQ(page(russian_, Direction::RussianHebrew, 1400, kHebrewDevice),
            kHead + "<div align=\"left\"><b>кн<font color=red>и</font>га</b></div>\r\n" + kFormOpen +
                "ר<font color=red>פ</font>ס</font></div>\r\n"
                "<div align=\"left\"><font color=\"#234567\" size=6><b>ед. ч. м. р. </b></font></div>\r\n" +
                kRussianOpen + "читать книгу</font></div>\r\n<hr>\r\n</body></html>\r\n");
  EXPECT_EQ(wordBox_, "книга");
}

TEST_F(ArticlePageTest, RussianHebrewTranslationBlockIsThereEvenWhenEmpty) {
  EXPECT_EQ(page(russian_, Direction::RussianHebrew, 2001, kHebrewDevice),
            kHead + "<div align=\"left\"><b>пусто</b></div>\r\n" + kFormOpen + "</font></div>\r\n<hr>\r\n</body></html>\r\n");
  // Form codes 200-299 end the main part without a separator; no verb label
  // is ever shown in this direction.
  const std::string slovo = page(russian_, Direction::RussianHebrew, 3250, kHebrewDevice);
  EXPECT_EQ(slovo.find("<hr>"), std::string::npos);
  EXPECT_EQ(slovo.substr(slovo.size() - 16), "</body></html>\r\n");
}

TEST_F(ArticlePageTest, FormOneListsTheOtherFormsBelow200) {
  EXPECT_EQ(hebrewPage(10001),
            kHead + kHebrewHeadOpen + "אב</font></b></div>\r\n" + kRussianOpen + "один</font></div>\r\n<hr>\r\n" +
                kFormOpen + "<font color=red>ג</font>א</font></div>\r\n" + kRussianOpen + "два</font></div>\r\n" +
                kFormOpen + "אד</font></div>\r\n" + kRussianOpen + "сто пятьдесят</font></div>\r\n");
  EXPECT_EQ(wordBox_, "אב");
}

TEST_F(ArticlePageTest, AFormIsNeverListedOnItsOwnPage) {
  const std::string p = hebrewPage(10150);
  EXPECT_NE(p.find("один"), std::string::npos);
  EXPECT_NE(p.find("два"), std::string::npos);
  EXPECT_EQ(p.find("сто пятьдесят"), p.rfind("сто пятьдесят"));  // only in its own block
  EXPECT_EQ(p.find("ноль"), std::string::npos);                    // form 0 is never listed
  EXPECT_EQ(p.find("двести"), std::string::npos);                  // nor 200 and up
}

TEST_F(ArticlePageTest, Forms200To299PutTheSeparatorAfterFormOne) {
  const std::string p = hebrewPage(10250);
  const std::string afterFormOne = kRussianOpen + "один</font></div>\r\n<hr>\r\n";
  EXPECT_NE(p.find(afterFormOne), std::string::npos);
  EXPECT_EQ(p.find("<hr>"), p.rfind("<hr>"));
  EXPECT_GT(p.find("<hr>"), p.find("двести пятьдесят"));
}

TEST_F(ArticlePageTest, VerbLabelOnlyWhenTheRussianTextIsEmpty) {
  const std::string p = hebrewPage(10501);
  EXPECT_NE(p.find("<div align=\"left\"><font color=\"#234567\" size=6><b>ед.ч., м/ж р., 1 л., прош. вр.</b>"),
            std::string::npos);
  EXPECT_EQ(hebrewPage(10001).find("#234567"), std::string::npos);
}

TEST_F(ArticlePageTest, NounNoteForForms400To499) {
  EXPECT_NE(hebrewPage(10450).find("<b>мн. ч. ж. р. смихут</b>"), std::string::npos);
}

TEST_F(ArticlePageTest, GroupWithoutFormOneStillListsItsForms) {
  const std::string p = hebrewPage(11450);
  EXPECT_NE(p.find("пять"), std::string::npos);
  EXPECT_NE(p.find(kFormOpen + "בב</font></div>\r\n"), std::string::npos);  // no Russian text: form alone
  EXPECT_EQ(p.find("позже"), std::string::npos);
}

TEST_F(ArticlePageTest, SearchLandingInALaterGroupListsNothing) {
  // Group 11 has no form 1, so the search for 11001 lands on 11005 — but
  // for a group with nothing at or after code 1 it lands in group 12.
  const std::string p = hebrewPage(12001);
  EXPECT_EQ(p, kHead + kHebrewHeadOpen + "גא</font></b></div>\r\n" + kRussianOpen + "позже</font></div>\r\n<hr>\r\n");
}

TEST_F(ArticlePageTest, LastGroupOfTheTableStopsAtItsEnd) {
  const std::string p = hebrewPage(99001);
  EXPECT_NE(p.find("последний два"), std::string::npos);
}

TEST_F(ArticlePageTest, VisualOrderOffHebrewDevices) {
  const std::string p = page(hebrew_, Direction::HebrewRussian, 10002, kRussianDevice);
  EXPECT_NE(p.find(kHebrewHeadOpen + "<font color=red>ג</font>א</font>"), std::string::npos);
  EXPECT_EQ(wordBox_, "גא");
}

// The article composed as blocks renders to the very page the viewer is
// sent piece by piece, for every entry, direction and device.
TEST_F(ArticlePageTest, TheComposedArticleIsThePageShown) {
  for (DictionaryFile* file : {&hebrew_, &russian_}) {
    const Direction d = file == &hebrew_ ? Direction::HebrewRussian : Direction::RussianHebrew;
    for (const DeviceSettings& device : {kHebrewDevice, kRussianDevice}) {
      for (uint32_t i = 0; i < file->entryCount(); ++i) {
        EntryRecord record{};
        const auto pos = readListRecordPos(*file, i);
        ASSERT_TRUE(pos && file->readRecord(*pos, buffer_, record));
        PageCollector view;
        ShowArticlePage(record, d, device, hebrew_, view);
        const Article article = ComposeArticle(record, d, device, hebrew_);
        EXPECT_EQ(u8(articleHtml(article)), u8(view.page())) << record.entryId;
        EXPECT_EQ(u8(view.page()).rfind(u8(ComposeArticleMain(record, d, device)), 0), 0u);
        ASSERT_FALSE(article.blocks.empty());
        EXPECT_TRUE(article.blocks[0].kind == (d == Direction::HebrewRussian ? ArticleBlockKind::HebrewHeadword
                                                                             : ArticleBlockKind::RussianHeadword));
      }
    }
  }
}

TEST(RelatedForms, MissingHebrewFileEndsThePageQuietly) {
  EntryRecord record{};
  record.entryId = 5001;
  DictionaryFile missing;
  PageCollector view;
  ShowRelatedForms(record, u"page", kHebrewDevice, missing, view);
  EXPECT_EQ(view.page(), u"page");
  EXPECT_EQ(view.completedPages(), 1);
}


// Group 7 as a hand-made table: form 1 on display, then the forms of the
// ids given in table order, each a record of its own.
std::u16string relatedFormsOf(const std::vector<int32_t>& ids) {
  test::RawDictionary dict;
  std::vector<uint32_t> positions;
  uint32_t pos = 0;
  const char* const names[] = {"\xE0\xE1", "\xE1\xE0", "\xE2\xE0", "\xE3\xE0", "\xE4\xE0"};
  for (size_t i = 0; i < ids.size(); ++i) {
    dict.records.push_back(test::plainRecord({names[i], "", "", "", "", "\xE4\xE0"}, static_cast<uint32_t>(ids[i]),
                                             static_cast<uint32_t>(i)));
    positions.push_back(pos);
    test::addListEntry(dict.listIndex, pos);
    test::addIdEntry(dict.idIndex, ids[i], pos);
    pos += static_cast<uint32_t>(dict.records.back().size());
  }
  test::TempDir dir;
  test::writeBytes(dir.file("hebrus.dic"), dict.bytes());
  DictionaryFile file;
  EXPECT_TRUE(file.open(dir.file("hebrus.dic")));
  RecordBuffer buffer{};
  EntryRecord record{};
  EXPECT_TRUE(readRecord(file.handle, file.recordBase(), file.formatVersion(), positions[0], buffer, record));
  PageCollector view;
  ShowRelatedForms(record, u"", kHebrewDevice, file, view);
  EXPECT_EQ(view.completedPages(), 1);
  return view.page();
}

TEST(RelatedForms, EntriesSharingAnIdAreAllListedUntilTheIdsDecrease) {
  // Two entries with id 7002 both belong to the listing, up to the table end.
  const std::u16string same = relatedFormsOf({7001, 7002, 7002});
  EXPECT_NE(same.find(u"\u05D1\u05D0"), std::u16string::npos);
  EXPECT_NE(same.find(u"\u05D2\u05D0"), std::u16string::npos);
  // Where the ids go back the listing ends: 7002 after 7003 is not listed.
  const std::u16string back = relatedFormsOf({7001, 7003, 7002, 7004});
  EXPECT_NE(back.find(u"\u05D1\u05D0"), std::u16string::npos);
  EXPECT_EQ(back.find(u"\u05D2\u05D0"), std::u16string::npos);
  EXPECT_EQ(back.find(u"\u05D3\u05D0"), std::u16string::npos);
}

}  // namespace
}  // namespace orva
