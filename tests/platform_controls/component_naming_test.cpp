// Component names and ownership: identifiers only, unique per owner without
// regard to case, the owner's own refusals, and what freeing does to owned
// components and to references held on them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/component.h"
#include "platform/controls/exceptions.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "tests/platform_controls/controls_test_support.h"

namespace {

using platform::EComponentError;
using platform::TComponent;
using platform::TRef;

std::string NameErrorOf(TComponent& component, const std::string& name) {
  try {
    component.SetName(name);
  } catch (const EComponentError& error) {
    return error.Message();
  }
  return "(no error)";
}

// Notes its name in a shared list when it is freed.
class NotingComponent : public TComponent {
 public:
  NotingComponent(TComponent* owner, const std::string& name, std::vector<std::string>& freed)
      : TComponent(owner), freed_(freed) {
    SetName(name);
  }
  ~NotingComponent() override { freed_.push_back(Name()); }

 private:
  std::vector<std::string>& freed_;
};

TEST(ComponentNaming, OnlyIdentifiersAreNames) {
  for (const char* good : {"A", "_", "_x1", "Region31", "TEXT_4b"}) EXPECT_TRUE(platform::IsValidIdent(good)) << good;
  for (const char* bad : {"", "1a", "a b", "a-b", "a.b", "\xE9t\xE9", "Region 3", " A"})
    EXPECT_FALSE(platform::IsValidIdent(bad)) << bad;
}

TEST(ComponentNaming, BadNamesRaiseTheLibraryMessagesAndChangeNothing) {
  TComponent owner(nullptr);
  TComponent first(&owner), second(&owner);
  first.SetName("Panel1");
  EXPECT_EQ(NameErrorOf(second, "1abc"), "'1abc' is not a valid component name");
  EXPECT_EQ(NameErrorOf(second, "a b"), "'a b' is not a valid component name");
  EXPECT_EQ(NameErrorOf(second, "PANEL1"), "A component named PANEL1 already exists");
  EXPECT_EQ(NameErrorOf(second, "panel1"), "A component named panel1 already exists");
  EXPECT_EQ(second.Name(), "");
  EXPECT_EQ(owner.FindComponent("Panel1"), &first);
}

TEST(ComponentNaming, EmptyNamesAndUnownedComponentsNeverClash) {
  TComponent owner(nullptr);
  TComponent a(&owner), b(&owner);
  a.SetName("");
  b.SetName("");
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  TComponent loose1(nullptr), loose2(nullptr);
  loose1.SetName("Same");
  EXPECT_NO_THROW(loose2.SetName("SAME"));
}

TEST(ComponentNaming, ACaseOnlyRenameIsAllowedAndFound) {
  TComponent owner(nullptr);
  TComponent region(&owner);
  region.SetName("Region1");
  region.SetName("REGION1");
  EXPECT_EQ(region.Name(), "REGION1");
  EXPECT_EQ(owner.FindComponent("region1"), &region);
}

TEST(ComponentNaming, FindComponentFollowsRenamesWithoutRegardToCase) {
  TComponent owner(nullptr);
  TComponent text(&owner);
  text.SetName("TEXT1");
  text.SetName("Caption");
  EXPECT_EQ(owner.FindComponent("TEXT1"), nullptr);
  EXPECT_EQ(owner.FindComponent("cAPTION"), &text);
  // The old name is free again.
  TComponent other(&owner);
  EXPECT_NO_THROW(other.SetName("text1"));
  EXPECT_EQ(owner.FindComponent("TEXT1"), &other);
  text.SetName("");
  EXPECT_EQ(owner.FindComponent("Caption"), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 2);
}

TEST(ComponentNaming, TheOwnersRuleRefusesNamesLikeTakenOnes) {
  TComponent owner(nullptr);
  owner.SetNameRule([](std::string_view name) { return name == "REPORT" || name == "report"; });
  TComponent child(&owner);
  EXPECT_EQ(NameErrorOf(child, "report"), "A component named report already exists");
  EXPECT_EQ(child.Name(), "");
  EXPECT_TRUE(owner.NameAvailable("Report"));
  EXPECT_FALSE(owner.NameAvailable("REPORT"));
  EXPECT_NO_THROW(child.SetName("Report"));
  // A component outside the owner is not bound by its rule.
  TComponent loose(nullptr);
  EXPECT_NO_THROW(loose.SetName("REPORT"));
  EXPECT_THROW(owner.InsertComponent(&loose), EComponentError);
  EXPECT_EQ(loose.Owner(), nullptr);
}

TEST(ComponentOwnership, FreeingAnOwnerFreesItsComponentsLastFirst) {
  std::vector<std::string> freed;
  auto* owner = new TComponent(nullptr);
  new NotingComponent(owner, "First", freed);
  auto* middle = new NotingComponent(owner, "Middle", freed);
  new NotingComponent(owner, "Last", freed);
  new NotingComponent(middle, "Inner", freed);
  EXPECT_EQ(owner->ComponentCount(), 3);
  delete owner;
  // A component notes itself before its own components go.
  EXPECT_EQ(freed, (std::vector<std::string>{"Last", "Middle", "Inner", "First"}));
}

TEST(ComponentOwnership, AFreedComponentLeavesItsOwner) {
  std::vector<std::string> freed;
  TComponent owner(nullptr);
  auto* gone = new NotingComponent(&owner, "Gone", freed);
  new NotingComponent(&owner, "Stays", freed);
  delete gone;
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.FindComponent("Gone"), nullptr);
  EXPECT_EQ(owner.Components(0)->Name(), "Stays");
  TComponent again(&owner);
  EXPECT_NO_THROW(again.SetName("Gone"));
}

