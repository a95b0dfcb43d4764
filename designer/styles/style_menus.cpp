// Every style in use has seven menu items, captioned with its name, at the
// style's index in each of seven submenus; the handlers find the style by
// the clicked item's position.
#include "designer/dialogs/paragraph_form.h"
#include "designer/main_window/form1.h"
#include "designer/main_window/menu_building.h"

namespace designer {

void TForm1::CreateStyleMenuItems(int index) {
  const std::string caption = program_.StyleList.at(static_cast<std::size_t>(index))->Name;
  auto add = [&](platform::TComponent* owner, platform::TMenuItem* submenu, void (TForm1::*handler)(TObject*)) {
    auto* item = new platform::TMenuItem(owner);
    item->SetCaption(caption);
    item->OnClick = [this, handler](TObject* sender) { (this->*handler)(sender); };
    submenu->Insert(index, item);
  };
  add(this, SelectStyle1, &TForm1::SelectLabelStyleClick);
  add(this, ModifyStyle1, &TForm1::ModifyStyleClick);
  add(this, DeleteStyle1, &TForm1::DeleteStyleClick);
  add(this, VarMainStyle, &TForm1::SelectVarMainStyleClick);
  add(this, VarHLStyle, &TForm1::SelectVarHLStyleClick);
  add(this, MakeStyleGlobal1, &TForm1::MakeStyleGlobalClick);
  if (TParagraphForm* paragraph = program_.ParagraphForm)
    add(paragraph, paragraph->SelectStyle1, &TForm1::SelectParagraphStyleClick);
}

void TForm1::RemoveStyleMenuItems(int index) {
  for (platform::TMenuItem* submenu : {SelectStyle1, ModifyStyle1, DeleteStyle1, VarMainStyle, VarHLStyle,
                                       MakeStyleGlobal1})
    submenu->Delete(index);
  if (TParagraphForm* paragraph = program_.ParagraphForm) paragraph->SelectStyle1->Delete(index);
}

}  // namespace designer
