// Templates from other editors printed through the host stand-in: their
// values and lines are read as the private-profile functions read them, and
// what the PDF shows is what Windows would print.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/host_script/host_process.h"
#include "tests/printing/pdf_tools.h"

namespace tessel_test {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kHead =
    "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\nSIZE=12\nNAME=Arial\n"
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nBORDERSTYLE=0\n";

std::string Label(int number, int top, const std::string& text) {
  return "[RC" + std::to_string(number) + "]\nNAME=L" + std::to_string(number) + "\nLEFT=10\nTOP=" +
         std::to_string(top) + "\nWIDTH=300\nHEIGHT=20\nPARENT=REPORT\nTEXT=" + text + "\nSTYLE=DEFAULTSTYLE\n";
}

// The text with each "\n" made the given line end.
std::string WithLineEnds(const std::string& text, const std::string& lineEnd) {
  std::string out;
  for (char c : text) out += c == '\n' ? lineEnd : std::string(1, c);
  return out;
}

struct Printed {
  host_test::HostRun run;
  Strings lines;  // the page's text, line by line, without empty lines
};

Printed PrintTemplate(const std::string& templateBytes, const std::string& calls) {
  host_test::ScratchFolder scratch;
  scratch.Write("values.qnf", templateBytes);
  const std::filesystem::path script = scratch.Write(
      "values.txt", "zBxCreateReport(fileLocation^\"values.qnf\")\n" + calls + "zBxPrintReport()\nzBxFreeReport()\n");
  const std::string pdf = (scratch.Path() / "values.pdf").string();
  Printed printed;
  printed.run =
      host_test::RunProgram(scratch, {ZBX_HOST_PATH, ENGINE_LIBRARY_PATH, script.string()}, {"ZBX_PRINT_TO=" + pdf});
  for (const std::string& line :
       host_test::Lines(CommandOutput("pdftotext -f 1 -l 1 -layout '" + pdf + "' - 2>/dev/null"))) {
    const std::size_t first = line.find_first_not_of(" \f");
    if (first != std::string::npos) printed.lines.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
  }
  return printed;
}

class PrintedValues : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(ENGINE_LIBRARY_PATH)) GTEST_SKIP() << "the engine is not built";
  }
};

TEST_F(PrintedValues, OnePairOfSingleOrDoubleQuotesAroundATextIsDropped) {
  const std::string text = std::string(kHead) + "[REPORT]\nRC1=LABEL\nRC2=LABEL\nRC3=LABEL\nRC4=LABEL\nRC5=LABEL\n" +
                           Label(1, 10, "'Total'") + Label(2, 40, "\"Sum\"") + Label(3, 70, "  'Padded'  ") +
                           Label(4, 100, "\"'Inner'\"") + Label(5, 130, "'Half\"");
  const Printed printed = PrintTemplate(WithLineEnds(text, "\r\n"), "");
  ASSERT_EQ(printed.run.exitCode, 0) << printed.run.err;
  EXPECT_EQ(printed.run.err.find("Tessel: "), std::string::npos) << printed.run.err;
  EXPECT_EQ(printed.lines, (Strings{"Total", "Sum", "Padded", "'Inner'", "'Half\""}));
}

TEST_F(PrintedValues, ATemplateWhoseLinesEndInCrAlonePrints) {
  const std::string text = std::string(kHead) + "[REPORT]\nRC1=LABEL\nRC2=REPEATREGION\n" + Label(1, 10, "Items") +
                           "[RC2]\nNAME=Rows\nLEFT=10\nTOP=40\nWIDTH=400\nHEIGHT=30\nPARENT=REPORT\nBORDERSTYLE=0\n"
                           "[Rows]\nRC3=VARIABLE\n"
                           "[RC3]\nNAME=Item\nLEFT=5\nTOP=5\nWIDTH=200\nHEIGHT=20\nPARENT=Rows\nVARTYPE=string\n"
                           "STYLE=DEFAULTSTYLE\nHLSTYLE=DEFAULTSTYLE\n";
  const std::string calls =
      "zBxBeginRegion(\"Rows\")\nzBxSetVariable(\"Item\",\"Apples\")\nzBxEndRegion()\n"
      "zBxBeginRegion(\"Rows\")\nzBxSetVariable(\"Item\",\"Pears\")\nzBxEndRegion()\n";
  for (const char* lineEnd : {"\r", "\r\n"}) {
    const Printed printed = PrintTemplate(WithLineEnds(text, lineEnd), calls);
    ASSERT_EQ(printed.run.exitCode, 0) << printed.run.err;
    EXPECT_EQ(printed.run.err.find("Tessel: "), std::string::npos) << printed.run.err;
    EXPECT_EQ(printed.run.out.find(") = -"), std::string::npos) << printed.run.out;
    EXPECT_EQ(printed.lines, (Strings{"Items", "Apples", "Pears"})) << (lineEnd[1] ? "CR LF" : "CR");
  }
}

}  // namespace
}  // namespace tessel_test
