#include <gtest/gtest.h>

#include "tests/template_reading/reading_fixture.h"

namespace engine {
namespace {

using Texts = std::vector<std::string>;

std::vector<std::string> Names(const TemplateList& list) {
  std::vector<std::string> names;
  for (const auto& item : list) names.push_back(item->Name);
  return names;
}

// A report in the order the designer writes it: each container's list
// section right after the container's own section.
constexpr std::string_view kNested =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\n[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n"
    "[REPORT]\nRC1=FIXEDREGION\nRC5=LABEL\n"
    "[RC1]\nNAME=Outer\nPARENT=REPORT\n"
    "[Outer]\nRC2=REPEATREGION\nRC4=SHAPEREGION\n"
    "[RC2]\nNAME=Rows\nPARENT=Outer\n"
    "[Rows]\nRC3=VARIABLE\n"
    "[RC3]\nNAME=Amount\nPARENT=Rows\nVARTYPE=integer\n"
    "[RC4]\nNAME=Frame\nPARENT=Outer\n"
    "[Frame]\nRC6=LABEL\n"
    "[RC6]\nNAME=Amount\nPARENT=Frame\n"
    "[RC5]\nNAME=Footer\nPARENT=REPORT\n";

TEST_F(TemplateReading, ContainersHoldTheirChildrenInKeyOrder) {
  const TemplateList& root = Load(kNested);
  EXPECT_EQ(Names(root), (Texts{"DEFAULTSTYLE", "Report Style", "Outer", "Footer"}));
  const rcDefItem& outer = *root[2];
  EXPECT_EQ(Names(*ChildrenOf(outer)), (Texts{"Rows", "Frame"}));
  const rcDefItem& rows = *(*ChildrenOf(outer))[0];
  EXPECT_EQ(Names(*ChildrenOf(rows)), (Texts{"Amount"}));
  EXPECT_EQ(ChildrenOf(*root[3]), nullptr);  // a label holds nothing
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TemplateReading, LookupIsDepthFirstAndFindsTheFirstMatch) {
  const TemplateList& root = Load(kNested);
  const rcDefItem* amount = FindTemplateItem(root, "Amount");
  ASSERT_NE(amount, nullptr);
  EXPECT_EQ(amount->ItemType, kVariable);  // inside Rows, ahead of Frame's label
  EXPECT_EQ(FindTemplateItem(root, "amount"), nullptr);
  EXPECT_EQ(FindTemplateItem(root, "Frame")->ItemType, kShapeRegion);
  EXPECT_EQ(FindTemplateItem(root, "Nothing"), nullptr);
}

TEST_F(TemplateReading, LookupPassesOverStylesThatShareAControlName) {
  const TemplateList& root = Load(
      "[STYLES]\nRS0=LABELSTYLE\nRS1=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n"
      "[RS1]\nSTYLENAME=Rows\n[REPORT]\nRC1=REPEATREGION\nRC2=LABEL\n"
      "[RC1]\nNAME=Rows\n[RC2]\nNAME=Report Style\n");
  const rcDefItem* rows = FindTemplateItem(root, "Rows");
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->ItemType, kRepeatRegion);
  EXPECT_EQ(FindTemplateItem(root, "Report Style")->ItemType, kLabel);
  EXPECT_EQ(FindReportItem(root)->ItemType, kReportStyle);
  EXPECT_EQ(FindStyle("Rows"), &root[1]->As<rcStyle>());
}

TEST_F(TemplateReading, ContainerNamedLikeTheReportSectionIsNotWalkedAgain) {
  const TemplateList& root = Load(std::string(tessel_test::kStylesAndReport) +
                                  "[REPORT]\nRC1=FIXEDREGION\nRC2=LABEL\n"
                                  "[RC1]\nNAME=report\n[RC2]\nNAME=Caption\n");
  EXPECT_EQ(Messages(),
            (Texts{"Tessel: Section \"report\" is read already; its controls are not read "
                   "again."}));
  EXPECT_TRUE(ErrorFlag());
  // The walk of [REPORT] itself goes on.
  EXPECT_EQ(Names(root), (Texts{"DEFAULTSTYLE", "Report Style", "report", "Caption"}));
  EXPECT_TRUE(ChildrenOf(*root[2])->empty());
}

TEST_F(TemplateReading, NameCycleEndsWithAMessage) {
  // A holds B, and B names A's section again.
  const TemplateList& root = Load(std::string(tessel_test::kStylesAndReport) +
                                  "[REPORT]\nRC1=FIXEDREGION\n[RC1]\nNAME=A\n"
                                  "[A]\nRC2=REPEATREGION\n[RC2]\nNAME=B\n"
                                  "[B]\nRC3=FIXEDREGION\n[RC3]\nNAME=a\n");
  EXPECT_EQ(Messages(),
            (Texts{"Tessel: Section \"a\" is read already; its controls are not read again."}));
  EXPECT_TRUE(ErrorFlag());
  const rcDefItem* inner = FindTemplateItem(root, "a");
  ASSERT_NE(inner, nullptr);
  EXPECT_TRUE(ChildrenOf(*inner)->empty());
}

size_t CountItems(const TemplateList& list) {
  size_t count = list.size();
  for (const auto& item : list) {
    if (const TemplateList* children = ChildrenOf(*item)) count += CountItems(*children);
  }
  return count;
}

TEST_F(TemplateReading, ContainersNamedAlikeEachGetTheSectionsControls) {
  // Two siblings named alike, one more in another case, and one in another
  // branch: each names [Box], and none of them is on the walk of [Box].
  const TemplateList& root = Load(std::string(tessel_test::kStylesAndReport) +
                                  "[REPORT]\nRC1=FIXEDREGION\nRC2=FIXEDREGION\nRC3=SHAPEREGION\n"
                                  "RC4=FIXEDREGION\n"
                                  "[RC1]\nNAME=Box\n[RC2]\nNAME=Box\n[RC3]\nNAME=BOX\n"
                                  "[RC4]\nNAME=Holder\n[Holder]\nRC5=REPEATREGION\n"
                                  "[RC5]\nNAME=box\n"
                                  "[Box]\nRC6=LABEL\nRC7=VARIABLE\n"
                                  "[RC6]\nNAME=Caption\n[RC7]\nNAME=Amount\nVARTYPE=integer\n");
  EXPECT_EQ(Messages(), Texts{});
  EXPECT_FALSE(ErrorFlag());
  ASSERT_EQ(Names(root), (Texts{"DEFAULTSTYLE", "Report Style", "Box", "Box", "BOX", "Holder"}));
  for (size_t i = 2; i <= 4; ++i) {
    EXPECT_EQ(Names(*ChildrenOf(*root[i])), (Texts{"Caption", "Amount"})) << root[i]->Name;
  }
  const TemplateList& holder = *ChildrenOf(*root[5]);
  ASSERT_EQ(Names(holder), Texts{"box"});
  EXPECT_EQ(Names(*ChildrenOf(*holder[0])), (Texts{"Caption", "Amount"}));
  // Lookups still take the first match.
  EXPECT_EQ(FindTemplateItem(root, "Box"), root[2].get());
  EXPECT_EQ(FindTemplateItem(root, "Amount"), (*ChildrenOf(*root[2]))[1].get());
}

const std::string kEntriesBoundMessage =
    "Tessel: The template names more than 100000 controls and text lines; the rest of it is not "
    "read.";

TEST_F(TemplateReading, SectionsSharedAtEveryLevelStopAtTheBoundOfEntries) {
  // Every level holds two containers that both name the next level's list
  // section: the tree doubles at every level, 2^31 items in all.
  std::string text(tessel_test::kStylesAndReport);
  text += "[REPORT]\nRC=FIXEDREGION\n[RC]\nNAME=L0\n";
  for (int level = 0; level < 30; ++level) {
    const std::string n = std::to_string(level);
    const std::string next = "L" + std::to_string(level + 1);
    text += "[L" + n + "]\nA" + n + "=FIXEDREGION\nB" + n + "=FIXEDREGION\n";
    text += "[A" + n + "]\nNAME=" + next + "\n[B" + n + "]\nNAME=" + next + "\n";
  }
  const TemplateList& root = Load(text);
  EXPECT_TRUE(ErrorFlag());
  EXPECT_EQ(Messages(), Texts{kEntriesBoundMessage});
  // Every key read made an item, the two style keys included.
  EXPECT_EQ(CountItems(root), 100000u);
}

TEST_F(TemplateReading, LinesOfRichTextCountTowardsTheBound) {
  // Thirty key lines that all name one rich-text section of 5,000 lines.
  std::string text(tessel_test::kStylesAndReport);
  text += "[REPORT]\n";
  for (int n = 0; n < 30; ++n) text += "Notes=RICHTEXTREGION\n";
  text += "[Notes]\nNAME=Notes\nLEFT=0\nTOP=0\nWIDTH=100\nHEIGHT=100\nPARENT=REPORT\n"
          "RTFFILE=\nSTYLE=DEFAULTSTYLE\n";
  for (int line = 0; line < 5000; ++line) text += "LINE" + std::to_string(line) + "=text\n";
  const TemplateList& root = Load(text);
  EXPECT_TRUE(ErrorFlag());
  EXPECT_EQ(Messages(), Texts{kEntriesBoundMessage});
  // Two style keys, then each region its key and its 5,000 lines: the
  // twentieth passes the bound.
  size_t regions = 0;
  for (const auto& item : root) regions += item->ItemType == kRichTextRegion ? 1 : 0;
  EXPECT_EQ(regions, 20u);
}

TEST_F(TemplateReading, EmptyListSectionNamedTwiceIsNoFailure) {
  const TemplateList& root = Load(std::string(tessel_test::kStylesAndReport) +
                                  "[REPORT]\nRC1=FIXEDREGION\nRC2=FIXEDREGION\n"
                                  "[RC1]\nNAME=Box\n[RC2]\nNAME=Box\n");
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
  EXPECT_EQ(Names(root), (Texts{"DEFAULTSTYLE", "Report Style", "Box", "Box"}));
}

TEST_F(TemplateReading, NestingBeyondTheBoundIsRefused) {
  std::string text(tessel_test::kStylesAndReport);
  text += "[REPORT]\nRC0=FIXEDREGION\n";
  for (int level = 0; level < 100; ++level) {
    const std::string n = std::to_string(level);
    text += "[RC" + n + "]\nNAME=Level" + n + "\n[Level" + n + "]\nRC" + std::to_string(level + 1) +
            "=FIXEDREGION\n";
  }
  const TemplateList& root = Load(text);
  EXPECT_EQ(Messages(), (Texts{"Tessel: Regions are nested deeper than 64 levels; the controls "
                               "of \"Level63\" are not read."}));
  EXPECT_TRUE(ErrorFlag());
  int depth = 0;
  for (const TemplateList* list = ChildrenOf(*root[2]); list != nullptr && !list->empty();
       list = ChildrenOf(*list->front())) {
    ++depth;
  }
  EXPECT_EQ(depth, 63);
}

TEST_F(TemplateReading, FreeTemplateEmptiesTheTree) {
  Load(kNested);
  FreeTemplate();
  EXPECT_TRUE(GetTemplateList().empty());
  // With no template open nothing is read.
  ReadTemplateSection(GetTemplateList(), "REPORT");
  EXPECT_TRUE(GetTemplateList().empty());
}

TEST_F(TemplateReading, OpeningATemplateFreesTheEarlierOne) {
  Load(kNested);
  const TemplateList& root = Load(tessel_test::kStylesAndReport);
  EXPECT_EQ(Names(root), (Texts{"DEFAULTSTYLE", "Report Style"}));
  EXPECT_TRUE(Messages().empty());
}

class HighlightRule : public TemplateReading {
 protected:
  void SetUp() override {
    TemplateReading::SetUp();
    Load(kNested);
  }
  const rcVariable& Amount() {
    return FindTemplateItem(GetTemplateList(), "Amount")->As<rcVariable>();
  }
};

TEST_F(HighlightRule, ConditionWordsAreTakenWithoutCase) {
  EXPECT_TRUE(SetHighlightRule("Amount", "10", "LessThanEquals"));
  EXPECT_EQ(Amount().HighlightWhen, kHlLessThanEquals);
  EXPECT_EQ(Amount().HighlightValue, Variant(std::string("10")));
  EXPECT_TRUE(SetHighlightRule("Amount", "ten", "LESSTHAN"));
  EXPECT_EQ(Amount().HighlightWhen, kHlLessThan);
  EXPECT_EQ(Amount().HighlightValue, Variant(std::string("ten")));
  const std::pair<const char*, uint8_t> words[] = {{"greaterthan", kHlGreaterThan},
                                                   {"Equals", kHlEquals},
                                                   {"notEqual", kHlNotEqual},
                                                   {"greaterThanEquals", kHlGreaterThanEquals},
                                                   {"masterHighlighted", kHlMasterHighlighted}};
  for (const auto& [word, code] : words) {
    EXPECT_TRUE(SetHighlightRule("Amount", "", word));
    EXPECT_EQ(Amount().HighlightWhen, code) << word;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(HighlightRule, UnknownConditionLeavesTheRule) {
  ASSERT_TRUE(SetHighlightRule("Amount", "5", "equals"));
  EXPECT_FALSE(SetHighlightRule("Amount", "7", "none"));
  EXPECT_FALSE(SetHighlightRule("Amount", "7", "Less Than"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Highlight when \"none\" NOT FOUND.",
                               "Tessel: Highlight when \"Less Than\" NOT FOUND."}));
  EXPECT_EQ(Amount().HighlightWhen, kHlEquals);
  EXPECT_EQ(Amount().HighlightValue, Variant(std::string("5")));
  EXPECT_FALSE(ErrorFlag());  // the export body sets it
}

TEST_F(HighlightRule, OnlyVariablesTakeARule) {
  EXPECT_FALSE(SetHighlightRule("Footer", "1", "equals"));
  EXPECT_FALSE(SetHighlightRule("Rows", "1", "equals"));
  EXPECT_FALSE(SetHighlightRule("DEFAULTSTYLE", "1", "equals"));
  EXPECT_FALSE(SetHighlightRule("amount", "1", "equals"));
  EXPECT_EQ(Messages(), (Texts{"Tessel: Variable Not found \"Footer\" in zBXSetHighLight.",
                               "Tessel: Variable Not found \"Rows\" in zBXSetHighLight.",
                               "Tessel: Variable Not found \"DEFAULTSTYLE\" in zBXSetHighLight.",
                               "Tessel: Variable Not found \"amount\" in zBXSetHighLight."}));
  EXPECT_EQ(FindTemplateItem(GetTemplateList(), "Footer")->ItemType, kLabel);
}

}  // namespace
}  // namespace engine
