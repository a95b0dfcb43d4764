#pragma once
// TPaintBox: a non-windowed surface to draw on from outside a paint
// handler. What is drawn on its canvas stays on the screen until the box is
// repainted, which erases it, as on the class library's platform. The canvas
// keeps every call in pixels, so tests read exactly what was drawn.
#include "platform/controls/control.h"
#include "platform/drawing/recording_canvas.h"

namespace platform {

enum class TFillStyle : uint8_t { fsSurface, fsBorder };

class TPaintBox : public TControl {
 public:
  explicit TPaintBox(TComponent* owner);

  RecordingCanvas& Canvas() { return canvas_; }
  // Fills, with the canvas brush, the area around (x, y) of the given colour
  // (fsSurface) or up to it (fsBorder). The box has no pixels of its own:
  // it draws its lines over its parent's background, so a surface fill in
  // the colour of the brush changes nothing that shows, and that is the
  // only fill a box is asked for; other fills are not drawn.
  void FloodFill(int x, int y, TColor color, TFillStyle style);
  // Erases what was drawn.
  void Repaint() override;
  void Paint(QPainter& painter) override;

 protected:
  // A box that changes its size is repainted, which erases what was drawn:
  // lines drawn for the old size would stand in the wrong place.
  void BoundsChanged() override;

 private:
  RecordingCanvas canvas_;
  int drawnWidth_ = 0;
  int drawnHeight_ = 0;
};

}  // namespace platform
