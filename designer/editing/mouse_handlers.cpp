// What a mouse button does on each kind of object: the popup menu, the
// selection, the start of a drag; and the grab points that mouse moves
// leave for the drags.
#include "designer/editing/selection_look.h"
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"

namespace designer {
namespace {

struct MouseDownRule {
  platform::TPopupMenu* popup = nullptr;
  // Fixed regions are dragged only by the Move and Size tools, so that a
  // click in a placing mode stays a click at the button's release.
  bool dragsInEveryMode = true;
  bool clearsMessageLine = true;
  // A rich-text region does not join the selection; Shift+click flips its
  // colour instead.
  bool complementsColour = false;
};

void ObjectMouseDown(TForm1& form, TObject* sender, TMouseButton button, TShiftState shift, int x, int y,
                     const MouseDownRule& rule) {
  auto* found = dynamic_cast<TControl*>(sender);
  if (!found) return;
  platform::TRef<TControl> object = found;
  DesignerProgram& program = form.Program();
  if (rule.clearsMessageLine) form.tempLabel->SetCaption("");
  switch (button) {
    case TMouseButton::mbLeft:
      if (shift & platform::ssShift) {
        if (rule.complementsColour) {
          object->SetColor(~object->Color());
        } else {
          form.ToggleSelection(object);
        }
      } else {
        // The drag completes the click at once: the tool mode's click
        // handling runs now, before anything moves.
        if (rule.dragsInEveryMode || form.FMode == kModeMove || form.FMode == kModeSize) object->BeginDrag(false);
        if (object && !InMultiSelection(program, object)) form.ClearSelection();
      }
      break;
    case TMouseButton::mbRight: {
      program.CurrentObject = found;
      form.SetMode(kModeNone);
      if (rule.popup) {
        const platform::TPoint at = found->ClientToScreen(platform::TPoint{x, y});
        rule.popup->Popup(at.X, at.Y);
      }
      break;
    }
    case TMouseButton::mbMiddle:
      break;
  }
  form.FModified = true;
}

}  // namespace

void TForm1::TextMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  ObjectMouseDown(*this, Sender, Button, Shift, X, Y, {LabelPopup, true, false, false});
}

void TForm1::VarMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  ObjectMouseDown(*this, Sender, Button, Shift, X, Y, {VariablePopup, true, false, false});
}

void TForm1::PanelMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Sender == REPORT) {
    tempLabel->SetCaption("");
    FModified = true;
    return;
  }
  ObjectMouseDown(*this, Sender, Button, Shift, X, Y, {PopupMenu2, false, true, false});
}

void TForm1::RptRegMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  // The popup's check mark shows this region's own setting.
  if (Button == TMouseButton::mbRight) PrepareRepeatPopup(dynamic_cast<TRegion*>(Sender));
  ObjectMouseDown(*this, Sender, Button, Shift, X, Y, {RepeatPopup, true, true, false});
}

void TForm1::TitleRegMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  ObjectMouseDown(*this, Sender, Button, Shift, X, Y, {TitlePopup, true, true, false});
}

void TForm1::ImageRegMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  ObjectMouseDown(*this, Sender, Button, Shift, X, Y, {ImagePopup, true, true, false});
}

void TForm1::ShapeRegMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  ObjectMouseDown(*this, Sender, Button, Shift, X, Y, {ShapePopup, true, true, false});
}

void TForm1::RichTextMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  ObjectMouseDown(*this, Sender, Button, Shift, X, Y, {RichTextPopup, true, true, true});
}

void TForm1::PanelMouseUp(TObject* Sender, TMouseButton, TShiftState, int, int) {
  // Any repaint of a region erases its border, so it is drawn again.
  if (!program_.BordersShown) return;
  if (auto* region = dynamic_cast<TRegion*>(Sender)) region->DrawBorder();
}

void TForm1::TextMouseMove(TObject*, TShiftState, int X, int Y) {
  FLabelGrabX = X;
  FLabelGrabY = Y;
}

void TForm1::PanelMouseMove(TObject*, TShiftState, int X, int Y) {
  FRegionGrabX = X;
  FRegionGrabY = Y;
}

void TForm1::TextDblClick(TObject*) {}

}  // namespace designer
