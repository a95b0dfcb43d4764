#include "tests/rich_text/text_recording_device.h"

#include <QPaintEngineState>
#include <QTextItem>
#include <algorithm>
#include <cmath>

namespace tessel_test {

class TextRecordingDevice::Engine : public QPaintEngine {
 public:
  Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF& origin, const QTextItem& item) override {
    drawn.push_back({item.text(), state->transform().map(origin)});
  }
  Type type() const override { return QPaintEngine::User; }

  std::vector<DrawnText> drawn;
};

TextRecordingDevice::TextRecordingDevice(int width, int height, int dotsPerInch)
    : engine_(std::make_unique<Engine>()), width_(width), height_(height),
      dotsPerInch_(dotsPerInch) {}

TextRecordingDevice::~TextRecordingDevice() = default;

QPaintEngine* TextRecordingDevice::paintEngine() const { return engine_.get(); }

const std::vector<DrawnText>& TextRecordingDevice::Drawn() const { return engine_->drawn; }

std::vector<DrawnText> TextRecordingDevice::Lines() const {
  std::vector<DrawnText> lines;
  for (const DrawnText& item : engine_->drawn) {
    auto line = std::find_if(lines.begin(), lines.end(), [&](const DrawnText& l) {
      return std::abs(l.origin.y() - item.origin.y()) < 0.5;
    });
    if (line == lines.end()) {
      lines.push_back(item);
    } else {
      line->text += item.text;
      line->origin.setX(std::min(line->origin.x(), item.origin.x()));
    }
  }
  std::sort(lines.begin(), lines.end(),
            [](const DrawnText& a, const DrawnText& b) { return a.origin.y() < b.origin.y(); });
  return lines;
}

int TextRecordingDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
      return width_;
    case PdmHeight:
      return height_;
    case PdmWidthMM:
      return width_ * 254 / (dotsPerInch_ * 10);
    case PdmHeightMM:
      return height_ * 254 / (dotsPerInch_ * 10);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return dotsPerInch_;
    case PdmDepth:
      return 32;
    case PdmNumColors:
      return 0x7fffffff;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(devicePixelRatioFScale());
    default:
      return QPaintDevice::metric(metric);
  }
}

}  // namespace tessel_test
