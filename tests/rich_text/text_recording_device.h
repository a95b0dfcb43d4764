#pragma once
// A paint device that keeps every text item drawn on it, with its baseline
// origin in device pixels, so tests can tell exactly which text was drawn.
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>
#include <memory>
#include <vector>

namespace tessel_test {

struct DrawnText {
  QString text;
  QPointF origin;  // device pixels
};

class TextRecordingDevice : public QPaintDevice {
 public:
  TextRecordingDevice(int width, int height, int dotsPerInch);
  ~TextRecordingDevice() override;

  QPaintEngine* paintEngine() const override;
  const std::vector<DrawnText>& Drawn() const;
  // The drawn items joined into lines by baseline, top to bottom.
  std::vector<DrawnText> Lines() const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  class Engine;
  std::unique_ptr<Engine> engine_;
  int width_;
  int height_;
  int dotsPerInch_;
};

}  // namespace tessel_test
