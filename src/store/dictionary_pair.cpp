// Opening and closing the dictionary pair.
#include "store/dictionary_pair.h"

namespace orva {

bool DictionaryFile::open(const std::string& path, FileAccessMode mode) {
  close();
  if (!handle.open(path, mode)) return false;
  if (!handle.readExactly(0, kHeaderSize, header.bytes.data())) {
    close();
    return false;
  }
  recordBase = header.recordBase();
  formatVersion = header.formatVersion();
  return true;
}

void DictionaryFile::close() {
  handle.close();
  recordBase = 0;
  formatVersion = 0;
  header = DictionaryHeader{};
}

void openDictionaries(DictionaryPair& pair, const std::string& programDirectory, MessageSink& owner) {
  pair.russianHebrew.close();
  pair.hebrewRussian.close();
  for (Direction d : {Direction::RussianHebrew, Direction::HebrewRussian}) {
    const std::string path = programDirectory + "/" + std::string(dictionaryFileName(d));
    if (!pair.file(d).open(path)) owner.showMessage(kErrorCaption, cannotOpenMessage(d));
  }
}

void closeDictionaries(DictionaryPair& pair) {
  pair.russianHebrew.close();
  pair.hebrewRussian.close();
}

}  // namespace orva
