// RTF text in the Windows code pages: the document's \ansicpg, each font's
// \fcharset, double-byte characters, and bytes no code page can read.
#include <gtest/gtest.h>

#include <QFont>
#include <string>

#include "tests/rich_text/code_page_samples.h"
#include "tests/rich_text/document_probe.h"

namespace {

using tessel_test::EscapedRtfBytes;
using tessel_test::FamilyOf;
using tessel_test::FormatOf;
using tessel_test::kCodePageSamples;
using tessel_test::LoadDocument;

constexpr const char* kReplacement = "\uFFFD";

std::string TextOf(const std::string& rtf) { return LoadDocument(rtf)->PlainText(); }

TEST(RtfCodePages, TheDocumentsCodePageReadsEveryScript) {
  for (const auto& sample : kCodePageSamples) {
    // A font of the DEFAULT set, and one that names no set, take the
    // document's code page.
    for (const char* font : {"\\fcharset1 Arial", "\\fswiss Arial"}) {
      const std::string header = "{\\rtf1\\ansi\\ansicpg" + std::to_string(sample.codePage) +
                                 "\\deff0{\\fonttbl{\\f0" + font + ";}}";
      EXPECT_EQ(TextOf(header + EscapedRtfBytes(sample.bytes) + "}"), sample.utf8) << sample.language;
    }
    // Without a font table the bytes are the document's too.
    EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg" + std::to_string(sample.codePage) + " " +
                     EscapedRtfBytes(sample.bytes) + "}"),
              sample.utf8)
        << sample.language;
  }
  // Bytes written as they are, not escaped, read the same.
  EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg1250 Prosz\xea}"), "Proszę");
  EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg949 \xbe\xc8\xb3\xe7}"), "안녕");
}

TEST(RtfCodePages, EachFontsCharacterSetReadsItsScript) {
  for (const auto& sample : kCodePageSamples) {
    const std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                            "{\\f1\\fnil\\fcharset" + std::to_string(sample.charset) + " Other;}}"
                            "\\f1 " + EscapedRtfBytes(sample.bytes) + "}";
    EXPECT_EQ(TextOf(rtf), sample.utf8) << sample.language;
  }
}

TEST(RtfCodePages, MixedFontsEachReadInTheirOwnCodePage) {
  std::string expected;
  for (const auto& sample : kCodePageSamples) expected += std::string(sample.utf8) + "\n";
  EXPECT_EQ(TextOf(tessel_test::MixedCodePageRtf()), expected);

  // \plain and a group's end go back to the font in force before, and to
  // its code page.
  const auto document = LoadDocument(
      "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\froman\\fcharset204 Times New Roman;}"
      "{\\f1\\fswiss\\fcharset161 Arial Greek;}{\\f4\\fnil\\fcharset128 MS Gothic;}}"
      "\\'c4\\'e0 {\\f1 \\'c4\\'e1 }\\f4 \\'82\\'a0\\plain  \\'c4\\'e0 \\f7 \\'c4\\'e0}");
  EXPECT_EQ(document->PlainText(), "Да Δα あ Да Да");
  EXPECT_EQ(FamilyOf(FormatOf(*document, "Δα")), "Arial Greek");
  // A font the table does not name leaves the font, and its code page, as
  // they were.
  EXPECT_EQ(TextOf("{\\rtf1{\\fonttbl{\\f0\\fcharset204 A;}}\\f0\\'c4\\f9\\'c4}"), "ДД");
}

// Every Windows character set, in a document of another code page: the
// set decides, the document only for DEFAULT and for numbers that name no
// set. The sets whose code page is not read give one character a byte.
TEST(RtfCodePages, EachCharacterSetHasItsCodePageWhateverTheDocumentSays) {
  struct Case {
    int32_t charset;
    int32_t documentCodePage;
    const char* rtfBytes;
    const char* utf8;
  };
  const Case cases[] = {
      {0, 936, "Caf\\'e9s ok \\'a9 2024", "Cafés ok © 2024"}, {0, 1251, "Caf\\'e9 na\\'efve", "Café naïve"},
      {0, 950, "Copyright \\'a9 2004", "Copyright © 2004"}, {1, 1251, "\\'c4\\'e0", "Да"},
      {1, 932, "\\'82\\'a0", "あ"}, {2, 936, "\\'c4\\'e3", "Äã"}, {128, 1252, "\\'82\\'a0", "あ"},
      {129, 1251, "\\'be\\'c8", "안"}, {130, 949, "\\'88\\'61", "\u02c6a"}, {134, 950, "\\'c4\\'e3", "你"},
      {136, 936, "\\'a4\\'a4", "中"}, {161, 1251, "\\'c4\\'e1", "Δα"}, {162, 1251, "\\'dd\\'fe", "İş"},
      {163, 1251, "\\'ea\\'f2", "\u00ea\u0323"}, {177, 1251, "\\'f9\\'ec", "של"},
      {178, 1251, "\\'e3\\'d1", "مر"}, {186, 1251, "\\'e8\\'fb", "čū"}, {204, 1250, "\\'c4\\'e0", "Да"},
      {222, 1251, "\\'ca\\'c7", "สว"}, {238, 1251, "\\'a3\\'f3", "Łó"}, {77, 936, "\\'c4\\'e3", "Äã"},
      {85, 936, "\\'c4\\'e3", "Äã"}, {254, 936, "\\'c4\\'e3", "Äã"}, {255, 936, "\\'c4\\'e3", "Äã"},
      {300, 1251, "\\'c4\\'e0", "Да"},
  };
  for (const Case& c : cases) {
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg" + std::to_string(c.documentCodePage) +
                            "\\deff0{\\fonttbl{\\f0\\fnil\\fcharset" + std::to_string(c.charset) +
                            " Font;}}" + c.rtfBytes + "}";
    EXPECT_EQ(TextOf(rtf), c.utf8) << "charset " << c.charset << " in " << c.documentCodePage;
  }
}

