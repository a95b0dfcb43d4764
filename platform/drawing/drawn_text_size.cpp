#include "platform/drawing/drawn_text_size.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <cmath>

#include "platform/drawing/qt_drawing_tools.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {

TPoint DrawnTextSize(const TFont& font, const std::string& ansiText, int32_t pixelsPerInch) {
  if (ansiText.empty() || pixelsPerInch <= 0) return {0, 0};
  const bool fontsUsable = EnsureApplication() ||
                           qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
  if (!fontsUsable) return {0, 0};
  // Reports measure thousands of texts in a handful of fonts.
  struct Cached {
    TFont font;
    int32_t pixelsPerInch = 0;
    QFontMetricsF metrics{QFont()};
  };
  // Kept to the end of the process: Qt's fonts may be gone before statics.
  static Cached* cached = new Cached;
  if (cached->pixelsPerInch != pixelsPerInch || !(cached->font == font)) {
    cached->metrics = QFontMetricsF(ToQFont(font, pixelsPerInch));
    cached->font = font;
    cached->pixelsPerInch = pixelsPerInch;
  }
  const QFontMetricsF& metrics = cached->metrics;
  const QString text = QString::fromStdString(Win1252ToUtf8(ansiText));
  return {static_cast<int32_t>(std::ceil(metrics.horizontalAdvance(text))),
          static_cast<int32_t>(std::ceil(metrics.height()))};
}

}  // namespace platform
