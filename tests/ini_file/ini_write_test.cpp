#include "platform/ini/ini_file.h"

#include <string>
#include <vector>

#include "ini_fixture.h"

namespace {

using platform::TIniFile;

TEST_F(IniFileTest, WritesBuildTheFileInFirstWrittenOrder) {
  const std::string path = PathOf("new.qnf");
  {
    TIniFile ini(path);
    EXPECT_TRUE(ini.WriteString("RSTYLES", "RR0", "REPORTSTYLE"));
    EXPECT_TRUE(ini.WriteString("RR0", "PAPERWIDTH", "8,5"));
    EXPECT_TRUE(ini.WriteInteger("RR0", "ORIENTATION", -1));
    EXPECT_TRUE(ini.WriteString("RR0", "IMAGEFILELOCATION", ""));
    EXPECT_TRUE(ini.WriteString("rstyles", "RR1", "x"));
  }
  EXPECT_EQ(ReadFile(path),
            "[RSTYLES]\r\nRR0=REPORTSTYLE\r\nRR1=x\r\n"
            "[RR0]\r\nPAPERWIDTH=8,5\r\nORIENTATION=-1\r\nIMAGEFILELOCATION=\r\n");
  const TIniFile back(path);
  EXPECT_EQ(back.ReadString("RR0", "IMAGEFILELOCATION", "dflt"), "");
  EXPECT_EQ(back.ReadInteger("RR0", "ORIENTATION", 0), -1);
}

TEST_F(IniFileTest, ReplacingAValueKeepsItsPlaceAndTheRestOfTheFile) {
  const std::string path = WriteFile("t.qnf",
                                     "; made by hand\n[A]\nOne=1\n  Two = 2  \nThree=3\n\n[B]\nX=y\n");
  TIniFile ini(path);
  EXPECT_TRUE(ini.WriteString("a", "TWO", "zwei"));
  EXPECT_EQ(ReadFile(path), "; made by hand\r\n[A]\r\nOne=1\r\nTwo=zwei\r\nThree=3\r\n\r\n[B]\r\nX=y\r\n");
  EXPECT_EQ(ini.ReadString("A", "two", ""), "zwei");
}

TEST_F(IniFileTest, NewKeyGoesAfterTheLastKeyOfItsSection) {
  const std::string path = WriteFile("t.qnf", "[A]\r\nK=1\r\n\r\n; B follows\r\n[B]\r\nX=y\r\n");
  TIniFile ini(path);
  EXPECT_TRUE(ini.WriteString("A", "NEW", "v"));
  EXPECT_TRUE(ini.WriteString("B", "LAST", "w"));
  EXPECT_EQ(ReadFile(path), "[A]\r\nK=1\r\nNEW=v\r\n\r\n; B follows\r\n[B]\r\nX=y\r\nLAST=w\r\n");
  EXPECT_EQ(ini.ReadSection("A"), (std::vector<std::string>{"K", "NEW"}));
}

TEST_F(IniFileTest, WriteGoesToTheFirstOfTwinSectionsAndKeys) {
  const std::string path = WriteFile("t.qnf", "[S]\nK=1\nK=2\n[S]\nK=3\n");
  TIniFile ini(path);
  EXPECT_TRUE(ini.WriteString("S", "K", "new"));
  EXPECT_EQ(ReadFile(path), "[S]\r\nK=new\r\nK=2\r\n[S]\r\nK=3\r\n");
}

TEST_F(IniFileTest, NamesThatWouldBreakTheFileAreRefused) {
  const std::string path = WriteFile("t.qnf", "[S]\r\nK=1\r\n");
  TIniFile ini(path);
  EXPECT_FALSE(ini.WriteString("S", "A=B", "v"));
  EXPECT_FALSE(ini.WriteString("S", "", "v"));
  EXPECT_FALSE(ini.WriteString("S", "K\r\n[T]", "v"));
  EXPECT_FALSE(ini.WriteString("S]x", "K", "v"));
  EXPECT_FALSE(ini.WriteString("S", "[T]", "v"));
  EXPECT_EQ(ReadFile(path), "[S]\r\nK=1\r\n");
  // A line break inside a value cannot start a new key.
  EXPECT_TRUE(ini.WriteString("S", "K", "a\r\nINJECTED=1"));
  EXPECT_EQ(ReadFile(path), "[S]\r\nK=a  INJECTED=1\r\n");
  EXPECT_FALSE(ini.ValueExists("S", "INJECTED"));
}

TEST_F(IniFileTest, EraseSectionAndDeleteKey) {
  const std::string path = WriteFile("t.qnf", "[A]\nK=1\nL=2\nk=3\n[B]\nX=1\n[a]\nM=4\n");
  TIniFile ini(path);
  EXPECT_TRUE(ini.DeleteKey("A", "K"));
  EXPECT_EQ(ReadFile(path), "[A]\r\nL=2\r\n[B]\r\nX=1\r\n[a]\r\nM=4\r\n");
  EXPECT_FALSE(ini.ValueExists("A", "K"));
  EXPECT_TRUE(ini.EraseSection("A"));
  EXPECT_EQ(ReadFile(path), "[B]\r\nX=1\r\n");
  EXPECT_FALSE(ini.SectionExists("A"));
  // Nothing to remove: the file stays as it is.
  EXPECT_TRUE(ini.EraseSection("NONE"));
  EXPECT_TRUE(ini.DeleteKey("B", "NONE"));
  EXPECT_EQ(ReadFile(path), "[B]\r\nX=1\r\n");
}

TEST_F(IniFileTest, AFailedWriteKeepsTheValueInMemory) {
  TIniFile ini(PathOf("no/such/folder/t.qnf"));
  EXPECT_FALSE(ini.WriteString("S", "K", "v"));
  EXPECT_EQ(ini.ReadString("S", "K", ""), "v");
}

TEST_F(IniFileTest, WrittenValuesReadBackTheSame) {
  const std::string path = PathOf("t.qnf");
  TIniFile ini(path);
  EXPECT_TRUE(ini.WriteString("S", "TEXT", "Caf\xE9 = \x80"));
  EXPECT_TRUE(ini.WriteInteger("S", "MIN", INT32_MIN));
  const TIniFile back(path);
  EXPECT_EQ(back.ReadString("S", "TEXT", ""), "Caf\xE9 = \x80");
  EXPECT_EQ(back.ReadInteger("S", "MIN", 0), INT32_MIN);
}

TEST_F(IniFileTest, AValueReadingWouldChangeIsWrittenInDoubleQuotes) {
  struct Case {
    std::string given, inFile, readBack;
  };
  const std::vector<Case> cases = {
      {"'Total'", "\"'Total'\"", "'Total'"},
      {"\"Total\"", "\"\"Total\"\"", "\"Total\""},
      {" x ", "\" x \"", " x "},
      {"\"\"", "\"\"\"\"", "\"\""},
      {"'", "'", "'"},
      {"'open\"", "'open\"", "'open\""},
      {"it's 'x'", "it's 'x'", "it's 'x'"},
      // A line break becomes a blank, and then the value is one reading
      // would change.
      {"a\rb", "a b", "a b"},
      {"line\r\n", "\"line  \"", "line  "},
      {"", "", ""},
  };
  const std::string path = PathOf("t.qnf");
  std::string expectedFile = "[S]\r\n";
  {
    TIniFile ini(path);
    for (std::size_t i = 0; i < cases.size(); ++i) {
      const std::string key = "K" + std::to_string(i);
      EXPECT_TRUE(ini.WriteString("S", key, cases[i].given));
      EXPECT_EQ(ini.ReadString("S", key, "dflt"), cases[i].readBack) << cases[i].given;
      expectedFile += key + "=" + cases[i].inFile + "\r\n";
    }
  }
  EXPECT_EQ(ReadFile(path), expectedFile);
  const TIniFile back(path);
  for (std::size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(back.ReadString("S", "K" + std::to_string(i), "dflt"), cases[i].readBack) << cases[i].given;
}

TEST_F(IniFileTest, ACrOnlyFileIsWrittenBackWithCrLf) {
  const std::string path = WriteFile("t.qnf", "[A]\rK=1\r; note\r[B]\rX='y'\r");
  TIniFile ini(path);
  EXPECT_TRUE(ini.WriteString("A", "NEW", "v"));
  EXPECT_EQ(ReadFile(path), "[A]\r\nK=1\r\nNEW=v\r\n; note\r\n[B]\r\nX='y'\r\n");
  EXPECT_EQ(ini.ReadString("B", "X", ""), "y");
}

}  // namespace
