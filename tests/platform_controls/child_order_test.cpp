// The order of a windowed control's children: the non-windowed ones first,
// then the windowed ones, each kind in the order added, through moves
// between parents; and the Qt widgets stacked to match.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/controls/label.h"
#include "platform/controls/paint_box.h"
#include "platform/controls/panel.h"
#include "tests/platform_controls/controls_test_support.h"

namespace {

using platform::TControl;
using platform::TLabel;
using platform::TPanel;
using platform::TRef;
using platform::TWinControl;

std::vector<std::string> ChildNames(const TWinControl& parent) {
  std::vector<std::string> names;
  for (int i = 0; i < parent.ControlCount(); ++i) names.push_back(parent.Controls(i)->Name());
  return names;
}

template <class T>
T* Make(platform::TComponent* owner, TWinControl* parent, const std::string& name, platform::TBounds bounds) {
  auto* control = new T(owner);
  control->SetName(name);
  control->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
  control->SetParent(parent);
  return control;
}

class ChildOrder : public controls_test::ControlsTest {};

TEST_F(ChildOrder, NonWindowedChildrenComeFirstEachKindInTheOrderAdded) {
  TPanel parent(nullptr);
  auto* w1 = Make<TPanel>(&parent, &parent, "W1", {0, 0, 10, 10});
  auto* l1 = Make<TLabel>(&parent, &parent, "L1", {0, 0, 10, 10});
  auto* w2 = Make<TPanel>(&parent, &parent, "W2", {0, 0, 10, 10});
  Make<platform::TPaintBox>(&parent, &parent, "P1", {0, 0, 10, 10});
  EXPECT_EQ(ChildNames(parent), (std::vector<std::string>{"L1", "P1", "W1", "W2"}));
  EXPECT_EQ(parent.ControlCount(), 4);
  EXPECT_EQ(parent.IndexOfControl(l1), 0);
  EXPECT_EQ(parent.IndexOfControl(w1), 2);
  EXPECT_EQ(parent.IndexOfControl(w2), 3);
  EXPECT_EQ(parent.IndexOfControl(&parent), -1);
  EXPECT_EQ(l1->Parent(), &parent);
}

TEST_F(ChildOrder, MovesBetweenParentsAppendToTheirKind) {
  platform::TComponent owner(nullptr);
  TPanel a(nullptr), b(nullptr);
  auto* l1 = Make<TLabel>(&owner, &a, "L1", {0, 0, 10, 10});
  Make<TLabel>(&owner, &a, "L2", {0, 0, 10, 10});
  auto* w1 = Make<TPanel>(&owner, &a, "W1", {0, 0, 10, 10});
  Make<TPanel>(&owner, &a, "W2", {0, 0, 10, 10});
  Make<TLabel>(&owner, &b, "L3", {0, 0, 10, 10});
  Make<TPanel>(&owner, &b, "W3", {0, 0, 10, 10});

  l1->SetParent(&b);
  w1->SetParent(&b);
  EXPECT_EQ(ChildNames(a), (std::vector<std::string>{"L2", "W2"}));
  EXPECT_EQ(ChildNames(b), (std::vector<std::string>{"L3", "L1", "W3", "W1"}));
  l1->SetParent(&a);
  w1->SetParent(&a);
  EXPECT_EQ(ChildNames(a), (std::vector<std::string>{"L2", "L1", "W2", "W1"}));
  EXPECT_EQ(ChildNames(b), (std::vector<std::string>{"L3", "W3"}));
  l1->SetParent(nullptr);
  EXPECT_EQ(ChildNames(a), (std::vector<std::string>{"L2", "W2", "W1"}));
  EXPECT_EQ(l1->Parent(), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 6);
}

TEST_F(ChildOrder, FreeingAWindowedControlFreesItsChildrenWhoeverOwnsThem) {
  platform::TComponent owner(nullptr);
  TPanel top(nullptr);
  auto* region = Make<TPanel>(&owner, &top, "Region1", {0, 0, 100, 100});
  TRef<TControl> inner = Make<TPanel>(&owner, region, "Region2", {0, 0, 50, 50});
  TRef<TControl> deep = Make<TLabel>(&owner, static_cast<TPanel*>(inner.Get()), "TEXT1", {0, 0, 10, 10});
  TRef<TControl> text = Make<TLabel>(&owner, region, "TEXT2", {0, 0, 10, 10});
  Make<TLabel>(&owner, &top, "TEXT3", {0, 0, 10, 10});
  delete region;
  EXPECT_EQ(inner.Get(), nullptr);
  EXPECT_EQ(deep.Get(), nullptr);
  EXPECT_EQ(text.Get(), nullptr);
  EXPECT_EQ(ChildNames(top), (std::vector<std::string>{"TEXT3"}));
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.FindComponent("Region2"), nullptr);
}

TEST_F(ChildOrder, ControlsOutOfRangeRaise) {
  TPanel parent(nullptr);
  Make<TLabel>(&parent, &parent, "L1", {0, 0, 10, 10});
  EXPECT_THROW(parent.Controls(1), std::out_of_range);
}

// The widget that a click at a point of the parent's client area lands on.
QWidget* WidgetAt(const TWinControl& parent, int x, int y) { return parent.Widget()->childAt(x, y); }

TEST_F(ChildOrder, WindowedChildrenShowAboveTheOthersWhateverTheOrderAdded) {
  auto form = controls_test::ShownForm();
  auto* area = Make<TPanel>(form.get(), form.get(), "Area", {0, 0, 300, 200});
  auto* under = Make<TPanel>(form.get(), area, "Under", {10, 10, 100, 100});
  auto* label = Make<TLabel>(form.get(), area, "Text", {50, 50, 100, 20});
  label->SetAutoSize(false);
  label->SetBounds(50, 50, 100, 20);
  QApplication::processEvents();
  // Added later, the label still lies under the panel where they overlap.
  EXPECT_EQ(WidgetAt(*area, 60, 55), under->Widget());
  EXPECT_EQ(WidgetAt(*area, 120, 55), label->Widget());

  auto* over = Make<TPanel>(form.get(), area, "Over", {80, 40, 100, 100});
  EXPECT_EQ(WidgetAt(*area, 90, 55), over->Widget());
  EXPECT_EQ(WidgetAt(*area, 60, 55), under->Widget());

  // A label moved in from elsewhere goes under the windowed children too,
  // and above the labels already there.
  auto* other = Make<TLabel>(form.get(), form.get(), "Moved", {0, 0, 10, 10});
  other->SetAutoSize(false);
  other->SetBounds(45, 45, 200, 30);
  other->SetParent(area);
  EXPECT_EQ(WidgetAt(*area, 60, 55), under->Widget());
  EXPECT_EQ(WidgetAt(*area, 190, 55), other->Widget());
  EXPECT_EQ(ChildNames(*area), (std::vector<std::string>{"Text", "Moved", "Under", "Over"}));

  // A panel moved in goes above everything there.
  under->SetParent(form.get());
  under->SetParent(area);
  EXPECT_EQ(WidgetAt(*area, 90, 55), under->Widget());
}

}  // namespace
