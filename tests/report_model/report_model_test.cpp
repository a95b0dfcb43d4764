#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/report_model.h"
#include "platform/system/locale_settings.h"
#include "platform/system/message_box.h"

namespace engine {
namespace {

using std::string;
using Texts = std::vector<string>;

std::unique_ptr<rcDefItem> Item(string name, uint8_t type, decltype(rcDefItem::Data) data) {
  auto item = std::make_unique<rcDefItem>();
  item->Name = std::move(name);
  item->ItemType = type;
  item->Data = std::move(data);
  return item;
}

template <class Record>
std::unique_ptr<rcDefItem> Region(string name, uint8_t type, std::vector<std::unique_ptr<rcDefItem>> children,
                                   int32_t top = 0) {
  Record record;
  record.Left = 10;
  record.Top = top;
  record.Width = 300;
  record.Height = 40;
  for (auto& child : children) record.Children.push_back(std::move(child));
  return Item(std::move(name), type, std::move(record));
}

std::unique_ptr<rcDefItem> Var(string name, uint8_t varType, uint8_t when = kHlNone, Variant rule = {},
                               bool master = false) {
  rcVariable variable;
  variable.VarType = varType;
  variable.HighlightWhen = when;
  variable.HighlightValue = std::move(rule);
  variable.IsMaster = master;
  return Item(std::move(name), kVariable, std::move(variable));
}

template <class... Items>
std::vector<std::unique_ptr<rcDefItem>> List(Items... items) {
  std::vector<std::unique_ptr<rcDefItem>> list;
  (list.push_back(std::move(items)), ...);
  return list;
}

// A repeat region shares its name with a text style that comes first in the
// root list, as a template may have it.
TemplateList BuildTemplate() {
  return List(
      Item("Rows", kTextStyle, rcStyle{"Rows", {}}), Item("Report Style", kReportStyle, rcReport{}),
      Region<rcFixedRegion>("Header", kFixedRegion,
                            List(Var("Title", kVarString), Item("Caption", kLabel, rcLabel{}))),
      Region<rcRepeatRegion>(
          "Rows", kRepeatRegion,
          List(Var("Qty", kVarInteger, kHlGreaterThan, 5, true), Var("Price", kVarFloatingPoint),
               Var("Name", kVarString, kHlLessThan, string("b")),
               Var("Follow", kVarString, kHlMasterHighlighted, string("0")),
               Var("Page", kVarPageNumber), Item("Pic", kImageRegion, rcGraphicRegion{}),
               Item("Notes", kRichTextRegion, rcRichText{}),
               Region<rcRepeatRegion>("Sub", kRepeatRegion, List(Var("Line", kVarString)))),
          100),
      Region<rcTitleRegion>("Heading", kTitleRegion, {}),
      Region<rcShapeRegion>("Box", kShapeRegion,
                            List(Var("Follower", kVarInteger, kHlMasterHighlighted, 0),
                                 Var("Lead", kVarInteger, kHlEquals, 1, true))));
}

class ReportModel : public ::testing::Test {
 protected:
  void SetUp() override { InitInstances(); }
  void TearDown() override {
    FreeInstances();
    platform::ResetLocaleSettings();
  }

  bool Begin(const string& name) { return BeginRegionInstance(root_, name); }
  const Texts& Messages() const { return recorder_.Texts(); }
  static TRegionInstance& Top(size_t i) { return *GetInstanceList().at(i)->region; }
  static const rcVariableData& Value(const TRegionInstance& region, size_t i) {
    return *region.children.at(i)->value;
  }

  rcDefItem& RowsChild(size_t i) { return *root_.at(3)->As<rcRepeatRegion>().Children.at(i); }

