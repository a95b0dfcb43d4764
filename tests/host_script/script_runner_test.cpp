#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "host/host_descriptions_reader.h"
#include "host/script_error.h"
#include "host/script_parser.h"
#include "host/script_runner.h"

namespace host {
namespace {

// Records each call as "name|arg|arg", integers shown as #n.
class RecordingCaller : public FunctionCaller {
 public:
  int32_t Call(const FunctionDescription& function,
               const std::vector<CallArgument>& arguments) override {
    std::string call = function.name;
    for (const CallArgument& argument : arguments) {
      if (const auto* number = std::get_if<int32_t>(&argument)) {
        call += "|#" + std::to_string(*number);
      } else {
        call += "|" + std::get<std::string>(argument);
      }
    }
    calls.push_back(call);
    const auto result = results.find(function.name);
    return result == results.end() ? 0 : result->second;
  }

  std::vector<std::string> calls;
  std::map<std::string, int32_t> results;
};

class ScriptRunnerTest : public ::testing::Test {
 protected:
  // Runs the script; returns "" or "line N: message" when it stopped.
  std::string Run(const std::string& text) {
    ScriptRunner runner(descriptions_, caller_, report_, "/data/reports/");
    try {
      runner.Run(ParseScript(text));
    } catch (const ScriptError& error) {
      return "line " + std::to_string(error.Line()) + ": " + error.what();
    }
    return "";
  }

