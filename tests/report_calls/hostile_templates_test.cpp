// Templates that no designer writes: each ends in a message or loads, and
// nothing hangs.
#include "engine/page_layout.h"
#include "engine/template_reader.h"
#include "tests/report_calls/report_calls_fixture.h"

namespace engine {
namespace {

TEST_F(ReportCalls, ContainerNamedReportIsRefused) {
  const std::string path = Write(
      "report.qnf", std::string(tessel_test::kStylesAndReport) +
                        "[REPORT]\nRC1=FIXEDREGION\n[RC1]\nNAME=report\nWIDTH=100\nHEIGHT=100\n");
  EXPECT_EQ(zBxCreateReport(path.c_str()), 0);
  EXPECT_EQ(Messages(),
            Texts{"Tessel: Section \"report\" is read already; its controls are not read again."});
  EXPECT_TRUE(ReportLoaded());
  EXPECT_TRUE(ErrorFlag());
}

TEST_F(ReportCalls, NameCycleIsRefused) {
  const std::string path = Write("cycle.qnf", std::string(tessel_test::kStylesAndReport) +
                                                  "[REPORT]\nRC1=FIXEDREGION\n[RC1]\nNAME=Outer\n"
                                                  "[Outer]\nRC2=FIXEDREGION\n[RC2]\nNAME=Inner\n"
                                                  "[Inner]\nRC3=FIXEDREGION\n[RC3]\nNAME=OUTER\n");
  EXPECT_EQ(zBxCreateReport(path.c_str()), 0);
  EXPECT_EQ(Messages(),
            Texts{"Tessel: Section \"OUTER\" is read already; its controls are not read again."});
  EXPECT_TRUE(ErrorFlag());
}

TEST_F(ReportCalls, StyleNamedLikeARegionDoesNotHideTheRegion) {
  const std::string path =
      Write("styles.qnf",
            "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\n[STYLES]\nRS0=LABELSTYLE\nRS1=LABELSTYLE\n"
            "[RS0]\nSTYLENAME=DEFAULTSTYLE\n[RS1]\nSTYLENAME=Rows\n"
            "[REPORT]\nRC1=REPEATREGION\n[RC1]\nNAME=Rows\nWIDTH=500\nHEIGHT=30\nPARENT=REPORT\n"
            "[Rows]\nRC2=VARIABLE\n[RC2]\nNAME=Amount\nWIDTH=100\nHEIGHT=20\nPARENT=Rows\n"
            "VARTYPE=string\nSTYLE=Rows\n");
  ASSERT_EQ(zBxCreateReport(path.c_str()), 0);
  EXPECT_EQ(zBxBeginRegion("Rows"), 0);
  EXPECT_EQ(zBxSetVariable("Amount", "x"), 0);
  EXPECT_EQ(zBxEndRegion(), 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
}

TEST_F(ReportCalls, ParentCycleLaysOutAndPrints) {
  const std::string path =
      Write("parents.qnf", std::string(tessel_test::kStylesAndReport) +
                               "[REPORT]\nRC1=FIXEDREGION\n"
                               "[RC1]\nNAME=A\nLEFT=0\nTOP=0\nWIDTH=600\nHEIGHT=300\nPARENT=B\n"
                               "[A]\nRC2=REPEATREGION\n"
                               "[RC2]\nNAME=B\nLEFT=10\nTOP=10\nWIDTH=500\nHEIGHT=40\nPARENT=A\n"
                               "[B]\nRC3=VARIABLE\n"
                               "[RC3]\nNAME=V\nLEFT=5\nTOP=5\nWIDTH=100\nHEIGHT=20\nPARENT=B\n"
                               "VARTYPE=string\n");
  ASSERT_EQ(zBxCreateReport(path.c_str()), 0);
  ASSERT_TRUE(Messages().empty());
  zBxBeginRegion("A");
  for (int row = 0; row < 3; ++row) {
    zBxBeginRegion("B");
    zBxSetVariable("V", "row");
    zBxEndRegion();
  }
  zBxEndRegion();
  EXPECT_EQ(zBxPreviewReport(), 0);
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_EQ(printer_.Jobs.size(), 1u);
  EXPECT_FALSE(InParentChain(*FindTemplateItem(GetTemplateList(), "B"), "C"));
}

}  // namespace
}  // namespace engine