TEST(ComponentOwnership, MovingToAnotherOwnerTakesTheNameAlong) {
  std::vector<std::string> freed;
  auto* main = new TComponent(nullptr);
  auto* pad = new TComponent(nullptr);
  auto* moved = new NotingComponent(main, "Region3", freed);
  new NotingComponent(pad, "REGION3", freed);

  // Taken in the new owner: refused, and the component stays where it was.
  EXPECT_THROW(pad->InsertComponent(moved), EComponentError);
  EXPECT_EQ(moved->Owner(), main);
  EXPECT_EQ(main->FindComponent("Region3"), moved);

  pad->FindComponent("REGION3")->SetName("Other");
  main->RemoveComponent(moved);
  EXPECT_EQ(moved->Owner(), nullptr);
  EXPECT_EQ(main->FindComponent("Region3"), nullptr);
  pad->InsertComponent(moved);
  EXPECT_EQ(moved->Owner(), pad);
  EXPECT_EQ(pad->FindComponent("region3"), moved);
  EXPECT_EQ(main->ComponentCount(), 0);
  // Inserting into a new owner also takes it from the old one.
  main->InsertComponent(moved);
  EXPECT_EQ(pad->FindComponent("Region3"), nullptr);
  EXPECT_EQ(main->FindComponent("Region3"), moved);
  pad->InsertComponent(moved);

  delete main;
  EXPECT_TRUE(freed.empty());
  delete pad;
  EXPECT_EQ(freed, (std::vector<std::string>{"Region3", "Other"}));
}

class ComponentReferences : public controls_test::ControlsTest {};

TEST_F(ComponentReferences, ARefReadsNullOnceItsComponentIsFreed) {
  auto* component = new TComponent(nullptr);
  TRef<TComponent> ref = component;
  TRef<TComponent> copy = ref;
  EXPECT_EQ(ref.Get(), component);
  EXPECT_TRUE(static_cast<bool>(copy));
  delete component;
  EXPECT_EQ(ref.Get(), nullptr);
  EXPECT_EQ(copy.Get(), nullptr);
  EXPECT_FALSE(static_cast<bool>(ref));
  TRef<TComponent> empty;
  EXPECT_EQ(empty.Get(), nullptr);
}

// Reads the references it is given while it is being freed.
class WatchingLabel : public platform::TLabel {
 public:
  WatchingLabel(TComponent* owner, TRef<platform::TPanel>& parent, bool& parentGone)
      : TLabel(owner), parent_(parent), parentGone_(parentGone) {}
  ~WatchingLabel() override { parentGone_ = parent_.Get() == nullptr; }

 private:
  TRef<platform::TPanel>& parent_;
  bool& parentGone_;
};

TEST_F(ComponentReferences, RefsReadNullThroughoutAParentsDestruction) {
  TComponent owner(nullptr);
  auto* panel = new platform::TPanel(&owner);
  TRef<platform::TPanel> panelRef = panel;
  bool parentGone = false;
  auto* label = new WatchingLabel(&owner, panelRef, parentGone);
  label->SetParent(panel);
  TRef<platform::TLabel> labelRef = label;
  delete panel;
  EXPECT_TRUE(parentGone);
  EXPECT_EQ(labelRef.Get(), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(ComponentReferences, AControlMovedToAnotherOwnerIsFreedByItsNewOwner) {
  auto* form = new TComponent(nullptr);
  auto* pad = new TComponent(nullptr);
  auto* panel = new platform::TPanel(form);
  panel->SetName("Region1");
  TRef<platform::TPanel> ref = panel;
  form->RemoveComponent(panel);
  pad->InsertComponent(panel);
  delete form;
  EXPECT_EQ(ref.Get(), panel);
  delete pad;
  EXPECT_EQ(ref.Get(), nullptr);
}

}  // namespace
