// The window program's command line.
#include "ui/window_arguments.h"

#include <gtest/gtest.h>

namespace orva {
namespace {

using Action = WindowArguments::Action;

TEST(WindowArguments, WordsSelectionAndTheEndOfOptions) {
  EXPECT_EQ(parseWindowArguments({}).action, Action::Open);
  EXPECT_EQ(parseWindowArguments({"  "}).action, Action::Open);

  const auto word = parseWindowArguments({"книга"});
  EXPECT_EQ(word.action, Action::LookUpWord);
  EXPECT_EQ(word.word, "книга");
  EXPECT_EQ(parseWindowArguments({"доброе", "утро"}).word, "доброе утро");

  // After "--" options are words.
  const auto dashed = parseWindowArguments({"--", "-ка", "--help"});
  EXPECT_EQ(dashed.action, Action::LookUpWord);
  EXPECT_EQ(dashed.word, "-ка --help");
  // A lone "-" is a word too.
  EXPECT_EQ(parseWindowArguments({"-"}).word, "-");

  EXPECT_EQ(parseWindowArguments({"--selection"}).action, Action::LookUpSelection);
}

TEST(WindowArguments, MistakesAreReported) {
  const auto unknown = parseWindowArguments({"--selectoin"});
  EXPECT_EQ(unknown.action, Action::Error);
  EXPECT_EQ(unknown.error, "unknown option '--selectoin'");
  EXPECT_EQ(parseWindowArguments({"-x", "слово"}).action, Action::Error);
  const auto both = parseWindowArguments({"--selection", "слово"});
  EXPECT_EQ(both.action, Action::Error);
  EXPECT_EQ(both.error, "--selection takes no WORD");
}

TEST(WindowArguments, HelpAndVersionBeforeTheToolkitStarts) {
  const char* help[] = {"orva", "-platform", "offscreen", "-h"};
  EXPECT_TRUE(asksForHelp(4, help));
  EXPECT_FALSE(asksForVersion(4, help));
  const char* version[] = {"orva", "слово", "--version"};
  EXPECT_TRUE(asksForVersion(3, version));
  // After "--" they are words to look up.
  const char* word[] = {"orva", "--", "--help", "--version"};
  EXPECT_FALSE(asksForHelp(4, word));
  EXPECT_FALSE(asksForVersion(4, word));
  EXPECT_EQ(parseWindowArguments({"--help", "--bogus"}).action, Action::Help);
}

TEST(WindowArguments, TheUsageNamesEveryOption) {
  const std::string usage = windowUsage();
  for (const char* option : {"WORD", "--selection", "--help", "--version", "  --  "}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace orva
