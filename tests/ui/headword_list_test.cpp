// The headword list: reset, the scroll step with its clamping, keys,
// ScrollToIndex, the 32-bit thumb, painting, and silence while closing.
#include <gtest/gtest.h>

#include "store/list_index.h"
#include "support/test_files.h"
#include "text/utf.h"
#include "window_fixture.h"

namespace orva {
namespace {

using test::kRussianWords;

class HeadwordListTest : public test::WindowTest {
 protected:
  void SetUp() override {
    start();
    ui().command(IDM_RUSSIAN_HEBREW);  // 30 entries, 8 rows, last top 22
    ui().focusList();
  }
  // The entries the rows show, by list number.
  void expectRowsFrom(int top) {
    DictionaryFile& file = dialog().dictionaries().russianHebrew;
    for (int r = 0; r < list().rowCount(); ++r) {
      EXPECT_EQ(ui().list().itemData(r), readListRecordPos(file, static_cast<uint32_t>(top + r)).value()) << r;
      EXPECT_EQ(row(r), kRussianWords[static_cast<size_t>(top + r)]) << r;
    }
  }
  void top(int32_t position) { ui().scroll(ScrollRequest::ThumbPosition, position); }
  int paints() const { return ui().list().paintCount(); }
  const MemoryPlatform& ui() const { return *platform_; }
  using WindowTest::ui;
};

TEST_F(HeadwordListTest, ResetShowsTheFirstPageWithNothingSelected) {
  const ScrollInfo info = ui().list().scrollInfo();
  EXPECT_EQ(info.min, 0);
  EXPECT_EQ(info.max, 29);
  EXPECT_EQ(info.page, 8u);
  EXPECT_EQ(info.pos, 0);
  EXPECT_EQ(list().rowCount(), 8);
  EXPECT_EQ(list().selectedRow(), -1);
  expectRowsFrom(0);
}

TEST_F(HeadwordListTest, KeysScrollAndClampAtBothEnds) {
  ui().tap(0);
  int before = paints();
  ui().pressKey(VK_UP);  // row 0 at the top: -1 clamps to 0, but rows are refilled and repainted
  EXPECT_EQ(list().topIndex(), 0);
  EXPECT_EQ(list().selectedRow(), 0);
  EXPECT_GT(paints(), before);

  ui().pressKey(VK_END);
  EXPECT_EQ(list().topIndex(), 22);
  EXPECT_EQ(list().selectedRow(), 7);
  expectRowsFrom(22);
  before = paints();
  ui().pressKey(VK_DOWN);  // the last row at the last top stays
  EXPECT_EQ(list().topIndex(), 22);
  EXPECT_EQ(list().selectedRow(), 7);
  EXPECT_GT(paints(), before);

  ui().pressKey(VK_PRIOR);
  EXPECT_EQ(list().topIndex(), 14);
  EXPECT_EQ(list().selectedRow(), 7);
  top(21);
  ui().pressKey(VK_NEXT);  // from last top - 1 to last top, not beyond
  EXPECT_EQ(list().topIndex(), 22);
  ui().pressKey(VK_HOME);
  EXPECT_EQ(list().topIndex(), 0);
  EXPECT_EQ(list().selectedRow(), 0);
  expectRowsFrom(0);
  ui().pressKey(VK_PRIOR);
  EXPECT_EQ(list().topIndex(), 0);

  ui().tap(6);
  ui().pressKey(VK_DOWN);  // inside the page: the selection moves, no scroll
  ui().pressKey(VK_DOWN);  // now the last row: scrolls by one
  EXPECT_EQ(list().topIndex(), 1);
  EXPECT_EQ(list().selectedRow(), 7);
  EXPECT_EQ(word(), kRussianWords[8]);  // the article follows the highlighted row
}

TEST_F(HeadwordListTest, SidewaysKeysDoNothingAndLettersLeaveTheList) {
  ui().tap(3);
  const int before = paints();
  ui().pressKey(VK_LEFT);
  ui().pressKey(VK_RIGHT);
  EXPECT_EQ(paints(), before);
  EXPECT_EQ(list().topIndex(), 0);
  EXPECT_EQ(list().selectedRow(), 3);
  EXPECT_EQ(word(), kRussianWords[3]);
  ui().type(u"x");  // a letter is typed into the word box instead
  EXPECT_EQ(ui().focus(), Focus::WordBox);
  EXPECT_EQ(word(), "x");
}

TEST_F(HeadwordListTest, EveryScrollRequestMovesAsTheBarAsks) {
  struct Step {
    ScrollRequest request;
    int32_t track;
    int32_t expectedTop;
  };
  const Step steps[] = {
      {ScrollRequest::LineDown, 0, 1},       {ScrollRequest::PageDown, 0, 9},
      {ScrollRequest::LineUp, 0, 8},         {ScrollRequest::PageUp, 0, 0},
      {ScrollRequest::PageUp, 0, 0},         {ScrollRequest::Bottom, 0, 22},
      {ScrollRequest::LineDown, 0, 22},      {ScrollRequest::PageDown, 0, 22},
      {ScrollRequest::EndScroll, 0, 22},     {ScrollRequest::Top, 0, 0},
      {ScrollRequest::ThumbTrack, 13, 13},   {ScrollRequest::ThumbPosition, 1000, 22},
      {ScrollRequest::ThumbTrack, -5, 0},    {ScrollRequest::ThumbPosition, 22, 22},
  };
  for (const Step& step : steps) {
    const int before = paints();
    ui().scroll(step.request, step.track);
    EXPECT_EQ(list().topIndex(), step.expectedTop) << static_cast<int>(step.request);
    EXPECT_GT(paints(), before);  // unchanged positions refill and repaint too
    expectRowsFrom(step.expectedTop);
  }
  EXPECT_EQ(list().selectedRow(), -1);
}

TEST_F(HeadwordListTest, ScrollToIndexPutsTheEntryInRowZeroExceptInTheLastPage) {
  struct Case {
    int32_t index, top, row;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{1, 1, 0}, Case{5, 5, 0}, Case{22, 22, 0}, Case{25, 22, 3}, Case{29, 22, 7}}) {
    list().ScrollToIndex(c.index);
    EXPECT_EQ(list().topIndex(), c.top) << c.index;
    EXPECT_EQ(list().selectedRow(), c.row) << c.index;
  }
  const std::string shown = page();
  list().ScrollToIndex(-1);
  list().ScrollToIndex(30);  // no such entry
  EXPECT_EQ(list().topIndex(), 22);
  EXPECT_EQ(list().selectedRow(), 7);
  EXPECT_EQ(page(), shown);  // selecting from the logic notifies nobody
}

// A list index of 70,000 entries over three records.
TEST(HeadwordListThumb, PositionsAbove65535ReachTheirEntry) {
  test::TempDir dir;
  test::RawDictionary raw;
  std::vector<uint32_t> positions;
  uint32_t pos = 0;
  for (const char* word : {"дом", "кот", "лес"}) {
    raw.records.push_back(test::plainRecord({test::cp1251(word), "", "", "", "", ""}, 1000, 0));
    positions.push_back(pos);
    pos += static_cast<uint32_t>(raw.records.back().size());
  }
  constexpr uint32_t kEntries = 70000;
  for (uint32_t i = 0; i < kEntries; ++i) {
    test::addListEntry(raw.listIndex, positions[i % 3]);
    test::addIdEntry(raw.idIndex, 1000, positions[i % 3]);
  }
  test::writeBytes(dir.file("rusheb.dic"), raw.bytes());
  MemoryPlatform ui({dir.path(), {kLanguageRussian, CodePage::Cyrillic1251}, kReferenceClient});
  ui.start();
  ui.command(IDM_RUSSIAN_HEBREW);
  HeadwordList& list = ui.dialog().headwordList();
  EXPECT_EQ(list.entryCount(), kEntries);
  ui.scroll(ScrollRequest::ThumbTrack, 65537);
  EXPECT_EQ(list.topIndex(), 65537);
  EXPECT_EQ(ui.list().itemData(0), positions[65537 % 3]);
  EXPECT_EQ(test::u8(ui.list().painted()[0].text), "лес");
  ui.scroll(ScrollRequest::ThumbPosition, 69999);
  EXPECT_EQ(list.topIndex(), static_cast<int32_t>(kEntries - 8));
  list.ScrollToIndex(69000);
  EXPECT_EQ(list.topIndex(), 69000);
}

TEST(HeadwordListSmall, FewerEntriesThanRowsGiveOneRowPerEntry) {
  test::TempDir dir;
  test::writeRussianDictionary(dir.file("rusheb.dic"), {"дом", "кот", "лес"});
  MemoryPlatform ui({dir.path(), {kLanguageRussian, CodePage::Cyrillic1251}, kReferenceClient});
  ui.start();
  ui.command(IDM_RUSSIAN_HEBREW);
  ui.focusList();
  HeadwordList& list = ui.dialog().headwordList();
  EXPECT_EQ(list.rowCount(), 3);
  ui.pressKey(VK_NEXT);
  ui.scroll(ScrollRequest::Bottom);
  EXPECT_EQ(list.topIndex(), 0);
  ui.pressKey(VK_END);
  EXPECT_EQ(list.selectedRow(), 2);
  ui.pressKey(VK_DOWN);
  EXPECT_EQ(list.topIndex(), 0);
  EXPECT_EQ(list.selectedRow(), 2);
  list.ScrollToIndex(2);
  EXPECT_EQ(list.selectedRow(), 2);
}

TEST(HeadwordListBroken, ARowWhoseRecordCannotBeReadIsPaintedWithoutText) {
  test::TempDir dir;
  test::RawDictionary raw;
  raw.records.push_back(test::plainRecord({test::cp1251("дом"), "", "", "", "", ""}, 1000, 0));
  for (int i = 0; i < 10; ++i) {
    test::addListEntry(raw.listIndex, i == 1 ? 99999u : 0u);  // entry 1 points nowhere
    test::addIdEntry(raw.idIndex, 1000, 0);
  }
  test::writeBytes(dir.file("rusheb.dic"), raw.bytes());
  MemoryPlatform ui({dir.path(), {kLanguageRussian, CodePage::Cyrillic1251}, kReferenceClient});
  ui.start();
  ui.command(IDM_RUSSIAN_HEBREW);
  ui.wait(100);
  EXPECT_EQ(test::u8(ui.list().painted()[0].text), "дом");
  EXPECT_EQ(ui.list().painted()[1].text, u"");
  EXPECT_EQ(test::u8(ui.list().painted()[2].text), "дом");
  ui.tap(1);  // nothing to compose: the article stays
  EXPECT_EQ(ui.dialog().headwordList().selectedRow(), 1);
  EXPECT_EQ(test::u8(ui.wordBox().text()), "дом");
}

// A bare list control and canvas, for the list alone under a test owner.
class BareList : public ListControl, public RowCanvas {
 public:
  explicit BareList(int rowWidth) : rowWidth_(rowWidth) {}
  void resetContent() override {
    data.clear();
    selected = -1;
  }
  void addRow() override { data.push_back(0); }
  int rows() const override { return static_cast<int>(data.size()); }
  void setItemData(int row, uint32_t value) override {
    data.at(static_cast<size_t>(row)) = value;
    ++writes;
  }
  uint32_t itemData(int row) const override { return data.at(static_cast<size_t>(row)); }
  void setSelection(int row) override { selected = row; }
  int selection() const override { return selected; }
  int clientHeight() const override { return 4 * 13; }
  int rowHeight() const override { return 13; }
  ScrollInfo scrollInfo() const override { return info; }
  void setScrollInfo(const ScrollInfo& value) override { info = value; }
  void repaintNow() override { ++repaints; }
  void setLocale(uint32_t) override {}
  void setFocus() override {}
  void move(const Rect&) override {}

