// Align > Lefts, Rights, Tops and Bottoms on the selection. Lefts and
// rights line up on the page, across regions; tops and bottoms line up
// within each object's own container, as the template keeps them.
#include <algorithm>

#include "designer/editing/selection_look.h"
#include "designer/main_window/form1.h"

namespace designer {
namespace {

// Sets one coordinate of each selected object; true when any moved.
template <class NewValue>
bool AlignEach(DesignerProgram& program, bool horizontal, NewValue newValue) {
  bool moved = false;
  const TControlList selected = program.SelectionList;
  for (const platform::TRef<TControl>& entry : selected) {
    TControl* control = entry;
    if (!control) continue;
    const int before = horizontal ? control->Left() : control->Top();
    const int after = newValue(control);
    if (after == before) continue;
    if (horizontal) {
      control->SetLeft(after);
    } else {
      control->SetTop(after);
    }
    moved = true;
  }
  return moved;
}

}  // namespace

void TForm1::Lefts1Click(TObject*) {
  PruneSelection(program_);
  int leftmost = 9999;
  for (const platform::TRef<TControl>& entry : program_.SelectionList) {
    int left = entry->Left();
    AddParentOffsets(entry, left);
    leftmost = std::min(leftmost, left);
  }
  const bool moved = AlignEach(program_, true, [&](TControl* control) {
    int left = leftmost;
    SubParentOffsets(control, left);
    return left;
  });
  if (moved) FModified = true;
}

void TForm1::Rights1Click(TObject*) {
  PruneSelection(program_);
  int rightmost = 0;
  for (const platform::TRef<TControl>& entry : program_.SelectionList) {
    int left = entry->Left();
    AddParentOffsets(entry, left);
    rightmost = std::max(rightmost, left + entry->Width());
  }
  const bool moved = AlignEach(program_, true, [&](TControl* control) {
    int right = rightmost;
    SubParentOffsets(control, right);
    return right - control->Width();
  });
  if (moved) FModified = true;
}

void TForm1::Tops1Click(TObject*) {
  PruneSelection(program_);
  int topmost = 9999;
  for (const platform::TRef<TControl>& entry : program_.SelectionList) topmost = std::min(topmost, entry->Top());
  if (AlignEach(program_, false, [&](TControl*) { return topmost; })) FModified = true;
}

void TForm1::Bottoms1Click(TObject*) {
  PruneSelection(program_);
  int bottommost = 0;
  for (const platform::TRef<TControl>& entry : program_.SelectionList)
    bottommost = std::max(bottommost, entry->Top() + entry->Height());
  if (AlignEach(program_, false, [&](TControl* control) { return bottommost - control->Height(); })) FModified = true;
}

}  // namespace designer
