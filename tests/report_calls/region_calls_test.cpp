// The region, variable and highlight calls hand over to the model and add
// their own message after its one.
#include <algorithm>

#include "engine/page_layout.h"
#include "engine/report_model.h"
#include "engine/template_reader.h"
#include "tests/report_calls/report_calls_fixture.h"

namespace engine {
namespace {

class LoadedReport : public ReportCalls {
 protected:
  void SetUp() override {
    ReportCalls::SetUp();
    ASSERT_EQ(zBxCreateReport(WriteAmounts().c_str()), 0);
    ASSERT_TRUE(Messages().empty());
  }
};

TEST_F(LoadedReport, RegionsAndValuesReachTheModel) {
  for (const char* amount : {"1", "2", "3"}) {
    EXPECT_EQ(zBxBeginRegion("Rows"), 0);
    EXPECT_EQ(zBxSetVariable("Amount", amount), 0);
    EXPECT_EQ(zBxEndRegion(), 0);
  }
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
  ASSERT_EQ(GetInstanceList().size(), 3u);
  const TInstancePair& last = *GetInstanceList()[2];
  ASSERT_EQ(last.region->children.size(), 1u);
  EXPECT_EQ(last.region->children[0]->value->value, Variant(int32_t{3}));
}

TEST_F(LoadedReport, RegionNotFound) {
  EXPECT_EQ(zBxBeginRegion("Nowhere"), 0);
  EXPECT_EQ(Messages(), (Texts{"Tessel: Region \"Nowhere\" not found in zBXStartRegion.",
                               "Tessel: Could not perform ZbxStartRegion.  "}));
  EXPECT_TRUE(ErrorFlag());
}

TEST_F(LoadedReport, FailedEndRegionLeavesTheFlagClear) {
  EXPECT_EQ(zBxEndRegion(), 0);
  EXPECT_EQ(Messages(), Texts{"Tessel: Could not perform ZbxEndRegion.  "});
  EXPECT_FALSE(ErrorFlag());
  EXPECT_EQ(zBxBeginRegion("Rows"), 0);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(LoadedReport, FailedSetVariable) {
  EXPECT_EQ(zBxSetVariable("Amount", "5"), 0);  // no region open
  EXPECT_EQ(Messages(), Texts{"Tessel: Could not peform ZbxSetVariable.  "});
  EXPECT_TRUE(ErrorFlag());
}

TEST_F(LoadedReport, NullValueIsTheEmptyText) {
  zBxBeginRegion("Rows");
  EXPECT_EQ(zBxSetVariable(nullptr, nullptr), 0);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0], "Tessel: Variable \"\" not found in current region.");
  EXPECT_EQ(Messages()[1], "Tessel: Could not peform ZbxSetVariable.  ");
}

TEST_F(LoadedReport, HighlightRuleChangesTheTemplate) {
  EXPECT_EQ(zBxSetHighlight("Amount", "10", "GreaterThan"), 0);
  EXPECT_TRUE(Messages().empty());
  const rcVariable& amount = FindTemplateItem(GetTemplateList(), "Amount")->As<rcVariable>();
  EXPECT_EQ(amount.HighlightWhen, kHlGreaterThan);
  EXPECT_EQ(amount.HighlightValue, Variant(std::string("10")));
  EXPECT_FALSE(ErrorFlag());
}

TEST_F(LoadedReport, HighlightOfAnUnknownNameOrCondition) {
  EXPECT_EQ(zBxSetHighlight("Rows", "10", "equals"), 0);
  EXPECT_EQ(Messages(), (Texts{"Tessel: Variable Not found \"Rows\" in zBXSetHighLight.",
                               "Tessel: Could not perform ZbxSetHighLight.  "}));
  EXPECT_TRUE(ErrorFlag());

  ClearErrorFlag();
  messages_.Clear();
  EXPECT_EQ(zBxSetHighlight("Amount", "10", nullptr), 0);
  EXPECT_EQ(Messages(), (Texts{"Tessel: Highlight when \"\" NOT FOUND.",
                               "Tessel: Could not perform ZbxSetHighLight.  "}));
  EXPECT_TRUE(ErrorFlag());
}

TEST_F(LoadedReport, ModelCallsAfterALayoutDropIt) {
  const std::pair<const char*, int32_t (*)()> calls[] = {
      {"begin", +[] { return zBxBeginRegion("Rows"); }},
      {"set", +[] { return zBxSetVariable("Amount", "7"); }},
      {"highlight", +[] { return zBxSetHighlight("Amount", "3", "equals"); }},
      {"end", +[] { return zBxEndRegion(); }}};
  for (const auto& [name, call] : calls) {
    ASSERT_EQ(zBxPreviewReport(), 0);
    ASSERT_TRUE(LaidOut()) << name;
    call();
    EXPECT_FALSE(LaidOut()) << name;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(LoadedReport, PrintAfterPreviewShowsLaterValues) {
  zBxBeginRegion("Rows");
  zBxSetVariable("Amount", "41");
  zBxEndRegion();
  zBxPreviewReport();
  zBxBeginRegion("Rows");
  zBxSetVariable("Amount", "42");
  zBxEndRegion();
  EXPECT_EQ(zBxPrintReport(), 0);
  ASSERT_EQ(printer_.Jobs.size(), 1u);
  EXPECT_TRUE(printer_.Jobs[0].ended);
  Texts printed;
  for (const platform::RecordingCanvas& page : printer_.Jobs[0].pages) {
    for (const platform::CanvasCall& call : page.Calls) {
      if (call.kind == platform::CanvasCall::Kind::TextOut) printed.push_back(call.text);
    }
  }
  EXPECT_NE(std::find(printed.begin(), printed.end(), "41"), printed.end());
  EXPECT_NE(std::find(printed.begin(), printed.end(), "42"), printed.end());
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace engine
