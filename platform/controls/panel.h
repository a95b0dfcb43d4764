#pragma once
// TPanel: a windowed control with a background colour, an outer and an
// inner bevel and a caption centred on it. Panels are 185 x 41 pixels with
// a raised outer bevel when made.
#include <string>

#include "platform/controls/win_control.h"

namespace platform {

enum class TBevelCut : uint8_t { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut bevel);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut bevel);

  TRect AlignRect() const override;
  void Paint(QPainter& painter) override;

 private:
  std::string caption_;
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
};

// Draws a one-pixel bevel inside rect and shrinks rect by it.
void DrawBevel(QPainter& painter, TRect& rect, TBevelCut cut);

}  // namespace platform
