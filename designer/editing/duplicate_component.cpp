// The copy that Paste places: the source written as template text and read
// back through placement, as Open builds objects, so that it holds exactly
// what the template would hold of the source, with fresh inner controls.
#include <array>
#include <functional>
#include <memory>
#include <utility>

#include "designer/editing/template_copy.h"
#include "designer/main_window/form1.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/placement/object_names.h"
#include "designer/template_io/control_tree_io.h"
#include "platform/ini/ini_file.h"

namespace designer {
namespace {

// Gives back, also when the read stops on an error, what the copy borrows:
// the file being read, the naming of what is read, the name counters,
// which only the copy's top object may advance (as placement names it),
// and the look of the Paste tool, which the read's own modes change.
class CopyScope {
 public:
  CopyScope(TForm1& form, std::unique_ptr<platform::TIniFile> file)
      : form_(form), pasteDown_(form.SpeedButton16->Down()), modeCaption_(form.ModeLabel->Caption()) {
    std::swap(form_.FIniFile, file);
    savedFile_ = std::move(file);
    savedReadName_ = std::move(form_.FReadName);
    counters_ = Counters();
  }
  ~CopyScope() {
    form_.FIniFile = std::move(savedFile_);
    form_.FReadName = std::move(savedReadName_);
    form_.SpeedButton16->SetDown(pasteDown_);
    form_.ModeLabel->SetCaption(modeCaption_);
    int* const fields[] = {&form_.FRegionCount, &form_.FTextCount, &form_.FRichTextCount,
                           &form_.FImageCount,  &form_.FVarCount,  &form_.FShapeCount};
    for (std::size_t i = 0; i < std::size(fields); ++i) *fields[i] = counters_[i];
  }
  CopyScope(const CopyScope&) = delete;
  CopyScope& operator=(const CopyScope&) = delete;

 private:
  std::array<int, 6> Counters() const {
    return {form_.FRegionCount, form_.FTextCount, form_.FRichTextCount,
            form_.FImageCount,  form_.FVarCount,  form_.FShapeCount};
  }
  TForm1& form_;
  std::unique_ptr<platform::TIniFile> savedFile_;
  std::function<std::string(const std::string&)> savedReadName_;
  std::array<int, 6> counters_{};
  bool pasteDown_;
  std::string modeCaption_;
};

// What the template text does not carry over, taken from the sources. The
// reader names text labels by placement's counter; a copy's labels take
// the numbered variants of their sources' names like everything else in
// it. A template keeps no folder for direct text, and the reader gives it
// the report's; a copy keeps its source's. Source and copy hold their
// objects in the same order, the order the template lists them in.
void CompleteFromSources(TForm1& form, TControl* source, TControl* copy) {
  if (dynamic_cast<TStyledLabel*>(source) && dynamic_cast<TStyledLabel*>(copy)) {
    copy->SetName(FreeNumberedName(*form.REPORT, source->Name()));
    return;
  }
  const auto* richText = dynamic_cast<TRichTextRegion*>(source);
  if (auto* richTextCopy = dynamic_cast<TRichTextRegion*>(copy); richText && richTextCopy) {
    richTextCopy->FFileLocation = richText->FFileLocation;
    return;
  }
  if (!HoldsDesignObjects(form, source)) return;
  auto* from = dynamic_cast<TWinControl*>(source);
  auto* to = dynamic_cast<TWinControl*>(copy);
  if (!from || !to) return;
  const int fromFirst = FirstDesignChild(from);
  const int toFirst = FirstDesignChild(to);
  if (from->ControlCount() - fromFirst != to->ControlCount() - toFirst) return;
  for (int i = 0; fromFirst + i < from->ControlCount(); ++i) {
    TControl* child = from->Controls(fromFirst + i);
    TControl* childCopy = to->Controls(toFirst + i);
    if (form.ControlTypeName(child) != form.ControlTypeName(childCopy)) return;
    CompleteFromSources(form, child, childCopy);
  }
}

}  // namespace

TControl* TForm1::DuplicateComponent(TControl* source) {
  if (!source || source == REPORT || ControlTypeName(source) == "error") return nullptr;
  auto file = std::make_unique<platform::TIniFile>("copy.qnf", platform::TIniFile::NewInMemory{});
  WriteTemplateFragment(*this, *file, source);

  // The copy is read into a holding region of its own, which takes every
  // kind (a repeat or title region included, whatever the source's
  // container already holds), and leaves it placed nowhere.
  std::unique_ptr<TRegion> holder = std::make_unique<TRegion>(nullptr);
  platform::TRef<TControl> copy;
  {
    const CopyScope scope(*this, std::move(file));
    // Names are compared with everything REPORT owns, which includes the cut
    // objects on the scratch pad.
    FReadName = [this](const std::string& storedName) { return FreeNumberedName(*REPORT, storedName); };
    Stack1->Push(holder.get());
    ReadControls("REPORT");
    const int first = FirstDesignChild(holder.get());
    if (holder->ControlCount() > first) copy = holder->Controls(first);
  }
  if (!copy) return nullptr;
  CompleteFromSources(*this, source, copy);
  copy->SetParent(nullptr);
  return copy;
}

}  // namespace designer
