// Composition of the article page and of the related-forms listing.
#include "article/article_page.h"

#include <optional>

#include "article/grammar_labels.h"
#include "store/table_search.h"
#include "text/display_text.h"
#include "text/markup.h"

namespace orva {

namespace {

constexpr std::u16string_view kHebrewBlockOpen =
    u"<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\"><font color=\"black\" size=6>";
constexpr std::u16string_view kHebrewBlockClose = u"</font></div>\r\n";
constexpr std::u16string_view kLabelOpen = u"<div align=\"left\"><font color=\"#234567\" size=6><b>";
constexpr std::u16string_view kLabelClose = u"</b></font></div>\r\n";
constexpr std::u16string_view kRussianOpen = u"<div align=\"left\"><font size=6>";
constexpr std::u16string_view kRussianClose = u"</font></div>\r\n";
constexpr std::u16string_view kSeparator = u"<hr>\r\n";

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

std::u16string ComposeArticleMain(const EntryRecord& record, Direction direction, const DeviceSettings& device) {
  const bool hebrewRussian = direction == Direction::HebrewRussian;
  std::u16string page = u"<html><body>\r\n";

  std::u16string headword = headwordDisplay(shownHeadword(record), direction, device);
  HighlightForDisplay(headword, hebrewRussian, device);
  if (hebrewRussian) {
    page += u"<div align=\"right\" dir=\"rtl\" style=\"direction: rtl\"><b><font color=\"black\" size=6>";
    page += headword;
    page += u"</font></b></div>\r\n";
  } else {
    page += u"<div align=\"left\"><b>";
    page += headword;
    page += u"</b></div>\r\n";
    // The Hebrew translation block is always there, even when empty.
    page += kHebrewBlockOpen;
    page += hebrewHighlighted(record.translation(), device);
    page += kHebrewBlockClose;
  }

  if (hebrewRussian) {
    const std::u16string label =
        NormalizeScript(VerbFormLabel(static_cast<int32_t>(record.entryId)), CodePage::Cyrillic1251, device);
    if (!label.empty() && record.russian().empty()) {
      page += kLabelOpen;
      page += label;
      page += kLabelClose;
    }
  }

  const uint32_t k = record.formCode();
  if (hasGrammarNote(k)) {
    const std::u16string note = NormalizeScript(NounNote(record.number(), record.gender(), record.construct()),
                                                CodePage::Cyrillic1251, device);
    if (!note.empty()) {
      page += kLabelOpen;
      page += note;
      page += kLabelClose;
    }
  }

  const std::u16string russian = RussianDisplayText(record.russian(), device);
  if (!russian.empty()) {
    page += kRussianOpen;
    page += russian;
    page += kRussianClose;
  }

  if (!separatorFollowsFormOne(k)) page += kSeparator;
  return page;
}

void ShowArticlePage(const EntryRecord& record, Direction direction, const DeviceSettings& device,
                     DictionaryFile& hebrewRussian, ArticleView& view) {
  std::u16string page = ComposeArticleMain(record, direction, device);
  if (direction == Direction::RussianHebrew) {
    page += u"</body></html>\r\n";
    view.ShowPage(page);
    return;
  }
  view.clear();
  ShowRelatedForms(record, page, device, hebrewRussian, view);
}

void ShowRelatedForms(const EntryRecord& record, std::u16string_view page, const DeviceSettings& device,
                      DictionaryFile& hebrewRussian, ArticleView& view) {
  view.AppendPage(page);

  const uint32_t group = record.group();
  const uint32_t ownForm = record.formCode();
  DictionaryFile& file = hebrewRussian;
  const uint32_t count = file.entryCount();
  const uint64_t tableOffset = file.header.idIndexOffset();
  const auto key = static_cast<int32_t>(group * kFormsPerGroup + 1);

  uint8_t entry[kIdEntrySize];
  const auto found = findEntryIndex(file.handle, count, kIdEntrySize, tableOffset, entry,
                                    [&](const uint8_t* e) { return compareEntryId(key, e); });
  if (found) {
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
        std::u16string piece(kHebrewBlockOpen);
        piece += hebrewHighlighted(shownHeadword(form), device);
        piece += kHebrewBlockClose;
        view.AppendPage(piece);
        if (!form.russian().empty()) {
          piece.assign(kRussianOpen);
          piece += RussianDisplayText(form.russian(), device);
          piece += kRussianClose;
          view.AppendPage(piece);
        }
        if (separatorFollowsFormOne(ownForm) && k == 1) view.AppendPage(kSeparator);
      }
      if (next >= count) break;  // the table's last entry has been listed
      if (!file.readTableEntry(DictionaryTable::IdIndex, next, entry)) break;
      ++next;
      ok = file.readRecord(idEntryRecordPos(entry), buffer, form);
    }
  }
  view.endOfSource();
}

}  // namespace orva
