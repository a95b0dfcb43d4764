#pragma once
// The folder of a rich-text region's file.
#include "designer/dialogs/folder_dialog.h"

namespace designer {

class TRTFDir : public TFolderDialog {
 public:
  explicit TRTFDir(DesignerProgram& program);
};

}  // namespace designer
