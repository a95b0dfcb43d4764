#pragma once
// The page layout of the open template: report area and paper in inches,
// the area's place on the paper, orientation, page border and the folders
// new picture and rich-text regions are given.
#include <cstdint>
#include <string>

#include "designer/objects/border_record.h"

namespace designer {

struct TReportStyle {
  double ReportWidth = 8.0;
  double ReportHeight = 10.0;
  double PaperWidth = 8.5;
  double PaperHeight = 11.0;
  double PlaceLeft = 0.0;
  double PlaceTop = 0.0;
  int32_t Orientation = 0;
  std::string ImageDirectory = "IMAGES";
  std::string RtfDirectory = "RTFS";
  TBorderRecord PageBorder{0, 2, 0, 0};
  friend bool operator==(const TReportStyle&, const TReportStyle&) = default;
};

}  // namespace designer
