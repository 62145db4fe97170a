// An analyser whose hspell dictionary is missing knows no word, says nothing
// on the terminal, and stays that way.
#include <gtest/gtest.h>

#include "morphology/hebrew_analyzer.h"
#include "support/test_files.h"

namespace orva {
namespace {

TEST(HebrewAnalyzerWithoutDictionary, KnowsNoWordAndPrintsNothing) {
  const test::TempDir dir;
  const auto analyzer = makeHebrewAnalyzer(dir.file("hebrew.wgz"));
  testing::internal::CaptureStderr();
  EXPECT_TRUE(analyzer->lemmasOf(u"הספרים").empty());
  EXPECT_TRUE(analyzer->lemmasOf(u"ובמוזיאון").empty());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(HebrewAnalyzerWithoutDictionary, AnIncompleteDictionaryIsRefusedToo) {
  // The word list alone, without the files hspell reads beside it.
  const test::TempDir dir;
  test::writeBytes(dir.file("hebrew.wgz"), {0x1f, 0x8b, 0x08, 0x00});
  const auto analyzer = makeHebrewAnalyzer(dir.file("hebrew.wgz"));
  testing::internal::CaptureStderr();
  EXPECT_TRUE(analyzer->lemmasOf(u"הספרים").empty());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace orva