  TemplateList root_ = BuildTemplate();
  platform::ScopedMessageRecorder recorder_;
};

TEST_F(ReportModel, RepeatEntriesBecomeSiblingsInCallOrder) {
  for (const char* qty : {"1", "2", "3"}) {
    ASSERT_TRUE(Begin("Rows"));
    ASSERT_TRUE(SetVariableValue("Qty", qty));
    ASSERT_TRUE(EndRegionInstance());
  }
  ASSERT_EQ(GetInstanceList().size(), 3u);
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(GetInstanceList()[i]->item->Name, "Rows");
    EXPECT_EQ(Top(i).rect, (platform::TRect{10, 100, 310, 140}));
    ASSERT_EQ(Top(i).children.size(), 1u);
    EXPECT_EQ(Value(Top(i), 0).value, Variant{i + 1});
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportModel, RegionThatReceivedNothingLeavesNoTrace) {
  ASSERT_TRUE(Begin("Rows"));
  ASSERT_TRUE(SetVariableValue("Name", "x"));
  ASSERT_TRUE(Begin("Sub"));
  ASSERT_TRUE(EndRegionInstance());
  ASSERT_EQ(Top(0).children.size(), 1u);
  EXPECT_EQ(Top(0).children[0]->item->Name, "Name");
  ASSERT_TRUE(EndRegionInstance());
  ASSERT_TRUE(Begin("Header"));
  ASSERT_TRUE(EndRegionInstance());
  EXPECT_EQ(GetInstanceList().size(), 1u);
  EXPECT_FALSE(EndRegionInstance());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportModel, NestedRegionCanBeEnteredDirectlyWhenNoneIsOpen) {
  ASSERT_TRUE(Begin("Sub"));
  ASSERT_TRUE(SetVariableValue("Line", "one"));
  ASSERT_TRUE(EndRegionInstance());
  ASSERT_EQ(GetInstanceList().size(), 1u);
  EXPECT_EQ(GetInstanceList()[0]->item->Name, "Sub");
}

TEST_F(ReportModel, NonChildRegionFailsAndTheModelRefusesAfterwards) {
  ASSERT_TRUE(Begin("Header"));
  EXPECT_FALSE(Begin("Rows"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Variable \"Rows\" not found in current region.",
                               "Tessel: Region \"Rows\" not found in zBXStartRegion."}));
  recorder_.Clear();
  EXPECT_FALSE(SetVariableValue("Title", "t"));
  EXPECT_FALSE(EndRegionInstance());
  EXPECT_FALSE(Begin("Header"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Region \"Header\" not found in zBXStartRegion."}));
  EXPECT_TRUE(Top(0).children.empty());

  InitInstances();
  EXPECT_TRUE(GetInstanceList().empty());
  EXPECT_TRUE(Begin("Header"));
}

TEST_F(ReportModel, EndWithNothingOpenFailsQuietlyAndLeavesTheModelWorking) {
  EXPECT_FALSE(EndRegionInstance());
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Begin("Header"));
}

TEST_F(ReportModel, SetVariableWithNoRegionOpenFailsSilentlyAndStopsTheModel) {
  EXPECT_FALSE(SetVariableValue("Title", "t"));
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(Begin("Header"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Region \"Header\" not found in zBXStartRegion."}));
}

TEST_F(ReportModel, TextThatIsNoIntegerIsReportedAndNotAdded) {
  ASSERT_TRUE(Begin("Rows"));
  EXPECT_FALSE(SetVariableValue("Qty", "12x"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Data conversion error for \"Qty\", \"12x\". \""}));
  EXPECT_TRUE(Top(0).children.empty());
  EXPECT_FALSE(SetVariableValue("Qty", "12"));
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(ReportModel, FloatingPointUsesTheLocaleSeparatorOnly) {
  platform::SetDecimalSeparator(',');
  ASSERT_TRUE(Begin("Rows"));
  ASSERT_TRUE(SetVariableValue("Price", "2,5"));
  EXPECT_EQ(Value(Top(0), 0).value, Variant{2.5});
  EXPECT_FALSE(SetVariableValue("Price", "2.5"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Data conversion error for \"Price\", \"2.5\". \""}));

  InitInstances();
  platform::SetDecimalSeparator('.');
  ASSERT_TRUE(Begin("Rows"));
  ASSERT_TRUE(SetVariableValue("Price", "2.5"));
  EXPECT_EQ(Value(Top(0), 0).value, Variant{2.5});
  EXPECT_FALSE(SetVariableValue("Price", "2,5"));
}

