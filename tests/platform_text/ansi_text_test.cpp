#include "platform/text/ansi_text.h"

#include <gtest/gtest.h>

namespace {

TEST(AnsiText, CaseRulesTouchOnlyAsciiLetters) {
  EXPECT_EQ(platform::LowerCase("REPORT.QNF \xC4\xD6"), "report.qnf \xC4\xD6");
  EXPECT_EQ(platform::UpperCase("rc1=fixedRegion \xE4"), "RC1=FIXEDREGION \xE4");
  EXPECT_TRUE(platform::SameText("RStyles", "rstyles"));
  EXPECT_FALSE(platform::SameText("\xC4", "\xE4"));
  EXPECT_FALSE(platform::SameText("RC1", "RC10"));
  EXPECT_TRUE(platform::SameText("", ""));
}

}  // namespace
