#include "platform/text/win1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Win1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = platform::Win1252ToUtf8(all);
  EXPECT_EQ(platform::Utf8ToWin1252(utf8), all);
}

TEST(Win1252, MapsTheCodePageOwnCharacters) {
  EXPECT_EQ(platform::Win1252ToCodePoint(0x41), U'A');
  EXPECT_EQ(platform::Win1252ToCodePoint(0x80), U'\u20AC');
  EXPECT_EQ(platform::Win1252ToCodePoint(0x92), U'\u2019');
  EXPECT_EQ(platform::Win1252ToCodePoint(0x9F), U'\u0178');
  EXPECT_EQ(platform::Win1252ToCodePoint(0xE9), U'\u00E9');
  for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
    EXPECT_EQ(platform::Win1252ToCodePoint(undefined), static_cast<char32_t>(undefined));

  EXPECT_EQ(platform::Win1252ToUtf8("\x80 caf\xE9"), "\xE2\x82\xAC caf\xC3\xA9");
  EXPECT_EQ(platform::Utf8ToWin1252("\xE2\x84\xA2\xC5\xB8\xC3\x85"), "\x99\x9F\xC5");
}

TEST(Win1252, UnmappableAndMalformedTextBecomesQuestionMarks) {
  // Cyrillic, a C1 control the code page replaces, an emoji.
  EXPECT_EQ(platform::Utf8ToWin1252("a\xD0\x96" "b"), "a?b");
  EXPECT_EQ(platform::Utf8ToWin1252("\xC2\x80"), "?");
  EXPECT_EQ(platform::Utf8ToWin1252("\xF0\x9F\x98\x80"), "?");
  // A lone continuation byte, a cut sequence, an overlong "/", a surrogate.
  EXPECT_EQ(platform::Utf8ToWin1252("\x80x"), "?x");
  EXPECT_EQ(platform::Utf8ToWin1252("x\xE2\x82"), "x??");
  EXPECT_EQ(platform::Utf8ToWin1252("\xC0\xAF"), "??");
  EXPECT_EQ(platform::Utf8ToWin1252("\xED\xA0\x80"), "???");
}

}  // namespace
