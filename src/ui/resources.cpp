// Look-ups in the window's resources.
#include "ui/resources.h"

namespace orva {

std::optional<std::u16string_view> loadString(uint16_t id) {
  for (const StringResource& entry : kStringTable)
    if (entry.id == id) return entry.text;
  return std::nullopt;
}

std::optional<MenuBarDescription> decodeMenuBar(std::span<const uint16_t> words) {
  constexpr size_t kWordsPerButton = 7;
  if (words.size() < 2) return std::nullopt;
  MenuBarDescription bar;
  bar.menuId = words[0];
  const size_t count = words[1];
  if (words.size() < 2 + count * kWordsPerButton) return std::nullopt;
  for (size_t i = 0; i < count; ++i) {
    const uint16_t* w = &words[2 + i * kWordsPerButton];
    bar.buttons.push_back({w[0], w[1], w[2], w[3], w[4], w[5], w[6]});
  }
  return bar;
}

}  // namespace orva
