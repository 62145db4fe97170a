// One dictionary entry as the builder holds it: id, the six text fields in
// the dictionary's code pages, the attribute bytes, and where it came from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "store/dictionary_format.h"
#include "store/entry_fields.h"

namespace orva {

struct SourceEntry {
  uint32_t group = 0;
  uint32_t formCode = 0;
  std::array<std::string, kTextFieldCount> fields;  // code-page bytes, no NUL
  std::array<uint8_t, kAttributeCount> attributes{};
  std::string file;
  int line = 0;

  uint32_t entryId() const { return group * kFormsPerGroup + formCode; }
};

inline constexpr uint32_t kMaxGroup = 2147482;
inline constexpr uint32_t kMaxFormCode = 999;

}  // namespace orva
