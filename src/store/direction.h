// The two directions of the dictionary and the file each one uses.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orva {

enum class Direction : uint8_t {
  RussianHebrew = 0,  // rusheb.dic, Russian headwords in code page 1251
  HebrewRussian = 1,  // hebrus.dic, Hebrew headwords in code page 1255
};

inline constexpr Direction kStartDirection = Direction::HebrewRussian;

inline std::string_view dictionaryFileName(Direction d) {
  return d == Direction::RussianHebrew ? "rusheb.dic" : "hebrus.dic";
}

// "ru-he" or "he-ru", as the command line spells directions.
inline std::string_view directionName(Direction d) {
  return d == Direction::RussianHebrew ? "ru-he" : "he-ru";
}

// The direction a name of directionName's spells, if any.
inline std::optional<Direction> parseDirection(std::string_view name) {
  if (name == "ru-he") return Direction::RussianHebrew;
  if (name == "he-ru") return Direction::HebrewRussian;
  return std::nullopt;
}

}  // namespace orva
