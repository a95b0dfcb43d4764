// Plain text, lines added one by one and files: what the document holds and
// in which font.
#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "tests/rich_text/document_probe.h"

namespace {

using platform::RichTextDocument;
using platform::TFont;
using tessel_test::BlockCount;
using tessel_test::FamilyOf;
using tessel_test::FormatOf;
using tessel_test::LoadDocument;

TEST(PlainText, OnlyBytesBeginningWithTheRtfMarkAreRtf) {
  EXPECT_EQ(LoadDocument("hello {\\b x}")->PlainText(), "hello {\\b x}");
  EXPECT_EQ(LoadDocument(" {\\rtf1 x}")->PlainText(), " {\\rtf1 x}");
  EXPECT_EQ(LoadDocument("{\\RTF1 x}")->PlainText(), "{\\RTF1 x}");
  EXPECT_EQ(LoadDocument("{\\rt")->PlainText(), "{\\rt");
  EXPECT_EQ(LoadDocument("{\\rtf1 x}")->PlainText(), "x");
  EXPECT_EQ(LoadDocument("")->PlainText(), "");
  EXPECT_EQ(LoadDocument("")->CharacterCount(), 0);
}

TEST(PlainText, LinesEndAtCrLfCrOrLf) {
  const auto document = LoadDocument("one\r\ntwo\rthree\nfour\r\n");
  EXPECT_EQ(document->PlainText(), "one\ntwo\nthree\nfour");
  EXPECT_EQ(BlockCount(*document), 4);  // a closing line break starts no line
  EXPECT_EQ(LoadDocument("a\r\n\r\nb")->PlainText(), "a\n\nb");
  EXPECT_EQ(LoadDocument("a\n\n")->PlainText(), "a\n");
  EXPECT_EQ(LoadDocument("\r\n")->PlainText(), "");
}

TEST(PlainText, BytesAreWindows1252AndControlsOtherThanTabGo) {
  EXPECT_EQ(LoadDocument("caf\xe9 \x80\tx")->PlainText(), "café €\tx");
  EXPECT_EQ(LoadDocument(std::string("a\0b\fc\x1b", 6))->PlainText(), "abc");
  // A text file is Windows-1252 whatever it holds.
  EXPECT_EQ(LoadDocument("\\ansicpg1250 Prosz\xea \x82\xa0")->PlainText(), "\\ansicpg1250 Proszê ‚\u00a0");
}

TEST(PlainText, TakesTheDefaultFont) {
  RichTextDocument document;
  document.SetDefaultFont(TFont{"Times New Roman", 14, 0x0000FF, platform::fsBold | platform::fsUnderline});
  document.LoadFromBytes("some text");
  const QTextCharFormat format = FormatOf(document, "some");
  EXPECT_EQ(FamilyOf(format), "Times New Roman");
  EXPECT_DOUBLE_EQ(format.fontPointSize(), 14.0);
  EXPECT_EQ(format.fontWeight(), QFont::Bold);
  EXPECT_TRUE(format.fontUnderline());
  EXPECT_FALSE(format.fontItalic());
  EXPECT_FALSE(format.fontStrikeOut());
  EXPECT_EQ(format.foreground().color(), QColor(255, 0, 0));  // $00BBGGRR
}

TEST(AddLine, OneParagraphPerLineInTheDefaultFont) {
  RichTextDocument document;
  document.Clear();
  document.SetDefaultFont(TFont{"ARIAL", 12, 0x00FF00, platform::fsItalic | platform::fsStrikeOut});
  document.AddLine("first");
  document.AddLine("");
  document.AddLine("\x93quoted\x94");
  EXPECT_EQ(document.PlainText(), "first\n\n“quoted”");
  EXPECT_EQ(BlockCount(document), 3);
  EXPECT_EQ(document.CharacterCount(), 15);
  const QTextCharFormat format = FormatOf(document, "quoted");
  EXPECT_EQ(FamilyOf(format), "ARIAL");
  EXPECT_DOUBLE_EQ(format.fontPointSize(), 12.0);
  EXPECT_TRUE(format.fontItalic());
  EXPECT_TRUE(format.fontStrikeOut());
  EXPECT_EQ(format.foreground().color(), QColor(0, 255, 0));

  document.Clear();
  EXPECT_EQ(document.PlainText(), "");
  document.AddLine("again");
  EXPECT_EQ(document.PlainText(), "again");  // the font survives Clear
  EXPECT_EQ(FamilyOf(FormatOf(document, "again")), "ARIAL");
}

TEST(AddLine, AbsurdFontSizesAreClamped) {
  RichTextDocument document;
  document.SetDefaultFont(TFont{"ARIAL", -40, 0, 0});
  document.AddLine("small");
  document.SetDefaultFont(TFont{"ARIAL", 2000000000, 0, 0});
  document.AddLine("large");
  EXPECT_DOUBLE_EQ(FormatOf(document, "small").fontPointSize(), 1.0);
  EXPECT_DOUBLE_EQ(FormatOf(document, "large").fontPointSize(), 1638.0);
}

TEST(LoadFromFile, ReadsRtfAndTextAndRefusesWhatIsNoFile) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("tessel_rich_text_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return (folder / name).string();
  };
  RichTextDocument document;
  EXPECT_TRUE(document.LoadFromFile(write("a.rtf", "{\\rtf1 rich\\par text}")));
  EXPECT_EQ(document.PlainText(), "rich\ntext");
  EXPECT_TRUE(document.LoadFromFile(write("b.txt", "plain\r\ntext\r\n")));
  EXPECT_EQ(document.PlainText(), "plain\ntext");

  EXPECT_FALSE(document.LoadFromFile((folder / "missing.rtf").string()));
  EXPECT_EQ(document.PlainText(), "");
  document.AddLine("x");
  EXPECT_FALSE(document.LoadFromFile(folder.string()));  // a folder
  EXPECT_EQ(document.CharacterCount(), 0);
  std::filesystem::remove_all(folder);
}

}  // namespace