  Rect rowRect(int row) const override { return {0, row * 13, rowWidth_, 13}; }
  int textWidth(std::u16string_view text, bool) override { return static_cast<int>(text.size()) * 6; }
  uint32_t highlightColour() const override { return 0x3366CC; }
  void fill(const Rect& rect, uint32_t colour) override { fills.push_back({rect.y / 13, colour}); }
  void drawText(const Rect&, int left, std::u16string_view text, uint32_t colour, bool visual) override {
    drawn.push_back({std::u16string(text), left, colour, visual});
  }

  struct Drawn {
    std::u16string text;
    int left;
    uint32_t colour;
    bool visual;
  };
  std::vector<uint32_t> data;
  int selected = -1;
  ScrollInfo info;
  int writes = 0;
  int repaints = 0;
  std::vector<std::pair<int, uint32_t>> fills;
  std::vector<Drawn> drawn;

 private:
  int rowWidth_;
};

class BareOwner : public ListOwner {
 public:
  DictionaryFile& currentFile() override { return file; }
  Direction currentDirection() const override { return direction; }
  const DeviceSettings& device() const override { return settings; }
  bool closing() const override { return isClosing; }
  void listSelectionChanged() override { ++notified; }

  DictionaryFile file;
  Direction direction = Direction::HebrewRussian;
  DeviceSettings settings{kLanguageRussian, CodePage::Cyrillic1251};
  bool isClosing = false;
  int notified = 0;
};

TEST(HeadwordListPaint, HebrewEndsFlushRightRussianStartsTwoPixelsInSelectedRowIsHighlighted) {
  test::TempDir dir;
  BareOwner owner;
  test::writeHebrewDictionary(dir.file("hebrus.dic"), {"אבגד", "בית", "גן", "דלת", "הר"});
  ASSERT_TRUE(owner.file.open(dir.file("hebrus.dic")));
  BareList control(4 * 6);  // exactly as wide as the first headword
  HeadwordList list(control, owner);
  list.Reset(owner.file.entryCount(), 0);
  EXPECT_EQ(list.rowCount(), 4);
  control.setSelection(1);
  list.paint(control);
  ASSERT_EQ(control.drawn.size(), 4u);
  EXPECT_EQ(control.drawn[0].text, u"דגבא");  // visual order
  EXPECT_TRUE(control.drawn[0].visual);
  EXPECT_EQ(control.drawn[0].left, 0);
  EXPECT_EQ(control.drawn[1].left, 24 - 18);
  EXPECT_EQ(control.drawn[1].colour, kWhite);
  EXPECT_EQ(control.fills[1], (std::pair<int, uint32_t>{1, 0x3366CC}));
  EXPECT_EQ(control.drawn[2].colour, kBlack);
  EXPECT_EQ(control.fills[2], (std::pair<int, uint32_t>{2, kWhite}));

  test::writeRussianDictionary(dir.file("rusheb.dic"), {"дом", "кот", "лес", "мама"});
  ASSERT_TRUE(owner.file.open(dir.file("rusheb.dic")));
  owner.direction = Direction::RussianHebrew;
  list.Reset(owner.file.entryCount(), 0);
  control.drawn.clear();
  list.paint(control);
  ASSERT_EQ(control.drawn.size(), 4u);
  for (const auto& drawn : control.drawn) {
    EXPECT_EQ(drawn.left, 2);
    EXPECT_FALSE(drawn.visual);
  }
  EXPECT_EQ(owner.notified, 0);
}

TEST(HeadwordListClosing, NothingIsReadOrDrawnOnceClosingIsSet) {
  test::TempDir dir;
  BareOwner owner;
  test::writeHebrewDictionary(dir.file("hebrus.dic"), test::kHebrewWords);
  ASSERT_TRUE(owner.file.open(dir.file("hebrus.dic")));
  BareList control(200);
  HeadwordList list(control, owner);
  list.Reset(owner.file.entryCount(), 0);
  owner.isClosing = true;  // the files are still open: only the flag stops the reads
  const int writes = control.writes;
  const int repaints = control.repaints;
  for (uint32_t key : {VK_NEXT, VK_END, VK_DOWN, VK_HOME}) list.keyDown(key);
  list.scroll(ScrollRequest::ThumbTrack);
  list.ScrollToIndex(5);
  list.relayout();
  list.paint(control);
  EXPECT_EQ(control.writes, writes);
  EXPECT_EQ(control.repaints, repaints);
  EXPECT_TRUE(control.drawn.empty());
  EXPECT_EQ(control.info.pos, 0);
  // The close resets the list to nothing.
  list.Reset(0, 0);
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(control.info.pos, -1);
  EXPECT_EQ(control.info.page, 0u);
  EXPECT_EQ(list.entryCount(), 0u);
}

}  // namespace
}  // namespace orva
