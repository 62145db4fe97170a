// Shared pieces of the fuzz harnesses.
#include "fuzz_support.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tools/dictionary_builder.h"
#include "tools/source_parser.h"
#include "ui/display_order.h"
#include "ui/page_markup.h"

namespace orva::fuzz {

MemoryFile::MemoryFile(const char* name) {
  fd_ = memfd_create(name, 0);
  if (fd_ < 0) fail("memfd_create failed");
  path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool MemoryFile::load(const uint8_t* data, size_t size, DictionaryFile& file) {
  file.close();
  if (ftruncate(fd_, 0) != 0) fail("ftruncate failed");
  size_t done = 0;
  while (done < size) {
    const ssize_t n = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
    if (n <= 0) fail("pwrite failed");
    done += static_cast<size_t>(n);
  }
  return file.open(path_);
}

std::string exampleSource(Direction direction) {
  const std::string path = std::string(ORVA_SOURCE_DIR) + "/data/example/" +
                           (direction == Direction::RussianHebrew ? "rusheb.src" : "hebrus.src");
  std::ifstream in(path, std::ios::binary);
  if (!in) fail("cannot read the example sources");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<uint8_t> exampleDictionary(Direction direction) {
  ParseResult parsed;
  parseSource(exampleSource(direction), "example.src", direction, parsed);
  checkEntrySet(parsed);
  if (!parsed.problems.empty()) fail(parsed.problems.front().c_str());
  std::vector<uint8_t> bytes;
  std::string error;
  if (!buildDictionary(direction, std::move(parsed.entries), bytes, error)) fail(error.c_str());
  return bytes;
}

void checkViewerPage(std::u16string_view page) {
  for (const std::u16string& shown : {sanitisePage(page), sanitisePage(pointsAfterLetters(page))}) {
    const MarkupShape shape = markupShape(shown);
    if (shape.maxDepth > kMaxPageDepth) fail("the viewer's page nests deeper than the cap");
    for (const std::u16string& tag : shape.tags)
      if (!isPageTag(tag)) fail("the viewer's page keeps a tag outside the page set");
    if (!shape.allAttributesSafe) fail("the viewer's page keeps an attribute without a safe value");
    if (shape.hasOtherMarkup) fail("the viewer's page keeps a comment, declaration or broken tag");
    if (sanitisePage(shown) != shown) fail("sanitising the viewer's page again changed it");
  }
}

DeviceSettings deviceFromByte(uint8_t selector) {
  static constexpr uint32_t kLanguages[] = {kLanguageHebrew, kLanguageRussian, 0x0409};
  static constexpr CodePage kCodePages[] = {CodePage::Hebrew1255, CodePage::Cyrillic1251, CodePage::Western1252};
  return DeviceSettings{kLanguages[selector % 3], kCodePages[(selector / 3) % 3]};
}

void fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace orva::fuzz