  HostDescriptions descriptions_{RequiredFunctions()};
  RecordingCaller caller_;
  std::ostringstream report_;
};

TEST_F(ScriptRunnerTest, ReportsEveryCallWithItsResult) {
  caller_.results["zBxSetVariable"] = 3;
  EXPECT_EQ(Run("zBxCreateReport(fileLocation^\"sales.qnf\")\n"
                "zBxBeginRegion(\"Region1\")\n"
                "     repeat with i:=1 to 2\n"
                "     zBxBeginRegion(\"Region2\")\n"
                "          zBxSetVariable(\"VAR2\",i)\n"
                "     zBxEndRegion()\n"
                "     end Repeat\n"
                "zBxEndRegion()\n"
                "Result:=zBxPrintGraphicFile(\"logo.bmp\",1,0,2)\n"
                "zBxFreeReport()\n"),
            "");
  EXPECT_EQ(report_.str(),
            "zBxCreateReport(\"/data/reports/sales.qnf\") = 0\n"
            "zBxBeginRegion(\"Region1\") = 0\n"
            "zBxBeginRegion(\"Region2\") = 0\n"
            "zBxSetVariable(\"VAR2\", \"1\") = 3\n"
            "zBxEndRegion() = 0\n"
            "zBxBeginRegion(\"Region2\") = 0\n"
            "zBxSetVariable(\"VAR2\", \"2\") = 3\n"
            "zBxEndRegion() = 0\n"
            "zBxEndRegion() = 0\n"
            "zBxPrintGraphicFile(\"logo.bmp\", 1, 0, 2) = 0\n"
            "zBxFreeReport() = 0\n");
}

TEST_F(ScriptRunnerTest, NestedLoopsConcatenationAndResults) {
  caller_.results["zBxPrintFile"] = -1;
  EXPECT_EQ(Run("repeat with i:=1 to 2\n"
                "  repeat with j:=i to 2\n"
                "    zBxBeginRegion(\"R\"^i^\"-\"^j^\"\")\n"
                "  end repeat\n"
                "end repeat\n"
                "repeat with k:=3 to 1\n"
                "  zBxBeginRegion(\"never\")\n"
                "end repeat\n"
                "Result:=zBxPrintFile(\"none.txt\")\n"
                "name:=\"after \"^Result\n"
                "zBxSetVariable(name,-12)\n"
                "zBxPrintScreen(i,\"7\",Result)\n"),
            "");
  EXPECT_EQ(caller_.calls, (std::vector<std::string>{
                               "zBxBeginRegion|R1-1", "zBxBeginRegion|R1-2", "zBxBeginRegion|R2-2",
                               "zBxPrintFile|none.txt", "zBxSetVariable|after -1|-12",
                               "zBxPrintScreen|#2|#7|#-1"}));
}

TEST_F(ScriptRunnerTest, MatchesFunctionsAndVariablesWithoutCase) {
  EXPECT_EQ(Run("ZBXSETHIGHLIGHT(FILELOCATION,\"10\",\"greaterThan\")\n"
                "Count:=4\n"
                "zbxprintwindow(COUNT,count,0,1)\n"),
            "");
  EXPECT_EQ(report_.str(),
            "zBxSetHighlight(\"/data/reports/\", \"10\", \"greaterThan\") = 0\n"
            "zBxPrintWindow(4, 4, 0, 1) = 0\n");
}

TEST_F(ScriptRunnerTest, PassesWindows1252TextUnchangedAndShowsItReadably) {
  EXPECT_EQ(Run("zBxBeginRegion(\"Caf\xE9\")\n"), "");
  EXPECT_EQ(caller_.calls, std::vector<std::string>{"zBxBeginRegion|Caf\xE9"});
  EXPECT_EQ(report_.str(), "zBxBeginRegion(\"Caf\xC3\xA9\") = 0\n");
}

TEST_F(ScriptRunnerTest, ChecksEveryCallBeforeRunningAny) {
  EXPECT_EQ(Run("zBxCreateReport(\"a.qnf\")\nzBxStartRegion(\"x\")\n"),
            "line 2: unknown function \"zBxStartRegion\"");
  EXPECT_EQ(Run("zBxCreateReport(\"a.qnf\")\n\nzBxSetVariable(\"VAR1\")\n"),
            "line 3: zBxSetVariable takes 2 arguments, not 1");
  EXPECT_EQ(Run("zBxEndRegion(1)\n"), "line 1: zBxEndRegion takes 0 arguments, not 1");
  EXPECT_EQ(Run("zBxCreateReport(\"a\",\"b\")\n"), "line 1: zBxCreateReport takes 1 argument, not 2");
  EXPECT_TRUE(caller_.calls.empty());
  EXPECT_EQ(report_.str(), "");
}

TEST_F(ScriptRunnerTest, StopsAtTheLineWhereAValueDoesNotFit) {
  EXPECT_EQ(Run("zBxPrintReport()\nzBxPrintScreen(1,\"two\",3)\nzBxFreeReport()\n"),
            "line 2: argument 2 of zBxPrintScreen is not an integer: \"two\"");
  EXPECT_EQ(caller_.calls, std::vector<std::string>{"zBxPrintReport"});

  EXPECT_EQ(Run("zBxBeginRegion(k)\n"), "line 1: the variable \"k\" has no value");
  EXPECT_EQ(Run("repeat with i:=1 to \"many\"\nend repeat\n"),
            "line 1: the last value of the loop is not an integer: \"many\"");
  EXPECT_EQ(Run("repeat with i:=\"1 \" to 2\nend repeat\n"),
            "line 1: the first value of the loop is not an integer: \"1 \"");
  EXPECT_EQ(Run("zBxPrintScreen(\"2147483648\",0,0)\n"),
            "line 1: argument 1 of zBxPrintScreen is not an integer: \"2147483648\"");
}

TEST_F(ScriptRunnerTest, BoundsTheIterationsOfAllLoopsTogether) {
  EXPECT_EQ(Run("repeat with i:=1 to 1000000\nend repeat\n"), "");
  EXPECT_EQ(Run("repeat with i:=1 to 1000001\n  zBxEndRegion()\nend repeat\n"),
            "line 1: the loops would run more than 1000000 times");
  EXPECT_TRUE(caller_.calls.empty());
  EXPECT_EQ(Run("repeat with i:=1 to 600000\nend repeat\n"
                "repeat with i:=1 to 400001\nend repeat\n"),
            "line 3: the loops would run more than 1000000 times");
  EXPECT_EQ(Run("repeat with i:=-2147483648 to 2147483647\nend repeat\n"),
            "line 1: the loops would run more than 1000000 times");
}

TEST_F(ScriptRunnerTest, BoundsTheLengthOfText) {
  EXPECT_EQ(Run("s:=\"0123456789abcdef\"\n"
                "repeat with i:=1 to 40\n"
                "  s:=s^s\n"
                "end repeat\n"),
            "line 3: the text grows longer than 1048576 characters");
}

}  // namespace
}  // namespace host