TEST(RtfCodePages, FontNamesAreReadInTheirOwnCharacterSet) {
  const auto document = LoadDocument(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
      "{\\f1\\fmodern\\fcharset128 \\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9;}"
      "\\f2\\fnil\\fcharset238 \\'a3\\'f3d\\'9f;}"
      "\\f1 mincho \\f2 lodz}");
  EXPECT_EQ(FamilyOf(FormatOf(*document, "mincho")), "ＭＳ 明朝");
  EXPECT_EQ(FamilyOf(FormatOf(*document, "lodz")), "Łódź");
}

TEST(RtfCodePages, UnknownOrMissingCodePagesReadAsWindows1252) {
  EXPECT_EQ(TextOf("{\\rtf1\\ansi caf\\'e9}"), "café");
  EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}"), "café");
  EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg437 caf\\'e9}"), "café");
  EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg65001 caf\\'c3\\'a9}"), "cafÃ©");
  EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg caf\\'e9}"), "café");
  EXPECT_EQ(TextOf("{\\rtf1\\ansi\\ansicpg-1 caf\\'e9}"), "café");
  // The document's code page is its own, not the group's.
  EXPECT_EQ(TextOf("{\\rtf1{\\ansicpg1251}\\'c4}"), "Д");
}

TEST(RtfCodePages, DoubleByteCharactersJoinAcrossEscapesAndLineEnds) {
  // Lead and trail byte as two escapes, as one escape and a plain byte, with
  // the source's line end between them, and with an escaped delimiter as the
  // trail byte (ソ is 83 5C, 本 96 7B, 表 95 5C).
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932 \\'82\\'a0\\'82\xa2\\'82\r\n\\'a4}"), "あいう");
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932 \\'83\\\\\\'96\\{\\'95\\'5c}"), "ソ本表");
  // The fallback of \uN counts bytes: \uc2 skips both bytes of a character.
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932\\uc2\\u12354\\'82\\'a0\\'82\\'a2}"), "あい");
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg936\\uc2 \\u20320\\'c4\\'e3 \\u22909?? x}"), "你 好 x");
}

TEST(RtfCodePages, ACharacterCutByAGroupOrAControlWordIsNotJoined) {
  // The lead byte alone is no character; the trail byte alone is read as the
  // byte it is.
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932 \\'82{\\'a0}}"), std::string(kReplacement) + kReplacement);
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932 \\'82\\b\\'a0}"), std::string(kReplacement) + kReplacement);
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932 \\'83\\b\\'4c}"), std::string(kReplacement) + "L");
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932 \\'83\\'00\\'4c}"), std::string(kReplacement) + "L");
  // A lead byte at the end of a group, or of the input, stays visible.
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg949 a{\\'b0}b}"), std::string("a") + kReplacement + "b");
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg950 a\\'a4"), std::string("a") + kReplacement);
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg936 a\\'c4}"), std::string("a") + kReplacement);
}

TEST(RtfCodePages, BytesNoCodePageReadsBecomeReplacementCharacters) {
  // 0xFF is no Greek character; 0x80 and 0xA0 are no Japanese one; 0x82
  // 0x20 is a lead byte followed by a blank.
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg1253 a\\'ffb}"), std::string("a") + kReplacement + "b");
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932 a\\'80\\'a0b}"), std::string("a") + kReplacement + kReplacement + "b");
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932 \\'82 x}"), std::string(kReplacement) + " x");
  // NUL bytes are dropped, as in every code page.
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg1251 \\'00\\'c4\\'00}"), "Д");
}

TEST(RtfCodePages, UnicodeCharactersStayUnicode) {
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg1251\\uc1 \\u1044?\\'c4\\u8364?}"), "ДД€");
  EXPECT_EQ(TextOf("{\\rtf1\\ansicpg932\\uc0 \\u12354\\'82\\'a0}"), "ああ");
}

// Speed is measured in the benchmarks; here only that large double-byte
// input, in one run and in many small groups, is read whole.
TEST(RtfCodePages, LargeDoubleByteInputIsReadWhole) {
  std::string run = "{\\rtf1\\ansicpg932 ";
  for (int i = 0; i < 200000; ++i) run += "\\'82\\'a0";
  run += "}";
  EXPECT_EQ(LoadDocument(run)->CharacterCount(), 200000);

  std::string groups = "{\\rtf1\\ansicpg936{\\fonttbl{\\f0\\fcharset1 A;}{\\f1\\fcharset136 B;}}";
  for (int i = 0; i < 50000; ++i) groups += "{\\'c4\\'e3}{\\f1\\'a4\\'a4}";
  groups += "}";
  const auto document = LoadDocument(groups);
  EXPECT_EQ(document->CharacterCount(), 100000);
  EXPECT_EQ(document->PlainText().substr(0, 12), "你中你中");
}

}  // namespace
