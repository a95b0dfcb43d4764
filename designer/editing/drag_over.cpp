// Moving and sizing with the mouse: everything happens in the drag-over
// events, each of which moves the dragged object (or the selection) by the
// mouse's distance from the point where it was grabbed, so the object
// converges on the mouse.
#include <algorithm>

#include "designer/editing/selection_look.h"
#include "designer/main_window/form1.h"
#include "designer/objects/labels.h"

namespace designer {
namespace {

void MoveBy(TControl* control, int dx, int dy) {
  control->SetLeft(control->Left() + dx);
  control->SetTop(control->Top() + dy);
}

void MoveSelectionBy(DesignerProgram& program, int dx, int dy) {
  PruneSelection(program);
  // A copy: a move never changes the selection, but the list is not ours
  // to iterate while handlers may run.
  const TControlList selected = program.SelectionList;
  for (const platform::TRef<TControl>& entry : selected)
    if (entry) MoveBy(entry, dx, dy);
}

// Text labels on text labels, variables on variables.
bool SameLabelKind(const TControl* target, const TControl* source) {
  if (dynamic_cast<const TStyledLabel*>(target)) return dynamic_cast<const TStyledLabel*>(source) != nullptr;
  if (dynamic_cast<const TVariableLabel*>(target)) return dynamic_cast<const TVariableLabel*>(source) != nullptr;
  return false;
}

void LabelDragOver(TForm1& form, TObject* sender, TObject* sourceObject, int x, int y, bool& accept) {
  form.FModified = true;
  auto* target = dynamic_cast<TControl*>(sender);
  auto* source = dynamic_cast<TControl*>(sourceObject);
  accept = form.FMode == kModeMove && target && source && SameLabelKind(target, source);
  if (!accept) return;
  // The mouse as the dragged object sees it: the label under the mouse may
  // be another one, and it is the dragged object that follows the mouse.
  const platform::TPoint mouse = source->ScreenToClient(target->ClientToScreen(platform::TPoint{x, y}));
  const int dx = mouse.X - form.FLabelGrabX;
  const int dy = mouse.Y - form.FLabelGrabY;
  DesignerProgram& program = form.Program();
  PruneSelection(program);
  if (!program.SelectionList.empty()) {
    MoveSelectionBy(program, dx, dy);
  } else {
    MoveBy(source, dx, dy);
  }
}

}  // namespace

void TForm1::PanelDragOver(TObject* Sender, TObject* Source, int X, int Y, platform::TDragState, bool&) {
  auto* target = dynamic_cast<TControl*>(Sender);
  auto* source = dynamic_cast<TControl*>(Source);
  if (!target || !source) return;
  TControl* current = program_.CurrentObject;
  PruneSelection(program_);
  const bool selectionEmpty = program_.SelectionList.empty();
  if (FMode == kModeMove && IsRegionObject(source)) {
    if (!selectionEmpty) {
      if (InMultiSelection(program_, target)) MoveSelectionBy(program_, X - FRegionGrabX, Y - FRegionGrabY);
    } else if (target == current) {
      source->SetTop(target->Top() + Y - FRegionGrabY);
      source->SetLeft(target->Left() + X - FRegionGrabX);
    } else if (current && target == current->Parent()) {
      source->SetTop(Y - FRegionGrabY);
      source->SetLeft(X - FRegionGrabX);
    }
  } else if (FMode == kModeMove && IsLabelObject(source)) {
    if (selectionEmpty && current && (target == current || target == current->Parent())) {
      source->SetTop(Y - FLabelGrabY);
      source->SetLeft(X - FLabelGrabX);
    }
  } else if (FMode == kModeSize && IsRegionObject(source)) {
    // The mouse point is taken in the target's coordinates as if they were
    // the container's. A size below nothing is no size.
    source->SetWidth(std::max(0, X - source->Left()));
    source->SetHeight(std::max(0, Y - source->Top()));
  }
}

void TForm1::TextDragOver(TObject* Sender, TObject* Source, int X, int Y, platform::TDragState, bool& Accept) {
  LabelDragOver(*this, Sender, Source, X, Y, Accept);
}

void TForm1::VarDragOver(TObject* Sender, TObject* Source, int X, int Y, platform::TDragState, bool& Accept) {
  LabelDragOver(*this, Sender, Source, X, Y, Accept);
}

void TForm1::FormDragOver(TObject*, TObject* Source, int X, int Y, platform::TDragState, bool& Accept) {
  auto* label = dynamic_cast<TStyledLabel*>(Source);
  Accept = label != nullptr;
  if (!label) return;
  label->SetTop(Y - FLabelGrabY);
  label->SetLeft(X - FLabelGrabX);
}

}  // namespace designer
