// The nine zoom levels. A zoom step scales the view of the paper and all it
// holds by 100/85 or 85/100; the objects keep their design geometry, so
// returning to a level shows every object exactly as it was there.
#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"

namespace designer {
namespace {

constexpr int kHighestLevel = 4;
constexpr int kLowestLevel = -4;

}  // namespace

void TForm1::ZoomIn1Click(TObject*) {
  if (program_.ZoomLevel > kHighestLevel - 1) return;
  const int vertical = ScrollBox1->VertPosition();
  const int horizontal = ScrollBox1->HorzPosition();
  ScrollBox1->SetVertPosition(0);
  ScrollBox1->SetHorzPosition(0);
  ScrollBox2->ScaleBy(100, 85);
  RescaleRichText(REPORT);
  ScrollBox2->SetTop(0);
  program_.ZoomLevel += 1;
  zoomLabel->SetCaption(std::to_string(100 + 15 * program_.ZoomLevel));
  ScrollBox1->SetVertPosition(vertical);
  ScrollBox1->SetHorzPosition(horizontal);
  REPORT->Repaint();
}

void TForm1::ZoomOut1Click(TObject*) {
  if (program_.ZoomLevel < kLowestLevel + 1) return;
  const int vertical = ScrollBox1->VertPosition();
  const int horizontal = ScrollBox1->HorzPosition();
  ScrollBox1->SetVertPosition(0);
  ScrollBox1->SetHorzPosition(0);
  ScrollBox2->ScaleBy(85, 100);
  RescaleRichText(REPORT);
  ScrollBox2->SetTop(0);
  program_.ZoomLevel -= 1;
  zoomLabel->SetCaption(std::to_string(100 + 15 * program_.ZoomLevel));
  ScrollBox1->SetVertPosition(vertical);
  ScrollBox1->SetHorzPosition(horizontal);
  REPORT->Repaint();
}

void TForm1::SetZoom(int level) {
  if (level < kLowestLevel || level > kHighestLevel) return;
  while (program_.ZoomLevel < level) ZoomIn1Click(this);
  while (program_.ZoomLevel > level) ZoomOut1Click(this);
}

void TForm1::Standard1Click(TObject*) { SetZoom(0); }

void TForm1::FullPage1Click(TObject*) { SetZoom(kLowestLevel); }

}  // namespace designer
