// The HTML page of one dictionary entry, and the listing of the other forms
// of its group that ends a Hebrew-Russian page.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "article/article_blocks.h"
#include "article/article_view.h"
#include "store/dictionary_pair.h"
#include "store/direction.h"
#include "store/record_reader.h"
#include "text/device_settings.h"

namespace orva {

// What the word box receives when the entry is shown: its headword converted
// for display.
std::u16string WordBoxText(const EntryRecord& record, Direction direction, const DeviceSettings& device);

// The blocks of the main part of the page: the headword through the
// separator.
std::vector<ArticleBlock> ComposeMainBlocks(const EntryRecord& record, Direction direction,
                                            const DeviceSettings& device);

// The main part of the page, from "<html><body>\r\n" through the separator.
std::u16string ComposeArticleMain(const EntryRecord& record, Direction direction, const DeviceSettings& device);

// The whole article of `record`: its main part and, in Hebrew-Russian, the
// related forms of its group from `hebrewRussian`. Its HTML is the page
// ShowArticlePage shows.
Article ComposeArticle(const EntryRecord& record, Direction direction, const DeviceSettings& device,
                       DictionaryFile& hebrewRussian);

// Shows the page of `record` in `view`: clears it, sends "<html><body>\r\n"
// and the blocks of the main part, then, Russian-Hebrew,
// "</body></html>\r\n", or, Hebrew-Russian, the blocks of the related forms
// of the group from `hebrewRussian`, and ends the source.
void ShowArticlePage(const EntryRecord& record, Direction direction, const DeviceSettings& device,
                     DictionaryFile& hebrewRussian, ArticleView& view);

// Sends `page`, then the blocks of every other form of the record's group
// with a form code from 1 to 199 (each as soon as it is ready), then the end
// of the source.
void ShowRelatedForms(const EntryRecord& record, std::u16string_view page, const DeviceSettings& device,
                      DictionaryFile& hebrewRussian, ArticleView& view);

// Hands `emit` the blocks of every other form of the record's group with a
// form code from 1 to 199, in id order, each as soon as it is read.
void ComposeRelatedForms(const EntryRecord& record, const DeviceSettings& device, DictionaryFile& hebrewRussian,
                         const std::function<void(ArticleBlock&&)>& emit);

}  // namespace orva
