#include "platform/text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using platform::FloatToStr;
using platform::TryStrToFloat;
using platform::TryStrToInt;

TEST(StrToInt, AcceptsDecimalAndHexadecimalForms) {
  EXPECT_EQ(TryStrToInt("123"), 123);
  EXPECT_EQ(TryStrToInt("   -45"), -45);
  EXPECT_EQ(TryStrToInt("+7"), 7);
  EXPECT_EQ(TryStrToInt("007"), 7);
  EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
  EXPECT_EQ(TryStrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(TryStrToInt("$FF"), 255);
  EXPECT_EQ(TryStrToInt("0x1f"), 31);
  EXPECT_EQ(TryStrToInt("0X7FFFFFFF"), 2147483647);
  EXPECT_EQ(TryStrToInt("0xFFFFFFFF"), -1);
  EXPECT_EQ(TryStrToInt("0x80000000"), INT32_MIN);
  EXPECT_EQ(TryStrToInt("0x000000010"), 16);
  EXPECT_EQ(TryStrToInt("-$10"), -16);
}

TEST(StrToInt, RefusesWhatIsNoInteger) {
  for (const char* text : {"", " ", "-", "12 ", "1.0", "12x", "x12", "2147483648", "-2147483649",
                           "99999999999999999999", "0x", "$", "0x100000000", "0xG", "1e3", "\t5"}) {
    EXPECT_EQ(TryStrToInt(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(StrToFloat, ReadsWithTheGivenSeparatorOnly) {
  EXPECT_EQ(TryStrToFloat("8.5", '.'), 8.5);
  EXPECT_EQ(TryStrToFloat("8,5", ','), 8.5);
  EXPECT_EQ(TryStrToFloat("8,5", '.'), std::nullopt);
  EXPECT_EQ(TryStrToFloat("8.5", ','), std::nullopt);
  EXPECT_EQ(TryStrToFloat("  -0.25  ", '.'), -0.25);
  EXPECT_EQ(TryStrToFloat(".5", '.'), 0.5);
  EXPECT_EQ(TryStrToFloat("5.", '.'), 5.0);
  EXPECT_EQ(TryStrToFloat("+3", '.'), 3.0);
  EXPECT_EQ(TryStrToFloat("1E20", '.'), 1e20);
  EXPECT_EQ(TryStrToFloat("1,5e-7", ','), 1.5e-7);
  EXPECT_EQ(TryStrToFloat("2e+3", '.'), 2000.0);
  EXPECT_EQ(TryStrToFloat("0.1", '.'), 0.1);
}

TEST(StrToFloat, RefusesNonNumbersAndOverflow) {
  for (const char* text : {"", ".", "-", "e5", "1e", "1e+", "1.2.3", "1 2", "nan", "inf", "INF", "0x10",
                           "1e400", "-1e99999999999"}) {
    EXPECT_EQ(TryStrToFloat(text, '.'), std::nullopt) << '"' << text << '"';
  }
}

TEST(StrToFloat, UnderflowReadsAsZero) {
  const std::optional<double> tiny = TryStrToFloat("1e-400", '.');
  ASSERT_TRUE(tiny.has_value());
  EXPECT_EQ(*tiny, 0.0);
  EXPECT_EQ(TryStrToFloat("0.0000000000001e-99999", '.'), 0.0);
}

TEST(FloatToStr, GeneralFormatWithFifteenDigits) {
  EXPECT_EQ(FloatToStr(8.5, '.'), "8.5");
  EXPECT_EQ(FloatToStr(8.5, ','), "8,5");
  EXPECT_EQ(FloatToStr(0.1, '.'), "0.1");
  EXPECT_EQ(FloatToStr(1e20, '.'), "1E20");
  EXPECT_EQ(FloatToStr(1.5e-7, '.'), "1.5E-7");
  EXPECT_EQ(FloatToStr(1.5e-7, ','), "1,5E-7");
  EXPECT_EQ(FloatToStr(123456789012345678.0, '.'), "1.23456789012346E17");
  EXPECT_EQ(FloatToStr(123456789012345.0, '.'), "123456789012345");
  EXPECT_EQ(FloatToStr(1e15, '.'), "1E15");
  EXPECT_EQ(FloatToStr(100.0, '.'), "100");
  EXPECT_EQ(FloatToStr(-2.25, '.'), "-2.25");
  EXPECT_EQ(FloatToStr(0.0, '.'), "0");
  EXPECT_EQ(FloatToStr(1.0 / 3.0, '.'), "0.333333333333333");
  EXPECT_EQ(FloatToStr(0.0001, '.'), "0.0001");
  EXPECT_EQ(FloatToStr(0.00001, '.'), "1E-5");
  EXPECT_EQ(FloatToStr(-1.25e-300, '.'), "-1.25E-300");
  EXPECT_EQ(FloatToStr(std::nan(""), '.'), "NAN");
  EXPECT_EQ(FloatToStr(-HUGE_VAL, '.'), "-INF");
}

TEST(FloatToStr, ReadsBackWhatItWrites) {
  for (double value : {8.5, 11.0, 0.5, 10.25, 2.54, 1e-5, 6.02214076e23}) {
    const std::string text = FloatToStr(value, ',');
    const std::optional<double> back = TryStrToFloat(text, ',');
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_DOUBLE_EQ(*back, value) << text;
  }
}

}  // namespace
