#include "platform/drawing/drawn_text_size.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "platform/drawing/qt_drawing_tools.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {

namespace {

// Reports measure thousands of texts in a handful of fonts. Kept to the end
// of the process: Qt's fonts may be gone before statics are destroyed.
const QFontMetricsF* MetricsFor(const TFont& font, int32_t pixelsPerInch) {
  const bool fontsUsable = EnsureApplication() ||
                           qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
  if (!fontsUsable || pixelsPerInch <= 0) return nullptr;
  struct Cached {
    TFont font;
    int32_t pixelsPerInch = 0;
    QFontMetricsF metrics{QFont()};
  };
  static Cached* cached = new Cached;
  if (cached->pixelsPerInch != pixelsPerInch || !(cached->font == font)) {
    cached->metrics = QFontMetricsF(ToQFont(font, pixelsPerInch));
    cached->font = font;
    cached->pixelsPerInch = pixelsPerInch;
  }
  return &cached->metrics;
}

}  // namespace

TPoint DrawnTextSize(const TFont& font, const std::string& ansiText, int32_t pixelsPerInch) {
  if (ansiText.empty()) return {0, 0};
  const QFontMetricsF* metrics = MetricsFor(font, pixelsPerInch);
  if (metrics == nullptr) return {0, 0};
  const QString text = QString::fromStdString(Win1252ToUtf8(ansiText));
  return {static_cast<int32_t>(std::ceil(metrics->horizontalAdvance(text))),
          static_cast<int32_t>(std::ceil(metrics->height()))};
}

TPoint DrawnTextBound(const TFont& font, size_t characters, int32_t pixelsPerInch) {
  if (characters == 0) return {0, 0};
  const QFontMetricsF* metrics = MetricsFor(font, pixelsPerInch);
  if (metrics == nullptr) return {0, 0};
  // Italic overhang and the like: a few pixels more than the widest glyph.
  const double widest = metrics->maxWidth() + metrics->height() / 4;
  const double width = std::min(widest * static_cast<double>(characters), 1e9);
  return {static_cast<int32_t>(std::ceil(width)), static_cast<int32_t>(std::ceil(metrics->height()))};
}

}  // namespace platform
