#include "designer/main_window/page_layout.h"

#include <algorithm>

#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "platform/text/number_text.h"

namespace designer {
namespace {

// A larger page is shown at the largest size a control takes; a page has
// no negative size.
int ViewUnits(double value) {
  return value > 0 ? platform::Round(std::min(value, static_cast<double>(platform::kLargestCoordinate))) : 0;
}

}  // namespace

void LayOutPage(TForm1& form) {
  const TReportStyle& style = form.Program().ReportStyle;
  const bool landscape = style.Orientation != 0;
  const double scale = form.FScale;
  platform::TScrollBox& paper = *form.ScrollBox2;
  TReportRegion& report = *form.REPORT;
  paper.SetWidth(ViewUnits((landscape ? style.PaperHeight : style.PaperWidth) * scale));
  paper.SetHeight(ViewUnits((landscape ? style.PaperWidth : style.PaperHeight) * scale));
  report.SetWidth(ViewUnits((landscape ? style.ReportHeight : style.ReportWidth) * scale));
  report.SetHeight(ViewUnits((landscape ? style.ReportWidth : style.ReportHeight) * scale));
  report.SetLeft(platform::Round((paper.Width() - report.Width()) * 0.5));
  report.SetTop(platform::Round((paper.Height() - report.Height()) * 0.5));
}

void CentrePlacement(TReportStyle& style) {
  const bool landscape = style.Orientation != 0;
  const double paperAcross = landscape ? style.PaperHeight : style.PaperWidth;
  const double paperDown = landscape ? style.PaperWidth : style.PaperHeight;
  const double reportAcross = landscape ? style.ReportHeight : style.ReportWidth;
  const double reportDown = landscape ? style.ReportWidth : style.ReportHeight;
  style.PlaceLeft = (paperAcross - reportAcross) * 0.5;
  style.PlaceTop = (paperDown - reportDown) * 0.5;
}

}  // namespace designer
