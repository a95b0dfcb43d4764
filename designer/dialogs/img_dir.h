#pragma once
// The folder of an image region's file.
#include "designer/dialogs/folder_dialog.h"

namespace designer {

class TImgDir : public TFolderDialog {
 public:
  explicit TImgDir(DesignerProgram& program);
};

}  // namespace designer
