#include "designer/template_io/style_list_state.h"

#include "designer/main_window/form1.h"

namespace designer {

void RemoveAllStyleMenuItems(TForm1& form) {
  while (form.SelectStyle1->Count() > 0) form.RemoveStyleMenuItems(0);
}

void EnsureStyleRecords(TForm1& form) {
  std::vector<TStyleRecord*>& list = form.Program().StyleList;
  while (list.size() < static_cast<std::size_t>(kStyleRecordCount)) list.push_back(new TStyleRecord());
}

void UseDefaultStyleOnly(TForm1& form) {
  RemoveAllStyleMenuItems(form);
  EnsureStyleRecords(form);
  TStyleRecord& first = *form.Program().StyleList[0];
  // The default style keeps its own global flag; a record that another
  // style moved into after the default style was deleted has none to give.
  const uint8_t isGlobal = first.Name == "DEFAULTSTYLE" ? first.IsGlobal : 0;
  first = TStyleRecord{isGlobal, "DEFAULTSTYLE", 0, 8, 0, "Arial", "NONE"};
  form.FStyleCount = 1;
  form.CreateStyleMenuItems(0);
}

}  // namespace designer
