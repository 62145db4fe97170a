// Composition of the article page and of the related-forms listing.
#include "article/article_page.h"

#include <optional>

#include "article/article_blocks.h"
#include "article/grammar_labels.h"
#include "store/table_search.h"
#include "text/display_text.h"
#include "text/markup.h"

namespace orva {

namespace {

// The headword as the page shows it: its display form when there is one.
std::string_view shownHeadword(const EntryRecord& record) {
  return record.displayHeadword().empty() ? record.headword() : record.displayHeadword();
}

std::u16string headwordDisplay(std::string_view text, Direction direction, const DeviceSettings& device) {
  return direction == Direction::RussianHebrew ? RussianDisplayText(text, device) : HebrewDisplayText(text, device);
}

std::u16string hebrewHighlighted(std::string_view text, const DeviceSettings& device) {
  std::u16string shown = HebrewDisplayText(text, device);
  HighlightForDisplay(shown, true, device);
  return shown;
}

}  // namespace

std::u16string WordBoxText(const EntryRecord& record, Direction direction, const DeviceSettings& device) {
  return headwordDisplay(record.headword(), direction, device);
}

std::vector<ArticleBlock> ComposeMainBlocks(const EntryRecord& record, Direction direction,
                                            const DeviceSettings& device) {
  const bool hebrewRussian = direction == Direction::HebrewRussian;
  std::vector<ArticleBlock> blocks;
  blocks.reserve(5);  // the most a main part holds

  std::u16string headword = headwordDisplay(shownHeadword(record), direction, device);
  HighlightForDisplay(headword, hebrewRussian, device);
  if (hebrewRussian) {
    blocks.push_back({ArticleBlockKind::HebrewHeadword, std::move(headword)});
  } else {
    blocks.push_back({ArticleBlockKind::RussianHeadword, std::move(headword)});
    // The Hebrew translation block is always there, even when empty.
    blocks.push_back({ArticleBlockKind::HebrewText, hebrewHighlighted(record.translation(), device)});
  }

  if (hebrewRussian) {
    std::u16string label =
        NormalizeScript(VerbFormLabel(static_cast<int32_t>(record.entryId)), CodePage::Cyrillic1251, device);
    if (!label.empty() && record.russian().empty()) blocks.push_back({ArticleBlockKind::Label, std::move(label)});
  }

  const uint32_t k = record.formCode();
  if (hasGrammarNote(k)) {
    std::u16string note = NormalizeScript(NounNote(record.number(), record.gender(), record.construct()),
                                          CodePage::Cyrillic1251, device);
    if (!note.empty()) blocks.push_back({ArticleBlockKind::Label, std::move(note)});
  }

  std::u16string russian = RussianDisplayText(record.russian(), device);
  if (!russian.empty()) blocks.push_back({ArticleBlockKind::RussianText, std::move(russian)});

  if (!separatorFollowsFormOne(k)) blocks.push_back({ArticleBlockKind::Separator, {}});
  return blocks;
}

std::u16string ComposeArticleMain(const EntryRecord& record, Direction direction, const DeviceSettings& device) {
  std::u16string page(kPageStart);
  for (const ArticleBlock& block : ComposeMainBlocks(record, direction, device)) appendBlockHtml(block, page);
  return page;
}

Article ComposeArticle(const EntryRecord& record, Direction direction, const DeviceSettings& device,
                       DictionaryFile& hebrewRussian) {
  Article article{direction, ComposeMainBlocks(record, direction, device)};
  if (direction == Direction::HebrewRussian)
    ComposeRelatedForms(record, device, hebrewRussian,
                        [&](ArticleBlock&& block) { article.blocks.push_back(std::move(block)); });
  return article;
}

namespace {

// Every related form's blocks, each as soon as it is read.
void appendRelatedForms(const EntryRecord& record, const DeviceSettings& device, DictionaryFile& hebrewRussian,
                        ArticleView& view) {
  ComposeRelatedForms(record, device, hebrewRussian, [&](ArticleBlock&& block) { view.appendBlock(block); });
}

}  // namespace

void ShowArticlePage(const EntryRecord& record, Direction direction, const DeviceSettings& device,
                     DictionaryFile& hebrewRussian, ArticleView& view) {
  view.clear();
  view.append(kPageStart);
  for (const ArticleBlock& block : ComposeMainBlocks(record, direction, device)) view.appendBlock(block);
  if (direction == Direction::RussianHebrew) {
    view.append(kPageEnd);
  } else {
    appendRelatedForms(record, device, hebrewRussian, view);
  }
  view.endOfSource();
}

void ShowRelatedForms(const EntryRecord& record, std::u16string_view page, const DeviceSettings& device,
                      DictionaryFile& hebrewRussian, ArticleView& view) {
  view.AppendPage(page);
  appendRelatedForms(record, device, hebrewRussian, view);
  view.endOfSource();
}

void ComposeRelatedForms(const EntryRecord& record, const DeviceSettings& device, DictionaryFile& hebrewRussian,
                         const std::function<void(ArticleBlock&&)>& emit) {
  const uint32_t group = record.group();
  const uint32_t ownForm = record.formCode();
  DictionaryFile& file = hebrewRussian;
  const uint32_t count = file.entryCount();
  const uint64_t tableOffset = file.header.idIndexOffset();
  const auto key = static_cast<int32_t>(group * kFormsPerGroup + 1);

  uint8_t entry[kIdEntrySize];
  const auto found = findEntryIndex(file.handle, count, kIdEntrySize, tableOffset, entry,
                                    [&](const uint8_t* e) { return compareEntryId(key, e); });
  if (!found) return;
  // The walk goes on from the id entry after the one found and stops after
  // the table's last entry.
  uint32_t next = *found + 1;
  RecordBuffer buffer{};
  EntryRecord form{};
  bool ok = file.readRecord(idEntryRecordPos(entry), buffer, form);
  // The ids of a sorted table never decrease: two entries may share an
  // id, and both are listed. A damaged table that goes back, or names the
  // same record again under the same id, ends the listing; the table's
  // end bounds the walk in any case.
  std::optional<uint32_t> previousId;
  uint32_t previousPos = 0;
  const auto goesOn = [&](uint32_t pos) {
    return !previousId || form.entryId > *previousId || (form.entryId == *previousId && pos != previousPos);
  };
  while (ok && form.group() == group && goesOn(idEntryRecordPos(entry))) {
    previousId = form.entryId;
    previousPos = idEntryRecordPos(entry);
    const uint32_t k = form.formCode();
    if (isListedForm(k) && k != ownForm) {
      emit({ArticleBlockKind::HebrewText, hebrewHighlighted(shownHeadword(form), device)});
      if (!form.russian().empty()) emit({ArticleBlockKind::RussianText, RussianDisplayText(form.russian(), device)});
      if (separatorFollowsFormOne(ownForm) && k == 1) emit({ArticleBlockKind::Separator, {}});
    }
    if (next >= count) break;  // the table's last entry has been listed
    if (!file.readTableEntry(DictionaryTable::IdIndex, next, entry)) break;
    ++next;
    ok = file.readRecord(idEntryRecordPos(entry), buffer, form);
  }
}

}  // namespace orva
