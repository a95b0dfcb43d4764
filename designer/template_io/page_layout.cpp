#include "designer/template_io/page_layout.h"

#include <cmath>

#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"

namespace designer {
namespace {

// Halves go to the even neighbour, as the class library's Round does.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

void LayOutPage(TForm1& form) {
  const TReportStyle& style = form.Program().ReportStyle;
  const bool landscape = style.Orientation != 0;
  const double scale = form.FScale;
  platform::TScrollBox& paper = *form.ScrollBox2;
  TReportRegion& report = *form.REPORT;
  paper.SetWidth(RoundEven((landscape ? style.PaperHeight : style.PaperWidth) * scale));
  paper.SetHeight(RoundEven((landscape ? style.PaperWidth : style.PaperHeight) * scale));
  report.SetWidth(RoundEven((landscape ? style.ReportHeight : style.ReportWidth) * scale));
  report.SetHeight(RoundEven((landscape ? style.ReportWidth : style.ReportHeight) * scale));
  report.SetLeft(RoundEven((paper.Width() - report.Width()) * 0.5));
  report.SetTop(RoundEven((paper.Height() - report.Height()) * 0.5));
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
