#include "tests/designer_editing/editing_support.h"

#include <QTimer>

#include "platform/ini/ini_file.h"

namespace tessel_test {

void EditingTest::TearDown() {
  EndDrag();
  DesignerTest::TearDown();
}

designer::TRegion* EditingTest::Region(platform::TControl* container, int left, int top, int width, int height,
                                       int mode) {
  auto* region = Place<designer::TRegion>(container, mode, left, top);
  if (region) region->SetBounds(left, top, width, height);
  return region;
}

designer::TStyledLabel* EditingTest::Text(platform::TControl* container, int left, int top) {
  return Place<designer::TStyledLabel>(container, designer::kModeText, left, top);
}

designer::TVariableLabel* EditingTest::Variable(platform::TControl* container, int left, int top) {
  form().FVariableTypeWord = "string";
  return Place<designer::TVariableLabel>(container, designer::kModeVariable, left, top);
}

void EditingTest::Press(platform::TControl* object, platform::TMouseButton button, platform::TShiftState shift, int x,
                        int y) {
  object->MouseDown(button, shift, x, y);
  // The platform's dispatch completes the click when a drag begins: the
  // test plays that part, since no real button is held.
  if (button == platform::TMouseButton::mbLeft && object->Dragging()) {
    dragged_ = object;
    object->MouseUp(button, 0, x, y);
    object->Click();
  }
}

void EditingTest::PlainClick(platform::TControl* object, int x, int y) {
  Press(object, platform::TMouseButton::mbLeft, 0, x, y);
  if (object->Dragging()) {
    EndDrag();
  } else {
    object->MouseUp(platform::TMouseButton::mbLeft, 0, x, y);
    object->Click();
  }
}

void EditingTest::EndDrag() {
  if (platform::TControl* source = dragged_) source->EndDrag(false);
  dragged_ = nullptr;
}

std::vector<std::string> EditingTest::SelectedNames() const {
  std::vector<std::string> names;
  for (const auto& entry : const_cast<EditingTest*>(this)->program().SelectionList)
    names.push_back(entry ? entry->Name() : "<freed>");
  return names;
}

void EditingTest::CopyObject(platform::TControl* object) {
  form().Copy1Click(nullptr);
  PlainClick(object);
}

void EditingTest::CutObject(platform::TControl* object) {
  QTimer::singleShot(0, [this, object] { PlainClick(object); });
  form().Cut1Click(nullptr);
}

platform::TControl* EditingTest::PasteInto(platform::TWinControl* container, int x, int y) {
  form().Paste1Click(nullptr);
  container->MouseMove(0, x, y);
  form().FNewObject = nullptr;
  PlainClick(container, x, y);
  platform::TControl* pasted = form().FNewObject;
  return pasted && pasted->Parent() == container ? pasted : nullptr;
}

void EditingTest::SaveAs(const std::string& name) {
  form().FFileName = WindowsPath(name);
  form().Save1Click(nullptr);
}

void EditingTest::Reopen(const std::string& name) {
  if (form().FModified) modals->Press("NotSavedForm", "Button2");
  dialogs->ReplyFile(WindowsPath(name));
  form().Open1Click(nullptr);
}

std::map<std::string, std::string> EditingTest::SavedSections(const std::string& name) const {
  const platform::TIniFile file(folder() + "/" + name);
  std::map<std::string, std::string> sections;
  for (const std::string& section : file.ReadSections()) {
    const bool entry = section.size() > 2 && section.starts_with("RC") &&
                       section.find_first_not_of("0123456789", 2) == std::string::npos;
    if (entry) sections.emplace(file.ReadString(section, "NAME", ""), section);
  }
  return sections;
}

void PasteSetting::SetUp() {
  EditingTest::SetUp();
  form().SetZoom(0);
  outer_ = Region(form().REPORT, 10, 10, 700, 900);
  source_ = Region(outer_, 20, 30, 300, 250);
  target_ = Region(outer_, 350, 30, 300, 400);
}

}  // namespace tessel_test
