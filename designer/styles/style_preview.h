#pragma once
// The preview of styles: one label per style, in the style, made each time
// the preview becomes active and freed when it stops being active. For the
// global styles it offers the import choice.
#include <vector>

#include "designer/main_window/designer_program.h"
#include "platform/controls/buttons.h"
#include "platform/controls/form.h"
#include "platform/controls/scroll_box.h"

namespace designer {

class TStylePreview : public platform::TForm {
 public:
  explicit TStylePreview(DesignerProgram& program);

  // The first count entries of the list are shown.
  void SetStyleCount(int count) { styleCount_ = count; }
  void SetStyleList(const std::vector<TStyleRecord*>* list) { styleList_ = list; }
  // Enables "Import Style...".
  void SetImportEnabled(bool enabled) { Button1->SetEnabled(enabled); }

  void FormActivate(platform::TObject* Sender);
  void FormDeactivate(platform::TObject* Sender);
  void Button1Click(platform::TObject* Sender);

  platform::TButton* Button1 = nullptr;  // "Import Style..."
  // Exists only while the preview is active.
  platform::TRef<platform::TScrollBox> Scrollbox1;

 private:
  // The styles shown: the first count entries, as far as the list goes.
  int ShownCount() const;

  DesignerProgram& program_;
  int styleCount_ = 0;
  const std::vector<TStyleRecord*>* styleList_ = nullptr;
};

}  // namespace designer
