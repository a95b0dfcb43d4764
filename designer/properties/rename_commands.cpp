// Renaming an object from its popup. The scratch pad is emptied first: a
// cut object kept there could otherwise hold the name the author is about
// to give, and come back beside its namesake.
#include "designer/editing/scratch_pad_form.h"
#include "designer/main_window/form1.h"
#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "platform/controls/exceptions.h"
#include "platform/dialogs/dialog_service.h"

namespace designer {
namespace {

// Asks until the platform takes the name or the author gives an unusable
// one; true when the object was renamed (possibly to its own name).
bool AskNewName(TForm1& form, DesignerProgram& program, const char* caption, const char* prompt) {
  const platform::TRef<TControl> object = program.CurrentObject.Get();
  for (;;) {
    form.FreeChildren(program.ScratchPadForm);
    if (!object) return false;
    const std::string answer = platform::InputBox(caption, prompt, object->Name());
    if (answer.empty() || answer.find(' ') != std::string::npos) {
      platform::ShowMessage("Illegal Character");
      return false;
    }
    try {
      object->SetName(answer);
      return true;
    } catch (const platform::EComponentError&) {
      platform::ShowMessage("Component Name is used. Try another.");
    }
  }
}

void RenameRegion(TForm1& form, DesignerProgram& program, const char* caption, const char* prompt) {
  if (!dynamic_cast<TRegion*>(program.CurrentObject.Get())) return;
  if (!AskNewName(form, program, caption, prompt)) return;
  if (TControl* region = program.CurrentObject) region->SetHint(region->Name());
}

}  // namespace

void TForm1::RegionNameClick(TObject*) { RenameRegion(*this, program_, "Region", "Type Region Name"); }

void TForm1::EditImageName1Click(TObject*) { RenameRegion(*this, program_, "Image", "Type Image Region Name"); }

void TForm1::EditImageName2Click(TObject*) {
  RenameRegion(*this, program_, "Rich Text", "Type RichText Region Name");
}

void TForm1::MenuItem1Click(TObject*) {
  if (!dynamic_cast<TVariableLabel*>(program_.CurrentObject.Get())) return;
  if (!AskNewName(*this, program_, "Variable", "Type Variable Name")) return;
  // The caption is the variable's name in the template and the script.
  if (auto* variable = dynamic_cast<TVariableLabel*>(program_.CurrentObject.Get()))
    variable->SetCaption(variable->Name());
}

}  // namespace designer
