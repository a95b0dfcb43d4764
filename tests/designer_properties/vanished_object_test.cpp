// Every popup command of every menu with no object, or with one that has
// been deleted since its menu opened: nothing is asked and nothing breaks.
#include "tests/designer_properties/properties_fixture.h"

namespace tessel_test {
namespace {

using VanishedObjectTest = PropertiesTest;

// The command items of an object menu, submenus walked.
void CollectCommands(platform::TMenuItem* item, std::vector<platform::TMenuItem*>& commands) {
  for (int i = 0; i < item->Count(); ++i) {
    platform::TMenuItem* child = item->Items(i);
    if (child->Count() > 0) {
      CollectCommands(child, commands);
    } else if (child->OnClick) {
      commands.push_back(child);
    }
  }
}

TEST_F(VanishedObjectTest, CommandsWithoutTheirObjectDoNothing) {
  designer::TForm1& f = form();
  std::vector<platform::TMenuItem*> commands;
  for (platform::TPopupMenu* menu : {f.LabelPopup, f.PopupMenu2, f.RepeatPopup, f.TitlePopup, f.ShapePopup,
                                     f.ImagePopup, f.RichTextPopup, f.VariablePopup})
    CollectCommands(menu->Items(), commands);
  EXPECT_GT(commands.size(), 40u);

  designer::TRegion* region = FixedRegion();
  designer::TVariableLabel* variable = Variable(region);
  Pick(variable);
  delete variable;
  EXPECT_EQ(program().CurrentObject.Get(), nullptr);
  for (platform::TMenuItem* command : commands) command->Click();
  program().CurrentObject = nullptr;
  for (platform::TMenuItem* command : commands) command->Click();
  EXPECT_TRUE(dialogs->Requests().empty());
  EXPECT_TRUE(modals->Shown().empty());
  EXPECT_TRUE(Errors().empty());
}

TEST_F(VanishedObjectTest, CommandsOfAnotherKindsMenuLeaveTheObjectAlone) {
  // Menus belong to kinds; an object of another kind is not treated as
  // one of theirs.
  designer::TRegion* region = FixedRegion();
  auto* label = Place<designer::TStyledLabel>(region, designer::kModeText);
  Pick(label);
  for (const char* item : {"Rectangle1", "Solid1", "Dash1", "SettoMaster1", "LessThan1", "ActualSize1",
                           "SetToDynamic2", "ToggleAbsolute1", "AllowMultiplePages1", "GetVariableInfo1"})
    Choose(item);
  EXPECT_TRUE(dialogs->Requests().empty());
  EXPECT_TRUE(modals->Shown().empty());
  EXPECT_EQ(label->Caption(), "TEXT1");
}

}  // namespace
}  // namespace tessel_test
