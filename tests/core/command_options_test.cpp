// The direction flags and file-name rule the orvadict commands share.
#include <gtest/gtest.h>

#include "tools/command_line.h"

namespace orva {
namespace {

Arguments parsed(std::vector<std::string> args) { return Arguments(args, {"--direction"}, {}); }

TEST(CommandOptions, DirectionFlagIsOptionalOrRequiredAndAlwaysChecked) {
  EXPECT_EQ(givenDirection(parsed({})), std::nullopt);
  EXPECT_EQ(givenDirection(parsed({"--direction", "ru-he"})), Direction::RussianHebrew);
  EXPECT_EQ(requiredDirection(parsed({"--direction=he-ru"})), Direction::HebrewRussian);
  EXPECT_THROW(givenDirection(parsed({"--direction", "ru"})), UsageError);
  EXPECT_THROW(requiredDirection(parsed({})), UsageError);
  EXPECT_THROW(commonOptions(parsed({"--direction", "he_ru"})), UsageError);
  for (const Direction d : {Direction::RussianHebrew, Direction::HebrewRussian})
    EXPECT_EQ(parseDirection(directionName(d)), d);
}

TEST(CommandOptions, DirectionOfAFileComesFromTheFlagOrItsName) {
  EXPECT_EQ(dictionaryBaseName("/a/b/rusheb.dic"), "rusheb");
  EXPECT_EQ(dictionaryBaseName("hebrus"), "hebrus");
  EXPECT_EQ(dictionaryBaseName("dir/.dic"), ".dic");

  const Arguments none = parsed({});
  EXPECT_EQ(directionOfFile(none, "/a/rusheb.dic"), Direction::RussianHebrew);
  EXPECT_EQ(directionOfFile(none, "old-hebrus.dic"), Direction::HebrewRussian);
  EXPECT_EQ(directionOfFile(none, "hebrus"), Direction::HebrewRussian);
  EXPECT_THROW(directionOfFile(none, "rusheb.dic/words.dic"), UsageError);
  EXPECT_THROW(directionOfFile(none, "hebrus.dic.bak"), UsageError);
  // The flag wins over the name, and is checked even where the name tells.
  EXPECT_EQ(directionOfFile(parsed({"--direction", "he-ru"}), "rusheb.dic"), Direction::HebrewRussian);
  EXPECT_THROW(directionOfFile(parsed({"--direction", "x"}), "rusheb.dic"), UsageError);
}

}  // namespace
}  // namespace orva
