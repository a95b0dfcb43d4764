#pragma once
// The object whose popup menu was opened last, as the class of that menu;
// null when it has been deleted since or is of another kind.
#include "designer/main_window/designer_program.h"

namespace designer {

template <class T>
T* CurrentObjectAs(const DesignerProgram& program) {
  return dynamic_cast<T*>(program.CurrentObject.Get());
}

}  // namespace designer
