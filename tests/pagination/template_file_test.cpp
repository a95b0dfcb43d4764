// A template read from its file and filled through the run-time model, as
// the exports do it, laid out by the module's own lists.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/engine_state.h"
#include "engine/page_layout.h"
#include "engine/report_model.h"
#include "engine/template_reader.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"
#include "tests/pagination/layout_trees.h"

namespace layout_test {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kListingTemplate =
    "[RSTYLES]\nRR0=REPORTSTYLE\n"
    "[RR0]\nREPORTWIDTH=8.0\nREPORTHEIGHT=10.5\nPAPERWIDTH=8.5\nPAPERHEIGHT=11.0\n"
    "PLACELEFT=0.5\nPLACETOP=0.5\nORIENTATION=0\n"
    "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n"
    "[REPORT]\nRC1=FIXEDREGION\n"
    "[RC1]\nNAME=List\nLEFT=0\nTOP=0\nWIDTH=800\nHEIGHT=1000\nPARENT=REPORT\nABSOLUTE=0\n"
    "[List]\nRC2=TITLEREGION\nRC4=REPEATREGION\n"
    "[RC2]\nNAME=Head\nLEFT=0\nTOP=0\nWIDTH=800\nHEIGHT=50\nPARENT=List\n"
    "[Head]\nRC3=LABEL\n"
    "[RC3]\nNAME=HeadText\nLEFT=10\nTOP=10\nWIDTH=200\nHEIGHT=20\nPARENT=Head\nTEXT=Orders\n"
    "STYLE=DEFAULTSTYLE\n"
    "[RC4]\nNAME=Rows\nLEFT=0\nTOP=50\nWIDTH=800\nHEIGHT=100\nPARENT=List\nMULTIPAGE=TRUE\n"
    "[Rows]\nRC5=VARIABLE\nRC6=VARIABLE\n"
    "[RC5]\nNAME=Cell\nLEFT=10\nTOP=10\nWIDTH=100\nHEIGHT=20\nPARENT=Rows\nVARTYPE=string\n"
    "HLWHEN=none\nSTYLE=DEFAULTSTYLE\nHLSTYLE=DEFAULTSTYLE\n"
    "[RC6]\nNAME=Extra\nLEFT=200\nTOP=10\nWIDTH=100\nHEIGHT=20\nPARENT=Rows\nVARTYPE=string\n"
    "HLWHEN=none\nSTYLE=DEFAULTSTYLE\nHLSTYLE=DEFAULTSTYLE\n";

class TemplateFileLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    engine::ClearErrorFlag();
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tessel-layout-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    const std::filesystem::path file = folder_ / "listing.qnf";
    std::ofstream(file, std::ios::binary) << kListingTemplate;
    engine::TemplateList& root = engine::OpenTemplate(platform::AbsoluteWindowsPath(file.string()));
    engine::ReadTemplateSection(root, "STYLES");
    engine::ReadTemplateSection(root, "RSTYLES");
    engine::EnsureReportItem(root);
    engine::ReadTemplateSection(root, "REPORT");
    engine::InitInstances();
  }
  void TearDown() override {
    engine::FreePageList();
    engine::FreeInstances();
    engine::FreeTemplate();
    engine::ClearErrorFlag();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  static void Row(const std::string& text) {
    ASSERT_TRUE(engine::BeginRegionInstance(engine::GetTemplateList(), "Rows"));
    ASSERT_TRUE(engine::SetVariableValue("Cell", text));
    ASSERT_TRUE(engine::EndRegionInstance());
  }
  static Lines PageLines(size_t index) { return Describe(*engine::GetPages().at(index)); }

  std::filesystem::path folder_;
  platform::ScopedMessageRecorder messages;
};

TEST_F(TemplateFileLayout, RecordsFromTheHostFlowUnderTheTitle) {
  ASSERT_TRUE(engine::BeginRegionInstance(engine::GetTemplateList(), "List"));
  for (int i = 0; i < 12; ++i) {
    Row("row " + std::to_string(i));
    // A record that received nothing vanishes and takes no room.
    ASSERT_TRUE(engine::BeginRegionInstance(engine::GetTemplateList(), "Rows"));
    ASSERT_TRUE(engine::EndRegionInstance());
  }
  ASSERT_TRUE(engine::EndRegionInstance());
  engine::RunLayout();

  ASSERT_EQ(engine::GetPages().size(), 3u);
  EXPECT_EQ(PageLines(0), (Lines{"Report Style (50, 50, 840, 1090)", "List (50, 50, 850, 1050)"}));
  Lines page1{"Head (50, 50, 850, 100)", "HeadText (60, 60, 260, 80)"};
  for (int k = 0; k < 9; ++k) {
    page1.push_back("Rows " + Describe(TRect{50, 100 + 100 * k, 850, 200 + 100 * k}));
    page1.push_back("Cell " + Describe(TRect{60, 110 + 100 * k, 160, 130 + 100 * k}));
  }
  EXPECT_EQ(PageLines(1), page1);
  const Lines page2 = PageLines(2);
  ASSERT_EQ(page2.size(), 6u);
  EXPECT_EQ(page2.front(), "Rows (50, 50, 850, 150)");
  EXPECT_EQ(page2.back(), "Cell (60, 260, 160, 280)");
  EXPECT_EQ(engine::GetReportOrientation(), 0);
  EXPECT_EQ(&engine::GetTemplateItems(), &engine::GetTemplateList());
  EXPECT_TRUE(engine::LaidOut());
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(TemplateFileLayout, ClearingTheLaidOutFlagKeepsThePages) {
  engine::RunLayout();
  ASSERT_EQ(engine::GetPages().size(), 1u);
  engine::ClearLaidOut();
  EXPECT_FALSE(engine::LaidOut());
  EXPECT_EQ(engine::GetPages().size(), 1u);
  engine::FreePageList();
  EXPECT_TRUE(engine::GetPages().empty());
  EXPECT_FALSE(engine::LaidOut());
}

}  // namespace
}  // namespace layout_test
