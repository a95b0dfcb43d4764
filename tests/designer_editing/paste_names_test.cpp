// The names a paste gives: a copy of an object whose name the section-name
// rule refuses once a number is appended (RS, rc, Rs) still gets a name
// that is free and accepted, and the paste comes back.
#include <chrono>
#include <set>

#include "designer/editing/scratch_pad_form.h"
#include "designer/template_io/section_names.h"
#include "platform/text/ansi_text.h"
#include "tests/designer_editing/editing_support.h"
#include "tests/hostile_input/deadline.h"

namespace tessel_test {
namespace {

class PasteNames : public PasteSetting {
 protected:
  // The author's rename from the object's popup.
  void RenameRegion(platform::TControl* region, const std::string& name) {
    program().CurrentObject = region;
    dialogs->ReplyText(name);
    form().RegionNameClick(nullptr);
    ASSERT_EQ(region->Name(), name);
  }
  void RenameVariable(platform::TControl* variable, const std::string& name) {
    program().CurrentObject = variable;
    dialogs->ReplyText(name);
    form().MenuItem1Click(nullptr);
    ASSERT_EQ(variable->Name(), name);
  }
  platform::TControl* GuardedPaste(platform::TWinControl* container, int x, int y) {
    // Bounds a paste that never returns, so that it fails instead of
    // keeping the run waiting; it measures nothing.
    const Deadline guard(std::chrono::seconds(60), "Paste of a copy of " + form().FCopySource->Name());
    return PasteInto(container, x, y);
  }
  // Saved, then opened again: every object is in the file under a name of
  // its own that is no section name, and comes back under it.
  void ExpectSavedAndOpenedAgain(const std::vector<std::string>& names) {
    SaveAs("names.qnf");
    ASSERT_TRUE(Errors().empty()) << Errors().front();
    const std::map<std::string, std::string> saved = SavedSections("names.qnf");
    std::set<std::string> seen;
    for (const auto& [name, section] : saved) {
      EXPECT_TRUE(seen.insert(platform::UpperCase(name)).second) << "twice: " << name;
      EXPECT_FALSE(designer::IsTemplateSectionName(name)) << name;
    }
    for (const std::string& name : names) EXPECT_TRUE(saved.contains(name)) << name;
    Reopen("names.qnf");
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(dialogs->Messages().empty());
    for (const std::string& name : names) EXPECT_NE(form().REPORT->FindComponent(name), nullptr) << name;
  }
};

TEST_F(PasteNames, ARegionNamedRSIsPastedTwice) {
  RenameRegion(source_, "RS");
  Variable(source_, 5, 5);
  CopyObject(source_);
  platform::TControl* first = GuardedPaste(target_, 5, 5);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Name(), "Region4") << "named by placement's counter";
  platform::TControl* second = GuardedPaste(target_, 5, 200);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Name(), "Region5");
  ExpectSavedAndOpenedAgain({"RS", "Region4", "Region5", "VAR1", "VAR11", "VAR12"});
}

TEST_F(PasteNames, AVariableNamedRcIsNumberedAfterAnUnderscore) {
  designer::TVariableLabel* variable = Variable(source_, 5, 5);
  RenameVariable(variable, "rc");
  CopyObject(variable);
  auto* first = dynamic_cast<designer::TVariableLabel*>(GuardedPaste(target_, 5, 5));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Name(), "rc_1");
  EXPECT_EQ(first->Caption(), "rc_1");
  auto* second = dynamic_cast<designer::TVariableLabel*>(GuardedPaste(target_, 5, 40));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Name(), "rc_2");
  ExpectSavedAndOpenedAgain({"rc", "rc_1", "rc_2"});
}

TEST_F(PasteNames, ARegionHoldingAVariableNamedRsAtAnyDepth) {
  designer::TRegion* inner = Region(source_, 10, 10, 200, 150);
  designer::TVariableLabel* variable = Variable(inner, 5, 5);
  RenameVariable(variable, "Rs");
  CopyObject(source_);
  auto* copy = dynamic_cast<designer::TRegion*>(GuardedPaste(target_, 5, 5));
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->ControlCount(), 2);
  auto* innerCopy = dynamic_cast<designer::TRegion*>(copy->Controls(1));
  ASSERT_NE(innerCopy, nullptr);
  ASSERT_EQ(innerCopy->ControlCount(), 2);
  EXPECT_EQ(innerCopy->Controls(1)->Name(), "Rs_1");
  // The copy of the cut original takes the next free number.
  CutObject(source_);
  ASSERT_EQ(source_->Parent(), program().ScratchPadForm);
  ASSERT_NE(GuardedPaste(outer_, 20, 450), nullptr);
  EXPECT_NE(form().REPORT->FindComponent("Rs_2"), nullptr);
  ExpectSavedAndOpenedAgain({"Rs_1", "Rs_2"});
}

}  // namespace
}  // namespace tessel_test
