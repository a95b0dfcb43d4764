// The Help menu: the help page and the maker's page go to the desktop's
// handler, never waited for; the about box is a fixed modal box that ends
// through its own button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designer/main_window/about_screen.h"
#include "platform/controls/buttons.h"
#include "platform/system/desktop_services.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {
namespace {

using HelpMenuTest = DesignerTest;

TEST_F(HelpMenuTest, TheMakersPageGoesToTheDesktopAndTheHelpPageOnlyWhenInstalled) {
  const platform::ScopedDesktopRecorder desktop;
  form().theBrenlow1->Click();
  ASSERT_EQ(desktop.Requests().size(), 1u);
  EXPECT_EQ(desktop.Requests()[0].address.rfind("https://", 0), 0u) << desktop.Requests()[0].address;
  // The test programs have no help page beside them: Contents does nothing.
  form().GeneralHelp1->Click();
  EXPECT_EQ(desktop.Requests().size(), 1u);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(HelpMenuTest, AboutIsAFixedBoxWithoutBorderIconsThatItsButtonEnds) {
  designer::TAboutScreen& about = *program().AboutScreen;
  EXPECT_TRUE(form().BorderIcons());
  bool shown = false;
  modals->On("AboutScreen", [&shown](platform::TForm& box) {
    shown = true;
    EXPECT_EQ(box.Caption(), "About Tessel Designer");
    EXPECT_FALSE(box.BorderIcons());
    EXPECT_EQ(box.Position(), platform::TPosition::poScreenCenter);
    // Every line of text fits inside the box.
    for (int i = 0; i < box.ControlCount(); ++i) {
      const platform::TControl* line = box.Controls(i);
      EXPECT_LE(line->Left() + line->Width(), box.ClientWidth()) << line->Name();
    }
    static_cast<designer::TAboutScreen&>(box).Button1->Click();
  });
  form().About1->Click();
  EXPECT_TRUE(shown);
  EXPECT_EQ(about.ModalResult(), platform::mrOk);
}

}  // namespace
}  // namespace tessel_test