TEST_F(ReportModel, StringRuleComparesCaseSensitively) {
  ASSERT_TRUE(Begin("Rows"));
  for (const char* text : {"a", "B", "b", "ba"}) ASSERT_TRUE(SetVariableValue("Name", text));
  ASSERT_EQ(Top(0).children.size(), 4u);
  EXPECT_TRUE(Value(Top(0), 0).highlighted);
  EXPECT_TRUE(Value(Top(0), 1).highlighted);
  EXPECT_FALSE(Value(Top(0), 2).highlighted);
  EXPECT_FALSE(Value(Top(0), 3).highlighted);
  EXPECT_EQ(Value(Top(0), 3).value, Variant{string("ba")});
}

TEST_F(ReportModel, IntegerVariableAgainstTextRuleComparesNumerically) {
  rcVariable& qty = RowsChild(0).As<rcVariable>();
  qty.HighlightWhen = kHlGreaterThan;
  qty.HighlightValue = string("10");
  ASSERT_TRUE(Begin("Rows"));
  ASSERT_TRUE(SetVariableValue("Qty", "11"));
  ASSERT_TRUE(SetVariableValue("Qty", "9"));
  EXPECT_TRUE(Value(Top(0), 0).highlighted);
  EXPECT_FALSE(Value(Top(0), 1).highlighted);

  qty.HighlightValue = string("ten");
  EXPECT_FALSE(SetVariableValue("Qty", "11"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: ZbxSetVariable \"Qty\" invalid: \"ten\"."}));
  EXPECT_EQ(Top(0).children.size(), 2u);
  // The comparison failure leaves the model working.
  EXPECT_TRUE(SetVariableValue("Name", "a"));
}

TEST_F(ReportModel, MasterHandsItsHighlightToFollowersOnClose) {
  ASSERT_TRUE(Begin("Rows"));
  ASSERT_TRUE(SetVariableValue("Follow", "x"));
  ASSERT_TRUE(SetVariableValue("Qty", "10"));
  ASSERT_TRUE(SetVariableValue("Name", "z"));
  EXPECT_FALSE(Value(Top(0), 0).highlighted);
  ASSERT_TRUE(EndRegionInstance());
  TRegionInstance& row = Top(0);
  EXPECT_TRUE(Value(row, 0).highlighted);
  EXPECT_EQ(Value(row, 0).master, row.children[1].get());
  EXPECT_FALSE(Value(row, 2).highlighted);
  EXPECT_EQ(Value(row, 2).master, nullptr);

  // A master that is not highlighted passes that on too.
  ASSERT_TRUE(Begin("Rows"));
  ASSERT_TRUE(SetVariableValue("Qty", "1"));
  ASSERT_TRUE(SetVariableValue("Follow", "x"));
  ASSERT_TRUE(EndRegionInstance());
  EXPECT_FALSE(Value(Top(1), 1).highlighted);
  EXPECT_EQ(Value(Top(1), 1).master, Top(1).children[0].get());
}

TEST_F(ReportModel, WithoutAMasterFollowersStayUnlinked) {
  ASSERT_TRUE(Begin("Rows"));
  ASSERT_TRUE(SetVariableValue("Follow", "x"));
  ASSERT_TRUE(SetVariableValue("Name", "a"));
  ASSERT_TRUE(EndRegionInstance());
  EXPECT_FALSE(Value(Top(0), 0).highlighted);
  EXPECT_EQ(Value(Top(0), 0).master, nullptr);
  EXPECT_TRUE(Value(Top(0), 1).highlighted);
}

TEST_F(ReportModel, FirstMasterInCallOrderWinsInsideAShape) {
  ASSERT_TRUE(Begin("Box"));
  ASSERT_TRUE(SetVariableValue("Lead", "2"));
  ASSERT_TRUE(SetVariableValue("Lead", "1"));
  ASSERT_TRUE(SetVariableValue("Follower", "7"));
  ASSERT_TRUE(EndRegionInstance());
  EXPECT_EQ(Value(Top(0), 2).master, Top(0).children[0].get());
  EXPECT_FALSE(Value(Top(0), 2).highlighted);
  EXPECT_TRUE(Value(Top(0), 1).highlighted);
}

