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
  path_ = path;
  mode_ = mode;
  return true;
}

void DictionaryFile::close() {
  handle.close();
  header = DictionaryHeader{};
  path_.clear();
  mode_ = kDefaultFileAccess;
}

FileChange DictionaryFile::reopenIfChanged() {
  if (path_.empty()) return FileChange::Unchanged;
  if (isOpen() && identityOfPath(path_) == handle.identity()) return FileChange::Unchanged;
  const std::string path = path_;
  const FileAccessMode mode = mode_;
  if (open(path, mode)) return FileChange::Reopened;
  // Keep the path, so that the file is taken up again once it is back.
  path_ = path;
  mode_ = mode;
  return FileChange::Gone;
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
