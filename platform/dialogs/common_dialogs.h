#pragma once
// The common dialogs as components: each keeps its last answer between
// uses. Filters are the class library's ("Report File|*.qnf|All|*.*");
// file names are system paths (platform/system/file_paths.h), so that the
// file chosen is the file named, in any language.
#include <string>

#include "platform/controls/component.h"
#include "platform/drawing/canvas.h"

namespace platform {

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
  std::string FileName;
  std::string Filter;
  std::string Title;
  // True when a file was chosen; FileName then holds it.
  virtual bool Execute();
};

class TSaveDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;
  bool Execute() override;
};

class TFontDialog : public TComponent {
 public:
  explicit TFontDialog(TComponent* owner) : TComponent(owner) {}
  TFont Font;
  bool Execute();
};

class TColorDialog : public TComponent {
 public:
  explicit TColorDialog(TComponent* owner) : TComponent(owner) {}
  TColor Color = 0;
  bool Execute();
};

}  // namespace platform
