#include "platform/ini/ini_file.h"

#include <string>
#include <vector>

#include "ini_fixture.h"

namespace {

using platform::TIniFile;
using Keys = std::vector<std::string>;

TEST_F(IniFileTest, NamesMatchWithoutCaseAndKeysListInFileOrder) {
  const TIniFile ini(WriteFile("t.qnf",
                               "[Report]\r\nRC2=LABEL\r\nrc1=FIXEDREGION\r\nRC10=VARIABLE\r\n"
                               "[RC1]\r\nName=Header\r\n"));
  EXPECT_EQ(ini.ReadSection("REPORT"), (Keys{"RC2", "rc1", "RC10"}));
  EXPECT_EQ(ini.ReadString("report", "RC1", "x"), "FIXEDREGION");
  EXPECT_EQ(ini.ReadString("rc1", "NAME", "x"), "Header");
  EXPECT_EQ(ini.ReadString("RC1", "missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("nosuch", "NAME", ""), "");
  EXPECT_EQ(ini.ReadSections(), (Keys{"Report", "RC1"}));
  EXPECT_TRUE(ini.ValueExists("RC1", "name"));
  EXPECT_FALSE(ini.ValueExists("RC1", "TEXT"));
}

TEST_F(IniFileTest, BlanksAroundNamesAndValuesAndOneQuotePairAreDropped) {
  const TIniFile ini(WriteFile("t.qnf",
                               "  [ RC1 ]  \n"
                               "  TEXT  =   Hello world   \n"
                               "QUOTED=\"  inner  \"\n"
                               "TWICE=\"\"x\"\"\n"
                               "HALF=\"open\n"
                               "INSIDE=a \"b\" c\n"
                               "EMPTY=\n"
                               "TAB=\tv\t\n"));
  EXPECT_EQ(ini.ReadString("RC1", " TEXT ", ""), "Hello world");
  EXPECT_EQ(ini.ReadString("RC1", "QUOTED", ""), "  inner  ");
  EXPECT_EQ(ini.ReadString("RC1", "TWICE", ""), "\"x\"");
  EXPECT_EQ(ini.ReadString("RC1", "HALF", ""), "\"open");
  EXPECT_EQ(ini.ReadString("RC1", "INSIDE", ""), "a \"b\" c");
  EXPECT_EQ(ini.ReadString("RC1", "EMPTY", "dflt"), "");
  EXPECT_TRUE(ini.ValueExists("RC1", "EMPTY"));
  EXPECT_EQ(ini.ReadString("RC1", "TAB", ""), "v");
}

TEST_F(IniFileTest, SingleQuotesCountAsQuotesWhenOnePairEnclosesTheValue) {
  // As the file holds it, and as it reads.
  const std::vector<std::pair<std::string, std::string>> values = {
      {"'Total'", "Total"},
      {"  ' in '  ", " in "},
      {"\"'kept'\"", "'kept'"},
      {"'\"kept\"'", "\"kept\""},
      {"'open\"", "'open\""},
      {"\"open'", "\"open'"},
      {"'", "'"},
      {"''", ""},
      {"it's 'x' and 'y'", "it's 'x' and 'y'"},
      // The first and last characters decide, whatever stands between them.
      {"'a' b'", "a' b"},
  };
  std::string text = "[S]\n";
  for (std::size_t i = 0; i < values.size(); ++i) text += "K" + std::to_string(i) + "=" + values[i].first + "\n";
  const TIniFile ini(WriteFile("t.qnf", text));
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(ini.ReadString("S", "K" + std::to_string(i), "dflt"), values[i].second) << values[i].first;
}

TEST_F(IniFileTest, LinesEndAtCrLfLfOrCrAlone) {
  const std::string body = "[A]|K1=one|K2='two'||[B]|K=b|";
  std::string crlf, lf, cr;
  for (char c : body) {
    crlf += c == '|' ? std::string("\r\n") : std::string(1, c);
    lf += c == '|' ? std::string("\n") : std::string(1, c);
    cr += c == '|' ? std::string("\r") : std::string(1, c);
  }
  const TIniFile a(WriteFile("crlf.qnf", crlf));
  const TIniFile b(WriteFile("lf.qnf", lf));
  const TIniFile c(WriteFile("cr.qnf", cr));
  for (const TIniFile* ini : {&a, &b, &c}) {
    EXPECT_EQ(ini->ReadSections(), (Keys{"A", "B"})) << ini->FileName();
    EXPECT_EQ(ini->ReadSection("A"), (Keys{"K1", "K2"})) << ini->FileName();
    EXPECT_EQ(ini->ReadString("A", "K1", ""), "one") << ini->FileName();
    EXPECT_EQ(ini->ReadString("A", "K2", ""), "two") << ini->FileName();
    EXPECT_EQ(ini->ReadString("B", "K", ""), "b") << ini->FileName();
  }
  // All three in one file; LF CR is two line ends, so an empty line.
  const TIniFile mixed(WriteFile("mixed.qnf", "[A]\rK1=one\nK2=two\r\nK3=three\n\rK4=four\r\r[B]\rK=b"));
  EXPECT_EQ(mixed.ReadSection("A"), (Keys{"K1", "K2", "K3", "K4"}));
  EXPECT_EQ(mixed.ReadString("A", "K2", ""), "two");
  EXPECT_EQ(mixed.ReadString("A", "K4", ""), "four");
  EXPECT_EQ(mixed.ReadString("B", "K", ""), "b");
  // A value never holds a line end: what follows a CR is a line of its own.
  const TIniFile split(WriteFile("split.qnf", "[A]\r\nTEXT=two\rlines\r\nNEXT=x=y\rK=v\r\n"));
  EXPECT_EQ(split.ReadSection("A"), (Keys{"TEXT", "NEXT", "K"}));
  EXPECT_EQ(split.ReadString("A", "TEXT", ""), "two");
  EXPECT_EQ(split.ReadString("A", "NEXT", ""), "x=y");
  // A last line without any line end still counts.
  const TIniFile open(WriteFile("open.qnf", "[A]\r\nK=end"));
  EXPECT_EQ(open.ReadString("A", "K", ""), "end");
}

TEST_F(IniFileTest, ValuesAreCutAt1023Characters) {
  const std::string longValue(1500, 'v');
  const std::string exact(1023, 'e');
  const TIniFile ini(WriteFile("t.qnf", "[S]\nLONG=" + longValue + "\nEXACT=" + exact + "\nNUM=" +
                                            std::string(1100, '0') + "7\n"));
  EXPECT_EQ(ini.ReadString("S", "LONG", ""), std::string(1023, 'v'));
  EXPECT_EQ(ini.ReadString("S", "EXACT", ""), exact);
  // The digit beyond the cut is not seen.
  EXPECT_EQ(ini.ReadInteger("S", "NUM", -1), 0);
}

TEST_F(IniFileTest, IntegersReadDecimalOrHexElseTheDefault) {
  const TIniFile ini(WriteFile("t.qnf",
                               "[S]\nDEC=-42\nHEX=0x1F\nHEXUP=0XFF\nALL=0xFFFFFFFF\nBIG=2147483648\n"
                               "TEXT=12px\nREAL=8.5\nEMPTY=\nQUOTED=\" 15\"\nDOLLAR=$10\nJUSTX=0x\n"));
  EXPECT_EQ(ini.ReadInteger("S", "DEC", 0), -42);
  EXPECT_EQ(ini.ReadInteger("S", "HEX", 0), 31);
  EXPECT_EQ(ini.ReadInteger("S", "HEXUP", 0), 255);
  EXPECT_EQ(ini.ReadInteger("S", "ALL", 0), -1);
  EXPECT_EQ(ini.ReadInteger("S", "BIG", 7), 7);
  EXPECT_EQ(ini.ReadInteger("S", "TEXT", 7), 7);
  EXPECT_EQ(ini.ReadInteger("S", "REAL", 7), 7);
  EXPECT_EQ(ini.ReadInteger("S", "EMPTY", 7), 7);
  EXPECT_EQ(ini.ReadInteger("S", "QUOTED", 7), 15);
  EXPECT_EQ(ini.ReadInteger("S", "DOLLAR", 7), 16);
  EXPECT_EQ(ini.ReadInteger("S", "JUSTX", 7), 7);
  EXPECT_EQ(ini.ReadInteger("S", "MISSING", 15), 15);
}

TEST_F(IniFileTest, CommentsAndLinesWithoutEqualsAreNoKeys) {
  const TIniFile ini(WriteFile("t.qnf",
                               "ORPHAN=before any section\n[S]\n; RC9=LABEL\n  ;X=1\njust words\n=novalue\n"
                               "RC1=LABEL\n\nRC2=VARIABLE\n"));
  EXPECT_EQ(ini.ReadSection("S"), (Keys{"RC1", "RC2"}));
  EXPECT_EQ(ini.ReadString("S", "; RC9", "none"), "none");
  EXPECT_EQ(ini.ReadSections(), (Keys{"S"}));
}

TEST_F(IniFileTest, TheFirstOfTwinSectionsOrKeysAnswers) {
  const TIniFile ini(WriteFile("t.qnf", "[S]\nK=first\nOTHER=1\nk=second\n[s]\nK=third\nLATE=x\n"));
  EXPECT_EQ(ini.ReadString("S", "K", ""), "first");
  EXPECT_EQ(ini.ReadSection("S"), (Keys{"K", "OTHER", "k"}));
  EXPECT_EQ(ini.ReadString("S", "LATE", "unseen"), "unseen");
  EXPECT_EQ(ini.ReadSections(), (Keys{"S"}));
}

TEST_F(IniFileTest, KeyListIsNotCutForLargeContainers) {
  std::string bytes = "[BIG]\r\n";
  for (int i = 1; i <= 2000; ++i) bytes += "RC" + std::to_string(i) + "=LABEL\r\n";
  const TIniFile ini(WriteFile("t.qnf", bytes));
  const Keys keys = ini.ReadSection("BIG");
  ASSERT_EQ(keys.size(), 2000u);
  EXPECT_EQ(keys.back(), "RC2000");
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndSectionExistsNeedsAKey) {
  const TIniFile missing(PathOf("none.qnf"));
  EXPECT_EQ(missing.FileName(), PathOf("none.qnf"));
  EXPECT_TRUE(missing.ReadSections().empty());
  EXPECT_FALSE(missing.SectionExists("REPORT"));

  const TIniFile ini(WriteFile("t.qnf", "[EMPTY]\n; nothing\n[FULL]\nA=1\n"));
  EXPECT_FALSE(ini.SectionExists("EMPTY"));
  EXPECT_TRUE(ini.SectionExists("full"));
}

TEST_F(IniFileTest, Windows1252BytesPassUnchanged) {
  const TIniFile ini(WriteFile("t.qnf", "[S\xC4]\nTEXT=Caf\xE9 \x80 5\n"));
  EXPECT_EQ(ini.ReadString("S\xC4", "TEXT", ""), "Caf\xE9 \x80 5");
}

}  // namespace
