// Renaming an object from its popup: the questions of each kind, the names
// refused and asked again, and what follows the name.
#include "designer/editing/scratch_pad_form.h"
#include "tests/designer_properties/properties_fixture.h"

namespace tessel_test {
namespace {

using RenameTest = PropertiesTest;

TEST_F(RenameTest, BlankOrEmptyNameIsIllegalAndKeepsTheName) {
  designer::TRegion* region = FixedRegion();
  Pick(region);
  for (const std::string answer : {"New Name", " Lead", ""}) {
    dialogs->Clear();
    dialogs->ReplyText(answer);
    dialogs->ReplyButton(platform::mrOk);
    Choose("RegionName1");
    EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{"Illegal Character"}) << '"' << answer << '"';
    EXPECT_EQ(dialogs->Requests().size(), 2u) << "not asked again";
    EXPECT_EQ(region->Name(), "Region1");
    EXPECT_EQ(region->Hint(), "Region1");
  }
}

TEST_F(RenameTest, TakenOrInvalidNameIsRefusedAndAskedAgain) {
  designer::TRegion* first = FixedRegion();
  designer::TRegion* second = FixedRegion(first);
  auto* label = Place<designer::TStyledLabel>(second, designer::kModeText);
  ASSERT_NE(label, nullptr);
  Pick(second);
  // Another object's name in another case, a leading digit, section names
  // of the template, then a good one; each refusal is a message, then the
  // question again.
  for (const char* refused : {"region1", "text1", "1Total", "REPORT", "rs0", "RR12", "Styles"}) {
    dialogs->ReplyText(refused);
    dialogs->ReplyButton(platform::mrOk);
  }
  dialogs->ReplyText("Totals");
  Choose("RegionName1");
  const std::vector<std::string> expected(7, "Component Name is used. Try another.");
  EXPECT_EQ(dialogs->Messages(), expected);
  EXPECT_EQ(second->Name(), "Totals");
  EXPECT_EQ(second->Hint(), "Totals");
  EXPECT_EQ(first->Name(), "Region1");
  // Each question offers the name the object has.
  for (const platform::DialogRequest& request : dialogs->Requests()) {
    if (request.kind != platform::DialogRequest::Kind::Input) continue;
    EXPECT_EQ(request.caption, "Region");
    EXPECT_EQ(request.text, "Type Region Name");
    EXPECT_EQ(request.value, "Region2");
  }
}

TEST_F(RenameTest, SectionLikeNamesThatAreNoSectionsAreTaken) {
  designer::TRegion* region = FixedRegion();
  Pick(region);
  dialogs->ReplyText("RS");
  Choose("RegionName1");
  EXPECT_EQ(region->Name(), "RS");
  dialogs->ReplyText("RC1a");
  Choose("RegionName1");
  EXPECT_EQ(region->Name(), "RC1a");
  dialogs->ReplyText("Reports");
  Choose("RegionName1");
  EXPECT_EQ(region->Name(), "Reports");
  EXPECT_TRUE(dialogs->Messages().empty());
}

TEST_F(RenameTest, CancelKeepsTheNameAndAnotherCaseOfItsOwnNameIsTaken) {
  designer::TRegion* region = FixedRegion();
  Pick(region);
  dialogs->ReplyCancel();
  Choose("RegionName1");
  EXPECT_EQ(region->Name(), "Region1");
  dialogs->ReplyText("REGION1");
  Choose("RegionName1");
  EXPECT_EQ(region->Name(), "REGION1");
  EXPECT_EQ(region->Hint(), "REGION1");
  EXPECT_TRUE(dialogs->Messages().empty());
}

TEST_F(RenameTest, EachKindAsksItsOwnQuestion) {
  designer::TRegion* region = FixedRegion();
  auto* repeat = Place<designer::TRegion>(region, designer::kModeRepeat, 5, 5);
  auto* title = Place<designer::TTitleRegion>(region, designer::kModeTitle, 6, 6);
  auto* shape = Place<designer::TShapeRegion>(region, designer::kModeShape, 7, 7);
  auto* image = Place<designer::TImageRegion>(region, designer::kModeImage, 8, 8);
  auto* richText = Place<designer::TRichTextRegion>(region, designer::kModeRichText, 9, 9);
  designer::TVariableLabel* variable = Variable(region);
  struct Case {
    platform::TControl* object;
    const char* item;
    const char* caption;
    const char* prompt;
    const char* newName;
  };
  const std::vector<Case> cases = {
      {repeat, "RegionName2", "Region", "Type Region Name", "Lines"},
      {title, "RegionName3", "Region", "Type Region Name", "Heading"},
      {shape, "RegionName4", "Region", "Type Region Name", "Box"},
      {image, "EditImageName1", "Image", "Type Image Region Name", "Logo"},
      {richText, "EditImageName2", "Rich Text", "Type RichText Region Name", "Notes"},
      {variable, "MenuItem1", "Variable", "Type Variable Name", "Total"}};
  for (const Case& c : cases) {
    ASSERT_NE(c.object, nullptr) << c.item;
    const std::string oldName = c.object->Name();
    Pick(c.object);
    dialogs->ReplyText(c.newName);
    Choose(c.item);
    const platform::DialogRequest& asked = LastRequest();
    EXPECT_EQ(asked.caption, c.caption) << c.item;
    EXPECT_EQ(asked.text, c.prompt) << c.item;
    EXPECT_EQ(asked.value, oldName) << c.item;
    EXPECT_EQ(c.object->Name(), c.newName) << c.item;
  }
  // Regions show their name as their hint; a variable's caption is its
  // name in the template.
  for (platform::TControl* r : std::initializer_list<platform::TControl*>{repeat, title, shape, image, richText})
    EXPECT_EQ(r->Hint(), r->Name());
  EXPECT_EQ(variable->Caption(), "Total");
  EXPECT_EQ(variable->Hint(), "");
}

TEST_F(RenameTest, RenameEmptiesTheScratchPadSoACutNameIsFree) {
  designer::TRegion* region = FixedRegion();
  // What a cut leaves: the object on the scratch pad, still owned by the
  // report and holding its name.
  auto* cut = Place<designer::TStyledLabel>(region, designer::kModeText);
  platform::TRef<platform::TControl> held = cut;
  cut->SetParent(program().ScratchPadForm);
  Pick(region);
  dialogs->ReplyText("TEXT1");
  Choose("RegionName1");
  EXPECT_EQ(held.Get(), nullptr);
  EXPECT_EQ(region->Name(), "TEXT1");
  EXPECT_TRUE(dialogs->Messages().empty());
}

TEST_F(RenameTest, RefusedVariableNameKeepsItsCaption) {
  designer::TRegion* region = FixedRegion();
  designer::TVariableLabel* variable = Variable(region);
  Variable(region, "string", 100);
  Pick(variable);
  dialogs->ReplyText("var2");
  dialogs->ReplyButton(platform::mrOk);
  dialogs->ReplyText("Net Total");
  dialogs->ReplyButton(platform::mrOk);
  Choose("MenuItem1");
  EXPECT_EQ(dialogs->Messages(),
            (std::vector<std::string>{"Component Name is used. Try another.", "Illegal Character"}));
  EXPECT_EQ(variable->Name(), "VAR1");
  EXPECT_EQ(variable->Caption(), "VAR1");
}

}  // namespace
}  // namespace tessel_test
