// The shape popup: kind, colours, pen thickness and patterns.
#include "designer/main_window/form1.h"
#include "designer/objects/shape_region.h"
#include "designer/properties/current_object.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/text/number_text.h"

namespace designer {
namespace {

void SetCurrentShape(DesignerProgram& program, int32_t kind) {
  if (TShapeRegion* shape = CurrentObjectAs<TShapeRegion>(program)) shape->SetShape(kind);
}

// The position of the chosen item in its submenu, which is the pattern's
// number.
int ItemIndex(TObject* sender) {
  auto* item = dynamic_cast<platform::TMenuItem*>(sender);
  return item ? item->MenuIndex() : -1;
}

}  // namespace

void TForm1::Rectangle1Click(TObject*) { SetCurrentShape(program_, kRectangle); }
void TForm1::RoundRectangle1Click(TObject*) { SetCurrentShape(program_, kRoundRectangle); }
void TForm1::Ellipse1Click(TObject*) { SetCurrentShape(program_, kEllipse); }
void TForm1::VerticalLine1Click(TObject*) { SetCurrentShape(program_, kVerticalLine); }
void TForm1::HorizontalLine1Click(TObject*) { SetCurrentShape(program_, kHorizontalLine); }

void TForm1::EditText2Click(TObject*) {
  const platform::TRef<TShapeRegion> shape = CurrentObjectAs<TShapeRegion>(program_);
  if (shape && ColorDialog1->Execute() && shape) shape->SetFillColor(static_cast<int32_t>(ColorDialog1->Color));
}

void TForm1::SelectBorderColor1Click(TObject*) {
  const platform::TRef<TShapeRegion> shape = CurrentObjectAs<TShapeRegion>(program_);
  if (shape && ColorDialog1->Execute() && shape) shape->SetBorderColor(static_cast<int32_t>(ColorDialog1->Color));
}

void TForm1::BorderThickness1Click(TObject*) {
  const platform::TRef<TShapeRegion> shape = CurrentObjectAs<TShapeRegion>(program_);
  if (!shape) return;
  const std::optional<int32_t> thickness =
      platform::TryStrToInt(platform::InputBox("Select the Border Thickenss", "Prompt", "1"));
  // No pen is drawn with a negative width.
  if (!thickness || *thickness < 0 || !shape) return;
  shape->SetBorderThickness(*thickness);
}

void TForm1::patternClick(TObject* Sender) {
  const int pattern = ItemIndex(Sender);
  TShapeRegion* shape = CurrentObjectAs<TShapeRegion>(program_);
  if (shape && pattern >= 0) shape->SetFillPattern(pattern);
}

void TForm1::BorderPatternClick(TObject* Sender) {
  const int pattern = ItemIndex(Sender);
  TShapeRegion* shape = CurrentObjectAs<TShapeRegion>(program_);
  if (shape && pattern >= 0) shape->SetBorderPattern(pattern);
}

}  // namespace designer
