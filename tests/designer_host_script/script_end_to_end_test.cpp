// The generated user-code script, its placeholders filled in, run by the
// host stand-in against the real engine: the report it prints holds the
// values the script set.
#include <filesystem>
#include <regex>
#include <string>

#include "tests/designer_host_script/script_test_support.h"
#include "tests/host_script/host_process.h"
#include "tests/printing/pdf_tools.h"

namespace tessel_test {
namespace {

using designer::TVariableType;

// The template the designer would save for the design below, in the
// engine's format.
const char* const kSalesTemplate =
    "[RSTYLES]\r\nRR0=REPORTSTYLE\r\n\r\n"
    "[RR0]\r\nREPORTWIDTH=8\r\nREPORTHEIGHT=10\r\nPAPERWIDTH=8.5\r\nPAPERHEIGHT=11\r\nPLACELEFT=0.25\r\n"
    "PLACETOP=0.5\r\nORIENTATION=0\r\nBORDERSTYLE=0\r\nBORDERTHICKNESS=2\r\nBORDERCOLOR=0\r\n"
    "BORDERLINETYPE=0\r\nIMAGEFILELOCATION=IMAGES\r\nRTFFILELOCATION=RTFS\r\n\r\n"
    "[STYLES]\r\nRS0=LABELSTYLE\r\n\r\n"
    "[RS0]\r\nSTYLENAME=DEFAULTSTYLE\r\nSTYLE=0\r\nSIZE=10\r\nCOLOR=0\r\nNAME=Arial\r\nALIGNMENT=NONE\r\n\r\n"
    "[REPORT]\r\nRC1=FIXEDREGION\r\n\r\n"
    "[RC1]\r\nNAME=Region1\r\nLEFT=0\r\nTOP=0\r\nWIDTH=800\r\nHEIGHT=400\r\nPARENT=REPORT\r\n"
    "BORDERSTYLE=0\r\nBORDERTHICKNESS=1\r\nBORDERCOLOR=0\r\nBORDERLINESTYLE=0\r\nABSOLUTE=0\r\n\r\n"
    "[Region1]\r\nRC2=LABEL\r\nRC3=VARIABLE\r\nRC4=REPEATREGION\r\n\r\n"
    "[RC2]\r\nNAME=TEXT1\r\nLEFT=10\r\nTOP=10\r\nWIDTH=150\r\nHEIGHT=20\r\nPARENT=Region1\r\n"
    "TEXT=Sales for\r\nSTYLE=DEFAULTSTYLE\r\n\r\n"
    "[RC3]\r\nNAME=Quarter\r\nLEFT=200\r\nTOP=10\r\nWIDTH=300\r\nHEIGHT=20\r\nPARENT=Region1\r\n"
    "VARTYPE=string\r\nHLWHEN=none\r\nHLVALUE=\r\nMASTERVARIABLE=0\r\nSTYLE=DEFAULTSTYLE\r\n"
    "HLSTYLE=DEFAULTSTYLE\r\n\r\n"
    "[RC4]\r\nNAME=Rows\r\nLEFT=0\r\nTOP=50\r\nWIDTH=800\r\nHEIGHT=30\r\nPARENT=Region1\r\n"
    "BORDERSTYLE=0\r\nBORDERTHICKNESS=1\r\nBORDERCOLOR=0\r\nBORDERLINESTYLE=0\r\nMULTIPAGE=FALSE\r\n\r\n"
    "[Rows]\r\nRC5=VARIABLE\r\nRC6=VARIABLE\r\n\r\n"
    "[RC5]\r\nNAME=Article\r\nLEFT=10\r\nTOP=5\r\nWIDTH=300\r\nHEIGHT=20\r\nPARENT=Rows\r\n"
    "VARTYPE=string\r\nHLWHEN=none\r\nHLVALUE=\r\nMASTERVARIABLE=0\r\nSTYLE=DEFAULTSTYLE\r\n"
    "HLSTYLE=DEFAULTSTYLE\r\n\r\n"
    "[RC6]\r\nNAME=PageNo\r\nLEFT=500\r\nTOP=5\r\nWIDTH=100\r\nHEIGHT=20\r\nPARENT=Rows\r\n"
    "VARTYPE=Page #\r\nHLWHEN=none\r\nHLVALUE=\r\nMASTERVARIABLE=0\r\nSTYLE=DEFAULTSTYLE\r\n"
    "HLSTYLE=DEFAULTSTYLE\r\n";

using ScriptEndToEndTest = HostScriptTest;

TEST_F(ScriptEndToEndTest, TheUserCodeScriptRunsInTheHostAndPrintsItsValues) {
  if (!std::filesystem::exists(ENGINE_LIBRARY_PATH)) GTEST_SKIP() << "the engine is not built";
  DesignBuilder design = Design();
  designer::TRegion* region = design.Fixed(design.Report(), "Region1");
  design.Label(region, "TEXT1", "Sales for");
  design.Variable(region, "Quarter", TVariableType::StringVar);
  designer::TRegion* rows = design.Repeat(region, "Rows");
  design.Variable(rows, "Article", TVariableType::StringVar);
  design.Variable(rows, "PageNo", TVariableType::PageNumVar);
  WriteFileBytes(folder() + "/sales.qnf", kSalesTemplate);

  std::string script = Generate(form().UCD1);
  ASSERT_NE(script.find("zBxSetVariable(\"Quarter\",--value--)"), std::string::npos) << script;
  script = std::regex_replace(script, std::regex("\"Quarter\",--value--"), "\"Quarter\",\"Spring Quarter\"");
  script = std::regex_replace(script, std::regex("\"Article\",--value--"), "\"Article\",\"Article number \"^i");
  script = std::regex_replace(script, std::regex("--loop count--"), "3");
  ASSERT_EQ(script.find("--"), std::string::npos) << script;
  WriteFileBytes(ScriptFile(), script);

  const host_test::ScratchFolder scratch;
  const std::string pdf = folder() + "/sales.pdf";
  const host_test::HostRun run =
      host_test::RunProgram(scratch, {ZBX_HOST_PATH, ENGINE_LIBRARY_PATH, ScriptFile()}, {"ZBX_PRINT_TO=" + pdf});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const std::string& line : host_test::Lines(run.err)) EXPECT_NE(line.rfind("Tessel: ", 0), 0u) << line;
  const std::vector<std::string> calls = host_test::Lines(run.out);
  ASSERT_EQ(calls.size(), 1u + 2u + 3u * 3u + 1u + 1u + 1u) << run.out;
  EXPECT_EQ(calls.front(), "zBxCreateReport(\"" + folder() + "/sales.qnf\") = 0");
  EXPECT_EQ(calls[4], "zBxSetVariable(\"Article\", \"Article number 1\") = 0");
  EXPECT_EQ(calls.back(), "zBxFreeReport() = 0");

  EXPECT_EQ(PdfInfo(pdf)["Pages"], "1");
  const std::string text = CommandOutput("pdftotext -layout '" + pdf + "' -");
  for (const char* expected : {"Sales for", "Spring Quarter", "Article number 1", "Article number 2",
                               "Article number 3"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " in:\n" << text;
  }
  EXPECT_EQ(text.find("Article number 4"), std::string::npos);
}

}  // namespace
}  // namespace tessel_test