TEST_F(ReportModel, FileItemsKeepTheTextAndSystemVariablesStoreNothing) {
  ASSERT_TRUE(Begin("Rows"));
  ASSERT_TRUE(SetVariableValue("Pic", "C:\\art\\logo 1.bmp"));
  ASSERT_TRUE(SetVariableValue("Notes", ""));
  ASSERT_TRUE(SetVariableValue("Page", "12x"));
  EXPECT_EQ(Value(Top(0), 0).value, Variant{string("C:\\art\\logo 1.bmp")});
  EXPECT_EQ(Value(Top(0), 1).value, Variant{string()});
  EXPECT_TRUE(IsUnassigned(Value(Top(0), 2).value));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportModel, OnlyRegionsCanBeEntered) {
  for (const char* name : {"Title", "Caption", "Report Style", "Pic", "Nowhere"}) {
    InitInstances();
    recorder_.Clear();
    EXPECT_FALSE(Begin(name)) << name;
    EXPECT_EQ(Messages(), (Texts{"Tessel: Region \"" + string(name) + "\" not found in zBXStartRegion."}));
    EXPECT_FALSE(SetVariableValue("Title", "t"));
    EXPECT_TRUE(GetInstanceList().empty());
  }
  // Inside a region, a child that is no region gets the region message alone.
  InitInstances();
  recorder_.Clear();
  ASSERT_TRUE(Begin("Rows"));
  EXPECT_FALSE(Begin("Name"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Region \"Name\" not found in zBXStartRegion."}));
  // The style of the same name is passed over: the region is entered.
  InitInstances();
  ASSERT_TRUE(Begin("Rows"));
  EXPECT_EQ(GetInstanceList()[0]->item->ItemType, kRepeatRegion);
  for (const char* kind : {"Heading", "Box", "Header"}) {
    InitInstances();
    EXPECT_TRUE(Begin(kind)) << kind;
  }
}

TEST_F(ReportModel, OnlyVariablesAndFileItemsTakeValues) {
  for (const char* name : {"Sub", "Caption"}) {
    InitInstances();
    recorder_.Clear();
    ASSERT_TRUE(Begin(name == string("Sub") ? "Rows" : "Header"));
    EXPECT_FALSE(SetVariableValue(name, "v"));
    EXPECT_EQ(Messages(), (Texts{"Tessel: Variable \"" + string(name) + "\" not found in current region."}));
    EXPECT_TRUE(Top(0).children.empty());
    EXPECT_FALSE(Begin("Sub"));
  }
}

TEST_F(ReportModel, NestingIsBoundedAndFreesWithoutTrouble) {
  // A chain of regions each holding the next, deeper than the bound.
  std::unique_ptr<rcDefItem> chain;
  for (int level = kMaxOpenRegions + 4; level >= 0; --level) {
    std::vector<std::unique_ptr<rcDefItem>> children = List(Var("V", kVarString));
    if (chain) children.push_back(std::move(chain));
    chain = Region<rcFixedRegion>("R" + std::to_string(level), kFixedRegion, std::move(children));
  }
  root_.push_back(std::move(chain));
  for (int level = 0; level < kMaxOpenRegions; ++level) {
    ASSERT_TRUE(Begin("R" + std::to_string(level))) << level;
    ASSERT_TRUE(SetVariableValue("V", "v"));
  }
  const string next = "R" + std::to_string(kMaxOpenRegions);
  EXPECT_FALSE(Begin(next));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Region \"" + next + "\" not found in zBXStartRegion."}));
  FreeInstances();
  EXPECT_TRUE(GetInstanceList().empty());
}

TEST_F(ReportModel, NothingWorksAfterFreeUntilTheNextInit) {
  ASSERT_TRUE(Begin("Rows"));
  FreeInstances();
  EXPECT_TRUE(GetInstanceList().empty());
  EXPECT_FALSE(SetVariableValue("Qty", "1"));
  EXPECT_FALSE(EndRegionInstance());
  EXPECT_FALSE(Begin("Rows"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Region \"Rows\" not found in zBXStartRegion."}));
  EXPECT_TRUE(GetInstanceList().empty());
}

}  // namespace
}  // namespace engine
