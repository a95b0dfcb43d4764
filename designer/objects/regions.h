#pragma once
// The region objects of a design: TRegion (fixed, repeat or title by
// RegionType) draws its border on its own paint box, which being disabled
// lets clicks through to the region. TTitleRegion is a region of its own
// class; TReportRegion is the class of the report area REPORT, which has no
// paint box and never draws a border.
#include "designer/objects/border_record.h"
#include "designer/objects/word_tables.h"
#include "platform/controls/paint_box.h"
#include "platform/controls/panel.h"

namespace designer {

class TRegion : public platform::TPanel {
 public:
  explicit TRegion(platform::TComponent* owner);

  // 1 for a region that keeps its place on the page (ABSOLUTE).
  int32_t FAbsolute = 0;
  platform::TPaintBox* FPaintBox = nullptr;
  TRegionType RegionType = TRegionType::fixedRegion;
  bool MultiPage = false;
  TBorderRecord FBorder{};

  // Draws FBorder once on the paint box: any repaint of the region erases
  // it again, and the zoom and border commands draw it anew when needed.
  void DrawBorder();
  void ClearCanvas();
  void DrawLeftSide();
  void DrawRightSide();
  void DrawTopSide();
  void DrawBottomSide();

 protected:
  // The report area is made without a paint box.
  TRegion(platform::TComponent* owner, bool withPaintBox);
};

class TTitleRegion : public TRegion {
 public:
  explicit TTitleRegion(platform::TComponent* owner) : TRegion(owner) {}
};

class TReportRegion : public TRegion {
 public:
  explicit TReportRegion(platform::TComponent* owner) : TRegion(owner, false) {}
};

}  // namespace designer
