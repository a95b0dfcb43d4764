// The RTF reader: what text and which formats a document gets from RTF bytes,
// and that no input, however broken, stops it or loses what came before.
#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <string>

#include "platform/richtext/rich_text_document_impl.h"
#include "tests/rich_text/document_probe.h"

namespace {

using tessel_test::BlockCount;
using tessel_test::BlockFormatAt;
using tessel_test::FamilyOf;
using tessel_test::FormatOf;
using tessel_test::LoadDocument;

std::string TextOf(const std::string& rtf) { return LoadDocument(rtf)->PlainText(); }

TEST(RtfReader, CharacterRunsCarryTheirFormats) {
  const auto document = LoadDocument(
      "{\\rtf1\\ansi plain {\\b bold} {\\i ital} {\\ul under} {\\strike struck} "
      "{\\fs40 big} {\\b\\b0 unbold} {\\ul\\ulnone noline}}");
  EXPECT_EQ(document->PlainText(), "plain bold ital under struck big unbold noline");

  const QTextCharFormat plain = FormatOf(*document, "plain");
  EXPECT_EQ(plain.fontWeight(), QFont::Normal);
  EXPECT_FALSE(plain.fontItalic());
  EXPECT_FALSE(plain.fontUnderline());
  EXPECT_FALSE(plain.fontStrikeOut());
  EXPECT_DOUBLE_EQ(plain.fontPointSize(), 12.0);  // RTF's size when none is given

  EXPECT_EQ(FormatOf(*document, "bold").fontWeight(), QFont::Bold);
  EXPECT_TRUE(FormatOf(*document, "ital").fontItalic());
  EXPECT_TRUE(FormatOf(*document, "under").fontUnderline());
  EXPECT_TRUE(FormatOf(*document, "struck").fontStrikeOut());
  EXPECT_DOUBLE_EQ(FormatOf(*document, "big").fontPointSize(), 20.0);
  EXPECT_EQ(FormatOf(*document, "unbold").fontWeight(), QFont::Normal);
  EXPECT_FALSE(FormatOf(*document, "noline").fontUnderline());
  // A group's formats end with it.
  EXPECT_EQ(FormatOf(*document, " ital").fontWeight(), QFont::Normal);
}

TEST(RtfReader, PlainAndPardGoBackToDefaults) {
  const auto document = LoadDocument(
      "{\\rtf1\\b\\i\\fs48\\qc\\li720 first\\plain\\pard  second\\par third}");
  const QTextCharFormat second = FormatOf(*document, "second");
  EXPECT_EQ(second.fontWeight(), QFont::Normal);
  EXPECT_FALSE(second.fontItalic());
  EXPECT_DOUBLE_EQ(second.fontPointSize(), 12.0);
  // The paragraph takes the formats in force at its end.
  EXPECT_EQ(BlockFormatAt(*document, 0).alignment(), Qt::AlignLeft);
  EXPECT_DOUBLE_EQ(BlockFormatAt(*document, 0).leftMargin(), 0.0);
}

TEST(RtfReader, ColourTableGivesForegrounds) {
  const auto document = LoadDocument(
      "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
      "auto \\cf1 red \\cf2 blue \\cf9 stillblue \\cf-1 stillblue2 \\cf0 back}");
  EXPECT_EQ(document->PlainText(), "auto red blue stillblue stillblue2 back");
  EXPECT_FALSE(FormatOf(*document, "auto").hasProperty(QTextFormat::ForegroundBrush));
  EXPECT_EQ(FormatOf(*document, "red").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatOf(*document, "blue").foreground().color(), QColor(0, 128, 255));
  EXPECT_EQ(FormatOf(*document, "stillblue ").foreground().color(), QColor(0, 128, 255));
  EXPECT_EQ(FormatOf(*document, "stillblue2").foreground().color(), QColor(0, 128, 255));
  // Entry 0 is the automatic colour.
  EXPECT_FALSE(FormatOf(*document, "back").hasProperty(QTextFormat::ForegroundBrush));
}

TEST(RtfReader, ColourComponentsAreClamped) {
  const auto document =
      LoadDocument("{\\rtf1{\\colortbl\\red999\\green-4\\blue2147483648;}\\cf0 x}");
  EXPECT_EQ(FormatOf(*document, "x").foreground().color(), QColor(255, 0, 255));
}

TEST(RtfReader, FontTableSelectsFaces) {
  const auto document = LoadDocument(
      "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
      "{\\f1\\fswiss{\\*\\panose 020b0604020202020204}Arial;}\\f2\\fmodern Courier New;"
      "{\\f3 Caf\\'e9 Sans;}}"
      "default \\f0 times \\f2 courier \\f7 unknown \\f3 accented \\plain again}");
  EXPECT_EQ(document->PlainText(), "default times courier unknown accented again");
  EXPECT_EQ(FamilyOf(FormatOf(*document, "default")), "Arial");
  EXPECT_EQ(FamilyOf(FormatOf(*document, "times")), "Times New Roman");
  EXPECT_EQ(FamilyOf(FormatOf(*document, "courier")), "Courier New");
  EXPECT_EQ(FamilyOf(FormatOf(*document, "unknown")), "Courier New");
  EXPECT_EQ(FamilyOf(FormatOf(*document, "accented")), QString::fromUtf8("Café Sans"));
  EXPECT_EQ(FamilyOf(FormatOf(*document, "again")), "Arial");
}

TEST(RtfReader, MissingDefaultFontFallsBackToTheDocumentFont) {
  platform::RichTextDocument document;
  document.SetDefaultFont(platform::TFont{"Courier New", 9, 0, 0});
  document.LoadFromBytes("{\\rtf1\\deff5{\\fonttbl{\\f0 Arial;}}text}");
  EXPECT_EQ(FamilyOf(tessel_test::FormatOf(document, "text")), "Courier New");
}

TEST(RtfReader, EscapedBytesAreWindows1252) {
  EXPECT_EQ(TextOf("{\\rtf1 caf\\'e9 \\'80 \\'93q\\'94}"), "café € “q”");
  EXPECT_EQ(TextOf("{\\rtf1 caf\xe9}"), "café");  // raw high bytes too
  EXPECT_EQ(TextOf("{\\rtf1 a\\{b\\}c\\\\d}"), "a{b}c\\d");
}

TEST(RtfReader, UnicodeCharactersSkipTheirFallback) {
  EXPECT_EQ(TextOf("{\\rtf1\\uc1 \\u8364?x}"), "€x");
  EXPECT_EQ(TextOf("{\\rtf1 \\u8364?x}"), "€x");  // one fallback character unless told
  EXPECT_EQ(TextOf("{\\rtf1\\uc2 \\u8364??x}"), "€x");
  EXPECT_EQ(TextOf("{\\rtf1\\uc0 \\u8364?x}"), "€?x");
  EXPECT_EQ(TextOf("{\\rtf1\\uc1 \\u233\\'e9x}"), "éx");  // an escaped byte is one fallback
  EXPECT_EQ(TextOf("{\\rtf1 \\u-4064?}"), "\xEF\x80\xA0");  // signed 16-bit form of U+F020
  // A surrogate pair written as two signed numbers.
  EXPECT_EQ(TextOf("{\\rtf1 \\u-10179?\\u-8694?}"), "\xF0\x9F\x98\x8A");
  // \uc belongs to its group; a group's end stops the skipping.
  EXPECT_EQ(TextOf("{\\rtf1{\\uc2\\u8364??}\\u8364?x}"), "€€x");
  EXPECT_EQ(TextOf("{\\rtf1\\uc3\\u8364?{x}}"), "€x");
}

TEST(RtfReader, ParagraphsLinesAndTabs) {
  const auto document = LoadDocument("{\\rtf1 one\\par two\\line three\\tab four\r\nfive\\\nsix}");
  EXPECT_EQ(document->PlainText(), "one\ntwo\nthree\tfourfive\nsix");
  EXPECT_EQ(BlockCount(*document), 3);  // \line breaks the line, not the paragraph
  EXPECT_EQ(document->CharacterCount(), 26);
  EXPECT_EQ(TextOf("{\\rtf1 a\\~b\\-c\\_d\\emdash\\bullet\\lquote\\rdblquote}"),
            "a\u00A0b\u00ADc\u2011d\u2014\u2022\u2018\u201D");
}

// Tables are not laid out, but their cells stay apart: a tab after each
// cell, a paragraph end after each row, nested tables as the outer one.
TEST(RtfReader, TableCellsNestedOrNotStayApart) {
  EXPECT_EQ(TextOf("{\\rtf1\\trowd\\cellx2000\\cellx4000\\pard\\intbl A\\cell B\\cell\\row after}"),
            "A\tB\t\nafter");
  // A nested table as word processors write it: the row's properties and its
  // \nestrow in an optional group, the paragraph end for readers that do
  // not know nested tables in \nonesttables.
  EXPECT_EQ(TextOf("{\\rtf1\\trowd\\cellx4000\\cellx8000\\pard\\intbl Befund\\cell"
                   "\\pard\\intbl\\itap2 Coronararterie\\nestcell Calcium-Score\\nestcell"
                   "{\\*\\nesttableprops\\trowd\\cellx2000\\cellx4000\\nestrow}{\\nonesttables\\par}"
                   "\\pard\\intbl\\itap2 LAD\\nestcell 12\\nestcell"
                   "{\\*\\nesttableprops\\trowd\\cellx2000\\cellx4000\\nestrow}{\\nonesttables\\par}"
                   "\\pard\\intbl\\cell\\row\\pard after}"),
            "Befund\tCoronararterie\tCalcium-Score\t\nLAD\t12\t\n\t\nafter");
  // A \nestrow outside the optional group ends its row itself.
  EXPECT_EQ(TextOf("{\\rtf1 a\\nestcell b\\nestcell\\nestrow c\\nestcell\\nestrow}"), "a\tb\t\nc\t\n");
}

TEST(RtfReader, ParagraphAlignmentAndIndents) {
  const auto document = LoadDocument(
      "{\\rtf1\\qc centre\\par\\pard\\qr right\\par\\qj\\li720\\ri360\\fi-360 just\\par"
      "\\pard left}");
  ASSERT_EQ(BlockCount(*document), 4);
  EXPECT_EQ(BlockFormatAt(*document, 0).alignment(), Qt::AlignHCenter);
  EXPECT_EQ(BlockFormatAt(*document, 1).alignment(), Qt::AlignRight);
  const QTextBlockFormat justified = BlockFormatAt(*document, 2);
  EXPECT_EQ(justified.alignment(), Qt::AlignJustify);
  // Half an inch, a quarter and minus a quarter, in layout units.
  EXPECT_DOUBLE_EQ(justified.leftMargin(), platform::kLayoutUnitsPerInch / 2.0);
  EXPECT_DOUBLE_EQ(justified.rightMargin(), platform::kLayoutUnitsPerInch / 4.0);
  EXPECT_DOUBLE_EQ(justified.textIndent(), -platform::kLayoutUnitsPerInch / 4.0);
  EXPECT_EQ(BlockFormatAt(*document, 3).alignment(), Qt::AlignLeft);
  EXPECT_DOUBLE_EQ(BlockFormatAt(*document, 3).leftMargin(), 0.0);
}

TEST(RtfReader, DestinationsAreSkipped) {
  EXPECT_EQ(TextOf("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
                   "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
                   "{\\*\\foo hidden {nested} text}{\\pict\\pngblip 89504e470d0a}"
                   "{\\header head}{\\*\\generator Riched20;}vis{\\*\\bkmkstart b}ible}"),
            "visible");
  // The result of a field is shown, its instruction is not.
  EXPECT_EQ(TextOf("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}"), "link");
  // An unknown word that is no destination leaves its group's text alone.
  EXPECT_EQ(TextOf("{\\rtf1{\\madeupword kept}}"), "kept");
}

TEST(RtfReader, BinaryDataIsSkippedByCount) {
  EXPECT_EQ(TextOf("{\\rtf1 a{\\pict\\bin5 }}{\\{}b}"), "ab");
  EXPECT_EQ(TextOf("{\\rtf1 a\\bin3 xyzb}"), "ab");
  EXPECT_EQ(TextOf("{\\rtf1 a\\bin-7 b}"), "ab");
  EXPECT_EQ(TextOf("{\\rtf1 a\\bin999999999 xy"), "a");  // at most the bytes present
  EXPECT_EQ(TextOf("{\\rtf1 a\\bin99999999999999999999 xy"), "a");
}

TEST(RtfReader, MalformedInputKeepsTheTextReadSoFar) {
  const auto unclosed = LoadDocument("{\\rtf1 {\\b abc {\\i def");
  EXPECT_EQ(unclosed->PlainText(), "abc def");
  EXPECT_EQ(FormatOf(*unclosed, "def").fontWeight(), QFont::Bold);
  EXPECT_TRUE(FormatOf(*unclosed, "def").fontItalic());

  EXPECT_EQ(TextOf("{\\rtf1 abc}def}"), "abc");  // the document ends with its group
  EXPECT_EQ(TextOf("{\\rtf1 abc}}}}"), "abc");
  EXPECT_EQ(TextOf("{\\rtf1 ab\\'4"), "ab");
  EXPECT_EQ(TextOf("{\\rtf1 ab\\'"), "ab");
  EXPECT_EQ(TextOf("{\\rtf1 ab\\"), "ab");
  EXPECT_EQ(TextOf("{\\rtf1 ab\\'zz}"), "abzz");
  EXPECT_EQ(TextOf("{\\rtf1 ab\\'4z}"), "abz");
  EXPECT_EQ(TextOf("{\\rtf"), "");
  EXPECT_EQ(TextOf("{\\rtf1 a\\u"), "a");
  EXPECT_EQ(TextOf(std::string("{\\rtf1 a\0b\\'00c\\'0d\\u0?d}", 24)), "abcd");
}

TEST(RtfReader, DeepNestingIsBoundedAndEndsWithoutCrash) {
  const std::string open(100000, '{');
  const std::string close(100000, '}');
  EXPECT_EQ(TextOf("{\\rtf1 before" + open + "deep"), "before");
  // Groups past the bound are dropped whole; reading goes on after them.
  EXPECT_EQ(TextOf("{\\rtf1 a" + open + "deep" + close + "b}"), "ab");
  // Up to the bound, groups read normally.
  EXPECT_EQ(TextOf("{\\rtf1 " + std::string(98, '{') + "x" + std::string(98, '}') + "}"), "x");
}

TEST(RtfReader, AbsurdParametersAreClamped) {
  const auto document = LoadDocument(
      "{\\rtf1{\\fs999999999999 huge}{\\fs-5 tiny}{\\fs small}"
      "\\li99999999999\\ri-99999999999\\fi-99999999999 x}");
  EXPECT_DOUBLE_EQ(FormatOf(*document, "huge").fontPointSize(), 1638.0);
  EXPECT_DOUBLE_EQ(FormatOf(*document, "tiny").fontPointSize(), 1.0);
  EXPECT_DOUBLE_EQ(FormatOf(*document, "small").fontPointSize(), 12.0);
  const double twentyTwoInches = 22.0 * platform::kLayoutUnitsPerInch;
  EXPECT_DOUBLE_EQ(BlockFormatAt(*document, 0).leftMargin(), twentyTwoInches);
  EXPECT_DOUBLE_EQ(BlockFormatAt(*document, 0).rightMargin(), -twentyTwoInches);
  EXPECT_DOUBLE_EQ(BlockFormatAt(*document, 0).textIndent(), -twentyTwoInches);

  EXPECT_EQ(TextOf("{\\rtf1\\uc99999\\u8364 " + std::string(20, 'x') + "}"),
            "€" + std::string(4, 'x'));
  EXPECT_EQ(TextOf("{\\rtf1 \\u99999999?ok}"), "ok");
  EXPECT_EQ(TextOf("{\\rtf1{\\fonttbl{\\f0 A;}}\\f99999999999999 \\cf-2147483648 ok}"), "ok");
}

TEST(RtfReader, CharactersQtReservesNeverReachTheDocument) {
  // Frame markers and the object placeholder would corrupt the document.
  const auto document = LoadDocument("{\\rtf1 a\\u-560?b\\u-559?c\\u-4?d\\u-10179?e\\u-8694?f}");
  EXPECT_EQ(document->PlainText(), "a\uFFFDb\uFFFDc\uFFFDd\uFFFDe\uFFFDf");
  EXPECT_EQ(BlockCount(*document), 1);
}

// Speed is measured in the benchmarks; here only that a large input is read
// whole.
TEST(RtfReader, LargeInputIsReadWhole) {
  std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Times;}}";
  for (int i = 0; i < 100000; ++i) rtf += "{\\b x}{\\f1\\i y}\\par ";
  rtf += "}";
  const auto document = LoadDocument(rtf);
  EXPECT_EQ(BlockCount(*document), 100001);
  EXPECT_EQ(document->CharacterCount(), 300000);
}

}  // namespace
