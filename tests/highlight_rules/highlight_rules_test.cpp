#include <gtest/gtest.h>

#include <string>

#include "engine/report_model.h"
#include "platform/system/locale_settings.h"

namespace engine {
namespace {

using std::string;

struct Case {
  uint8_t when;
  Variant value;
  Variant rule;
  bool highlighted;
};

class HighlightRules : public ::testing::Test {
 protected:
  void TearDown() override { platform::ResetLocaleSettings(); }

  static void ExpectAll(const std::vector<Case>& cases) {
    for (size_t i = 0; i < cases.size(); ++i) {
      const Case& c = cases[i];
      EXPECT_EQ(EvaluateHighlight(c.when, c.value, c.rule), c.highlighted) << "case " << i;
    }
  }
};

TEST_F(HighlightRules, TextComparesByUnsignedBytesWithPrefixFirst) {
  ExpectAll({{kHlLessThan, string("a"), string("b"), true},
             {kHlLessThan, string("B"), string("b"), true},
             {kHlLessThan, string("b"), string("b"), false},
             {kHlLessThan, string("ba"), string("b"), false},
             {kHlGreaterThan, string("\xE9"), string("z"), true},
             {kHlLessThan, string(""), string("a"), true},
             // Digits as text are never read as numbers when both sides are text.
             {kHlLessThan, string("10"), string("9"), true},
             {kHlEquals, string("abc"), string("abc"), true},
             {kHlNotEqual, string("abc"), string("abC"), true}});
}

TEST_F(HighlightRules, EveryConditionOnIntegers) {
  ExpectAll({{kHlLessThan, 4, 5, true},           {kHlLessThan, 5, 5, false},
             {kHlGreaterThan, 6, 5, true},        {kHlGreaterThan, 5, 5, false},
             {kHlEquals, 5, 5, true},             {kHlEquals, 4, 5, false},
             {kHlNotEqual, 4, 5, true},           {kHlNotEqual, 5, 5, false},
             {kHlLessThanEquals, 5, 5, true},     {kHlLessThanEquals, 6, 5, false},
             {kHlGreaterThanEquals, 5, 5, true},  {kHlGreaterThanEquals, 4, 5, false},
             {kHlNone, 4, 5, false},              {kHlMasterHighlighted, 5, 5, false},
             {kHlLessThan, INT32_MIN, INT32_MAX, true}});
}

TEST_F(HighlightRules, MixedKindsCompareAsNumbers) {
  platform::SetDecimalSeparator('.');
  ExpectAll({{kHlGreaterThan, 11, string("10"), true},
             {kHlGreaterThan, 9, string("10"), false},
             {kHlEquals, 2, 2.0, true},
             {kHlLessThan, 2.5, 3, true},
             {kHlGreaterThan, 2.5, string("2.25"), true},
             {kHlEquals, string(" 7 "), 7, true}});
  platform::SetDecimalSeparator(',');
  ExpectAll({{kHlEquals, 2.5, string("2,5"), true}});
  EXPECT_THROW(EvaluateHighlight(kHlEquals, 2.5, string("2.5")), VariantError);
}

TEST_F(HighlightRules, ImpossibleComparisonsThrowOnlyForComparingRules) {
  for (uint8_t when = kHlLessThan; when <= kHlGreaterThanEquals; ++when) {
    EXPECT_THROW(EvaluateHighlight(when, 11, string("ten")), VariantError) << int(when);
    EXPECT_THROW(EvaluateHighlight(when, string("ten"), 1.5), VariantError) << int(when);
    EXPECT_THROW(EvaluateHighlight(when, Variant{}, 1), VariantError) << int(when);
    EXPECT_THROW(EvaluateHighlight(when, Variant{}, string("a")), VariantError) << int(when);
  }
  EXPECT_FALSE(EvaluateHighlight(kHlNone, Variant{}, string("ten")));
  EXPECT_FALSE(EvaluateHighlight(kHlMasterHighlighted, Variant{}, Variant{}));
  EXPECT_FALSE(EvaluateHighlight(99, 1, 1));
}

}  // namespace
}  // namespace engine
