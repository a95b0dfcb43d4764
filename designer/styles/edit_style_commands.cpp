// Adding, modifying and deleting text styles, and re-applying a changed
// style to the controls that use it.
#include <string>
#include <vector>

#include "designer/main_window/form1.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/styles/style_form.h"
#include "designer/styles/style_lookup.h"
#include "designer/styles/style_users.h"
#include "platform/controls/exceptions.h"
#include "platform/dialogs/dialog_service.h"

namespace designer {
namespace {

// The name field is the caller's to enable; it is disabled again however
// Add Text Style ends.
class NameFieldEnabled {
 public:
  explicit NameFieldEnabled(TStyleForm& form) : form_(form) { form_.Edit1->SetEnabled(true); }
  ~NameFieldEnabled() { form_.Edit1->SetEnabled(false); }
  NameFieldEnabled(const NameFieldEnabled&) = delete;
  NameFieldEnabled& operator=(const NameFieldEnabled&) = delete;

 private:
  TStyleForm& form_;
};

platform::TFont FontOf(const TStyleRecord& style) {
  return platform::TFont{style.FontName, style.Size, static_cast<platform::TColor>(style.Color),
                         TStyleForm::BitsToFontStyle(style.StyleBits)};
}

}  // namespace

void TForm1::Text2Click(TObject*) {
  TStyleForm& dialog = *program_.StyleForm;
  const NameFieldEnabled nameField(dialog);
  std::vector<TStyleRecord*>& styles = program_.StyleList;
  if (FStyleCount >= static_cast<int>(styles.size()))
    throw platform::EListError("List index out of bounds (" + std::to_string(FStyleCount) + ")");
  TStyleRecord* target = styles[static_cast<std::size_t>(FStyleCount)];
  dialog.SetStyleRecord(target);
  dialog.Edit1->SetText("");
  if (dialog.ShowModal() == platform::mrOk) {
    // The engine finds a style by its name: of two styles of one name it
    // would print every control in the first.
    if (StyleNameInUse(styles, FStyleCount, target->Name)) {
      platform::ShowMessage("A style named " + target->Name + " exists already.");
    } else {
      FStyleCount += 1;
      CreateStyleMenuItems(FStyleCount - 1);
    }
  }
  FModified = true;
}

void TForm1::ModifyStyleClick(TObject* Sender) {
  const int index = ClickedStyleIndex(Sender);
  if (index < 0 || index >= FStyleCount) return;
  TStyleRecord& style = *program_.StyleList[static_cast<std::size_t>(index)];
  TStyleForm& dialog = *program_.StyleForm;
  dialog.SetStyleRecord(&style);
  // The name cannot be changed here: the controls name their style by it.
  dialog.Edit1->SetText(style.Name);
  dialog.FontDialog1->Font = FontOf(style);
  if (dialog.ShowModal() != platform::mrOk) return;
  // The template holds the style even when no control uses it.
  FModified = true;
  ReapplyStyle(REPORT, style);
}

void TForm1::DeleteStyleClick(TObject* Sender) {
  const int index = ClickedStyleIndex(Sender);
  if (index < 0 || index >= FStyleCount) return;
  std::vector<TStyleRecord*>& styles = program_.StyleList;
  TStyleRecord* style = styles[static_cast<std::size_t>(index)];
  // A template naming a style it does not hold loads in the engine but
  // never prints; another style of the same name still serves.
  if (!StyleNameInUse(styles, FStyleCount, style->Name, index)) {
    if (TControl* user = FindStyleUser(REPORT, style->Name)) {
      platform::ShowMessage("Style " + style->Name + " is used by " + user->Name() + " and cannot be deleted.");
      return;
    }
  }
  // The record goes behind the styles in use, a spare one again.
  styles.erase(styles.begin() + index);
  *style = TStyleRecord{};
  styles.push_back(style);
  FStyleCount -= 1;
  FModified = true;
  // Last: the clicked item is one of those freed.
  RemoveStyleMenuItems(index);
}

void TForm1::ReapplyStyle(TWinControl* container, const TStyleRecord& style) {
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    if (auto* label = dynamic_cast<TStyledLabel*>(child)) {
      if (label->StyleName == style.Name) ApplyStyle(label, style);
    } else if (auto* variable = dynamic_cast<TVariableLabel*>(child)) {
      // A variable naming the style only for its highlight keeps its font:
      // the designer shows the main style.
      if (variable->StyleName == style.Name) ApplyStyle(variable, style);
    } else {
      const std::string kind = ControlTypeName(child);
      if (kind == "FIXEDREGION" || kind == "TITLEREGION" || kind == "REPEATREGION" || kind == "SHAPEREGION")
        ReapplyStyle(static_cast<TWinControl*>(child), style);
    }
  }
}

}  // namespace designer
