// Copied article text: logical order from a visual-order display, whole
// blocks and parts of them, and no bidi controls.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_files.h"
#include "text/display_text.h"
#include "ui/copied_text.h"
#include "ui/display_order.h"

namespace orva {
namespace {

using test::u8;

// What a visual-order display holds for a logical Hebrew text.
std::u16string shownVisually(std::u16string logical) {
  ToVisualOrder(logical);
  return visualOrderForDisplay(logical);
}

TEST(CopiedText, DropsEveryBidiControlAndNothingElse) {
  std::u16string all;
  for (char16_t c : {u'\u200E', u'\u200F', u'\u202A', u'\u202B', u'\u202C', u'\u202D', u'\u202E', u'\u2066',
                     u'\u2067', u'\u2068', u'\u2069'}) {
    EXPECT_TRUE(isBidiControl(c));
    all += c;
    all += u'x';
  }
  EXPECT_EQ(withoutBidiControls(all), std::u16string(11, u'x'));
  for (char16_t c : {u'\u200D', u'\u2029', u'\u2065', u'\u206A', u'\u05BC', u'('}) EXPECT_FALSE(isBidiControl(c));
}

TEST(CopiedText, AVisualOrderBlockComesBackInLogicalOrderWithItsBracketsAndPoints) {
  const std::u16string logical = u"סֵפֶר (ספרים) [ר\"ת] 12";
  const std::u16string shown = shownVisually(logical);
  ASSERT_EQ(shown[0], kLeftToRightOverride);
  EXPECT_EQ(u8(logicalFromVisualOrder(shown)), u8(logical));
  // A selected part of the shown block gives the same part of the word.
  const std::u16string plain = u"שלום עולם";
  const std::u16string shownPlain = shownVisually(plain);
  const std::u16string part = shownPlain.substr(1, 4);  // the first four shown: the end of עולם
  EXPECT_EQ(u8(logicalFromVisualOrder(part)), "עולם");
}

TEST(CopiedText, JoinsBlocksAndTurnsOnlyRightToLeftOnesInVisualOrder) {
  const std::u16string hebrew = shownVisually(u"ספר ");  // the page's line break reads as a space
  const std::u16string russian = u"\u202Dкнига (ж.) ";
  const std::u16string noBreak = u" a\u00A0b";
  const std::vector<ShownBlock> blocks{{hebrew, true}, {russian, false}, {u"", false}, {noBreak, false}};
  EXPECT_EQ(u8(copiedText(blocks, true)), "ספר\nкнига (ж.)\n\na b");
  // A display in logical order already holds the reading order.
  const std::vector<ShownBlock> logical{{u"\u200Fספר", true}, {u"книга", false}};
  EXPECT_EQ(u8(copiedText(logical, false)), "ספר\nкнига");
  EXPECT_EQ(copiedText({}, true), u"");
}

}  // namespace
}  // namespace orva
