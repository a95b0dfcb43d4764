// The report calls' states (Unloaded, Loaded) across the error flag, and
// their messages.
#include <unistd.h>

#include <filesystem>

#include "engine/page_layout.h"
#include "engine/report_model.h"
#include "engine/template_reader.h"
#include "platform/system/file_paths.h"
#include "tests/report_calls/report_calls_fixture.h"

namespace engine {
namespace {

TEST_F(ReportCalls, UpperCaseExtensionIsAccepted) {
  const std::string path = Write("REPORT.QNF", kAmountsTemplate);
  EXPECT_EQ(zBxCreateReport(path.c_str()), 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(ReportLoaded());
  EXPECT_FALSE(ErrorFlag());
  EXPECT_NE(FindTemplateItem(GetTemplateList(), "Amount"), nullptr);
}

TEST_F(ReportCalls, WrongExtensionIsRefusedEvenWhenTheFileExists) {
  const std::pair<const char*, const char*> cases[] = {
      {"report", "Tessel: Wrong file extention -- \"\"  "},
      {"report.qnf.bak", "Tessel: Wrong file extention -- \".bak\"  "},
      {"report.QNF_", "Tessel: Wrong file extention -- \".qnf_\"  "},
      {"dir.qnf/report", "Tessel: Wrong file extention -- \"\"  "}};
  for (const auto& [name, message] : cases) {
    const std::string path = Write(name, kAmountsTemplate);
    messages_.Clear();
    EXPECT_EQ(zBxCreateReport(path.c_str()), 0);
    EXPECT_EQ(Messages(), Texts{message}) << name;
    EXPECT_FALSE(ReportLoaded());
    EXPECT_TRUE(ErrorFlag());
  }
}

TEST_F(ReportCalls, NullFileNameIsTheEmptyText) {
  EXPECT_EQ(zBxCreateReport(nullptr), 0);
  EXPECT_EQ(Messages(), Texts{"Tessel: Wrong file extention -- \"\"  "});
  EXPECT_TRUE(ErrorFlag());
}

TEST_F(ReportCalls, MissingFileIsQuotedAsPassed) {
  EXPECT_EQ(zBxCreateReport("nowhere/Missing.QNF"), 0);
  EXPECT_EQ(Messages(), Texts{"Tessel: File not loaded: \"nowhere/Missing.QNF\"  "});
  EXPECT_FALSE(ReportLoaded());
  EXPECT_TRUE(ErrorFlag());
}

TEST_F(ReportCalls, FailedLoadAfterALoadedReportLeavesNoReport) {
  ASSERT_EQ(zBxCreateReport(WriteAmounts().c_str()), 0);
  ASSERT_TRUE(ReportLoaded());
  zBxCreateReport("missing.qnf");
  EXPECT_FALSE(ReportLoaded());
  EXPECT_TRUE(GetTemplateList().empty());
}

TEST_F(ReportCalls, RelativePathIsTakenFromTheCurrentFolder) {
  Write("sub/amounts.qnf", kAmountsTemplate);
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder_.Path());
  zBxCreateReport("sub/amounts.qnf");
  std::filesystem::current_path(before);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(ReportLoaded());
  EXPECT_EQ(TemplateFolder(), platform::AbsoluteWindowsPath((folder_.Path() / "sub").string()));
}

TEST_F(ReportCalls, ErrorFlagFreezesEveryReportCall) {
  const std::string path = WriteAmounts();
  zBxCreateReport((path + ".bak").c_str());
  ASSERT_TRUE(ErrorFlag());
  messages_.Clear();
  EXPECT_EQ(zBxBeginRegion("Rows"), 0);
  EXPECT_EQ(zBxSetVariable("Amount", "1"), 0);
  EXPECT_EQ(zBxEndRegion(), 0);
  EXPECT_EQ(zBxSetHighlight("Amount", "1", "equals"), 0);
  EXPECT_EQ(zBxPreviewReport(), 0);
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_EQ(zBxFreeReport(), 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(printer_.Log.empty());
  EXPECT_TRUE(ErrorFlag());
  // The next load clears it.
  EXPECT_EQ(zBxCreateReport(path.c_str()), 0);
  EXPECT_FALSE(ErrorFlag());
  EXPECT_TRUE(ReportLoaded());
}

TEST_F(ReportCalls, CallsBeforeAnyLoad) {
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_EQ(zBxBeginRegion("Rows"), 0);
  EXPECT_EQ(zBxEndRegion(), 0);
  EXPECT_EQ(zBxSetVariable("Amount", "1"), 0);
  EXPECT_EQ(zBxFreeReport(), 0);
  EXPECT_FALSE(ErrorFlag());
  EXPECT_TRUE(printer_.Log.empty());

  // These three set the flag, silently.
  for (int32_t (*call)() :
       {+[] { return zBxPreviewReport(); }, +[] { return zBxPrintWithDialog(); },
        +[] { return zBxSetHighlight("Amount", "1", "equals"); }}) {
    ClearErrorFlag();
    EXPECT_EQ(call(), 0);
    EXPECT_TRUE(ErrorFlag());
  }
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_TRUE(printer_.Log.empty());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportCalls, UnresolvedStyleLoadsButFreezes) {
  const std::string path =
      Write("nostyle.qnf", "[REPORT]\nRC1=LABEL\n[RC1]\nNAME=Caption\nTEXT=x\n");
  EXPECT_EQ(zBxCreateReport(path.c_str()), 0);
  EXPECT_EQ(Messages(), Texts{"Tessel: Style \"DEFAULTSTYLE\" not found"});
  EXPECT_TRUE(ReportLoaded());
  EXPECT_TRUE(ErrorFlag());
  zBxFreeReport();
  EXPECT_TRUE(ReportLoaded());
  EXPECT_NE(FindTemplateItem(GetTemplateList(), "Caption"), nullptr);
}

TEST_F(ReportCalls, ConversionErrorWhileReadingEndsInAMessage) {
  const std::string path = Write("bad.qnf", "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nPAPERWIDTH=wide\n");
  EXPECT_EQ(zBxCreateReport(path.c_str()), 0);
  EXPECT_EQ(Messages(), Texts{"Tessel: 'wide' is not a valid floating point value"});
  EXPECT_TRUE(ReportLoaded());
  EXPECT_TRUE(ErrorFlag());
  const rcDefItem* report = FindReportItem(GetTemplateList());
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->As<rcReport>().PaperWidth, 8.5);
}

TEST_F(ReportCalls, UnusablePaperIsRefusedAtLoad) {
  const std::string path =
      Write("paper.qnf", "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nPAPERHEIGHT=-11\n");
  zBxCreateReport(path.c_str());
  EXPECT_EQ(Messages(), Texts{"Tessel: Paper size 8.5 x -11 inches is not usable."});
  EXPECT_TRUE(ErrorFlag());
  EXPECT_EQ(zBxPreviewReport(), 0);
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_TRUE(printer_.Log.empty());
}

TEST_F(ReportCalls, FreeReportReleasesEverything) {
  zBxCreateReport(WriteAmounts().c_str());
  zBxBeginRegion("Rows");
  zBxSetVariable("Amount", "5");
  EXPECT_EQ(zBxFreeReport(), 0);
  EXPECT_FALSE(ReportLoaded());
  EXPECT_TRUE(GetTemplateList().empty());
  EXPECT_FALSE(ErrorFlag());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportCalls, LoadingAgainReleasesTheEarlierReport) {
  zBxCreateReport(WriteAmounts().c_str());
  zBxBeginRegion("Rows");
  zBxSetVariable("Amount", "5");
  zBxPreviewReport();
  const std::string other = Write("other.qnf", std::string(tessel_test::kStylesAndReport) +
                                                   "[REPORT]\nRC1=LABEL\n[RC1]\nNAME=Only\n");
  EXPECT_EQ(zBxCreateReport(other.c_str()), 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(FindTemplateItem(GetTemplateList(), "Rows"), nullptr);
  EXPECT_NE(FindTemplateItem(GetTemplateList(), "Only"), nullptr);
  EXPECT_TRUE(GetInstanceList().empty());
  EXPECT_FALSE(LaidOut());
}

TEST_F(ReportCalls, DirectPrintingIgnoresTheErrorFlag) {
  EXPECT_EQ(zBxPrintFile((folder_.Path() / "missing.txt").c_str()), -1);
  EXPECT_EQ(zBxPrintFile(nullptr), -1);
  zBxCreateReport("missing.doc");
  ASSERT_TRUE(ErrorFlag());
  messages_.Clear();
  EXPECT_EQ(zBxPrintFile((folder_.Path() / "missing.txt").c_str()), -1);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(ErrorFlag());
}

}  // namespace
}  // namespace engine
