// A whole dictionary file as input. The first byte picks the direction and
// the device; the rest is the file. Everything the program does with a file
// it was given runs over it: opening, the check, lookups, a page of the
// headword list, the articles of several entries in both directions (with
// the related forms of their groups), each page as the window's viewer gets
// it, and the dump. Lookups answer only with rows they read, and no control
// character of the file reaches orvadict's text.
#include <algorithm>
#include <string>
#include <vector>

#include "article/article_page.h"
#include "fuzz_support.h"
#include "store/list_index.h"
#include "store/prefix_search.h"
#include "store/record_reader.h"
#include "text/typed_query.h"
#include "tools/article_text.h"
#include "tools/dictionary_checker.h"
#include "tools/dictionary_dump.h"
#include "tools/visible_controls.h"
#include "ui/display_order.h"
#include "ui/headword_list.h"

namespace orva::fuzz {
namespace {

// A list control of ten rows that keeps what it is told.
class FakeList : public ListControl, public RowCanvas {
 public:
  void resetContent() override { data_.clear(); selection_ = -1; }
  void addRow() override { data_.push_back(0); }
  int rows() const override { return static_cast<int>(data_.size()); }
  void setItemData(int row, uint32_t data) override {
    if (row < 0 || row >= rows()) fail("item data of a row that does not exist");
    data_[static_cast<size_t>(row)] = data;
  }
  uint32_t itemData(int row) const override {
    if (row < 0 || row >= rows()) fail("item data of a row that does not exist");
    return data_[static_cast<size_t>(row)];
  }
  void setSelection(int row) override { selection_ = row >= 0 && row < rows() ? row : -1; }
  int selection() const override { return selection_; }
  int clientHeight() const override { return 10 * 13; }
  int rowHeight() const override { return 13; }
  ScrollInfo scrollInfo() const override { return scroll_; }
  void setScrollInfo(const ScrollInfo& info) override { scroll_ = info; }
  void repaintNow() override {}
  void setLocale(uint32_t) override {}
  void setFocus() override {}
  void move(const Rect&) override {}

  Rect rowRect(int row) const override { return {0, row * 13, 240, 13}; }
  int textWidth(std::u16string_view text, bool) override { return static_cast<int>(text.size()) * 6; }
  uint32_t highlightColour() const override { return 0x000080; }
  void fill(const Rect&, uint32_t) override {}
  void drawText(const Rect&, int, std::u16string_view text, uint32_t, bool) override { painted_ += text.size(); }

 private:
  std::vector<uint32_t> data_;
  int selection_ = -1;
  ScrollInfo scroll_;
  size_t painted_ = 0;
};

class Owner : public ListOwner {
 public:
  Owner(DictionaryFile& file, Direction direction, DeviceSettings device)
      : file_(file), direction_(direction), device_(device) {}
  DictionaryFile& currentFile() override { return file_; }
  Direction currentDirection() const override { return direction_; }
  const DeviceSettings& device() const override { return device_; }
  bool closing() const override { return false; }
  void listSelectionChanged() override {}

 private:
  DictionaryFile& file_;
  Direction direction_;
  DeviceSettings device_;
};

void lookUp(std::u16string_view typed, DictionaryFile& file, Direction direction, const DeviceSettings& device) {
  const TypedQuery query = makeTypedQuery(typed, direction, device);
  const auto found = findTypedPrefix(query.view(), file, direction, device);
  if (!found) return;
  // Whatever the file holds, an answer is a row whose record was read and
  // names that row: never entry 0 or another entry in place of a failure.
  const auto pos = readListRecordPos(file, *found);
  RecordBuffer buffer{};
  EntryRecord record{};
  if (!pos || !file.readRecord(*pos, buffer, record))
    fail("the lookup answered with a row whose record cannot be read");
  if (record.listOrdinal != *found) fail("the lookup answered with a row that shows another record");
}

// What orvadict prints of a page holds no control character but its own
// line feeds.
void expectHarmlessText(const Article& article) {
  for (char c : articleAsText(article, false)) {
    const auto b = static_cast<unsigned char>(c);
    if ((b < 0x20 && c != '\n') || b == 0x7F) fail("a control character of the file reaches the terminal");
  }
}

void fillListPage(DictionaryFile& file, Direction direction, const DeviceSettings& device) {
  FakeList control;
  Owner owner(file, direction, device);
  HeadwordList list(control, owner);
  list.Reset(file.entryCount(), 0);
  list.paint(control);
  list.keyDown(VK_DOWN);
  list.scroll(ScrollRequest::PageDown);
  list.paint(control);
  list.scroll(ScrollRequest::Bottom);
  list.keyDown(VK_END);
  list.paint(control);
  list.ScrollToIndex(static_cast<int32_t>(file.entryCount() / 2));
  list.paint(control);
  if (list.rowCount() > 10) fail("more rows than fit the list");
}

void showArticles(DictionaryFile& file, const DeviceSettings& device) {
  RecordBuffer buffer{};
  const uint32_t rows = std::min<uint32_t>(file.entryCount(), 12);
  int shown = 0;
  for (uint32_t i = 0; i < rows && shown < 6; ++i) {
    const auto pos = readListRecordPos(file, i);
    EntryRecord record{};
    if (!pos || !file.readRecord(*pos, buffer, record)) continue;
    ++shown;
    for (Direction d : {Direction::HebrewRussian, Direction::RussianHebrew}) {
      PageCollector view;
      WordBoxText(record, d, device);
      ShowArticlePage(record, d, device, file, view);
      if (view.completedPages() != 1) fail("an article page was not completed exactly once");
      const Article article = ComposeArticle(record, d, device, file);
      if (articleHtml(article) != view.page()) fail("the composed article's HTML is not the page shown");
      articleAsText(article, true);
      expectHarmlessText(article);
      checkViewerPage(view.page());
      // The page a viewer that does its own bidi is given, block by block.
      std::u16string logical(kPageStart);
      for (const ArticleBlock& block : article.blocks) appendLogicalOrderBlockHtml(block, logical);
      checkViewerPage(logical);
    }
  }
}

}  // namespace
}  // namespace orva::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orva;
  using namespace orva::fuzz;
  if (size < 1) return 0;
  const Direction direction = directionFromByte(data[0]);
  const DeviceSettings device = deviceFromByte(static_cast<uint8_t>(data[0] >> 1));
  static MemoryFile memory("dictionary");
  DictionaryFile file;
  if (!memory.load(data + 1, size - 1, file)) return 0;

  checkDictionary(file, direction, 20);
  const uint32_t held = heldListEntries(file);
  if (held > file.entryCount() ||
      (held > 0 && file.header.listIndexOffset() + uint64_t{held} * kListEntrySize > file.handle.size()))
    fail("the list entries held run past the file");

  static const std::u16string_view kHebrew[] = {u"א", u"של", u"שלום", u"ת", u"'", u"בית ספר גדול מאוד"};
  static const std::u16string_view kRussian[] = {u"а", u"при", u"Привет", u"я", u"ё", u"здравствуйте, друзья"};
  for (std::u16string_view typed : direction == Direction::HebrewRussian ? kHebrew : kRussian)
    lookUp(typed, file, direction, device);

  fillListPage(file, direction, device);
  showArticles(file, device);

  std::string dumped, error;
  dumpDictionary(file, direction, dumped, error);
  return 0;
}
