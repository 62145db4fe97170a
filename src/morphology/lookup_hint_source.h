// The window's answer for a typed word that no headword begins with: the
// lemma it is a form of, found by the analysers and offered only when it is
// a headword of the open dictionary, or else the nearest headwords.
#pragma once

#include <memory>

#include "morphology/word_analyzer.h"
#include "store/dictionary_pair.h"
#include "text/device_settings.h"
#include "ui/lookup_hint.h"

namespace orva {

// The typed text is taken in logical order, whatever the device shows, and
// headwords are named in logical order too: the hint line is read as
// running text. `pair` and `device` must outlive the source.
std::unique_ptr<LookupHintSource> makeLookupHintSource(DictionaryPair& pair, const DeviceSettings& device);

// The same with the given analysers (either may be null: that language then
// knows no forms).
std::unique_ptr<LookupHintSource> makeLookupHintSource(DictionaryPair& pair, const DeviceSettings& device,
                                                       std::unique_ptr<WordAnalyzer> russian,
                                                       std::unique_ptr<WordAnalyzer> hebrew);

}  // namespace orva
