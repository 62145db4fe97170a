// The HTML page of one dictionary entry, and the listing of the other forms
// of its group that ends a Hebrew-Russian page.
#pragma once

#include <string>

#include "article/article_view.h"
#include "store/dictionary_pair.h"
#include "store/direction.h"
#include "store/record_reader.h"
#include "text/device_settings.h"

namespace orva {

// What the word box receives when the entry is shown: its headword converted
// for display.
std::u16string WordBoxText(const EntryRecord& record, Direction direction, const DeviceSettings& device);

// The main part of the page, from "<html><body>\r\n" through the separator.
std::u16string ComposeArticleMain(const EntryRecord& record, Direction direction, const DeviceSettings& device);

// Shows the page of `record` in `view`. Russian-Hebrew: the main part and
// "</body></html>\r\n" in one ShowPage. Hebrew-Russian: the viewer is
// cleared and ShowRelatedForms sends the main part, the related forms of the
// group from `hebrewRussian`, and the end of the source.
void ShowArticlePage(const EntryRecord& record, Direction direction, const DeviceSettings& device,
                     DictionaryFile& hebrewRussian, ArticleView& view);

// Sends `page`, then every other form of the record's group with a form code
// from 1 to 199 (each piece as soon as it is ready), then the end of the
// source.
void ShowRelatedForms(const EntryRecord& record, std::u16string_view page, const DeviceSettings& device,
                      DictionaryFile& hebrewRussian, ArticleView& view);

}  // namespace orva
