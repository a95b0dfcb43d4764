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
  const QFontMetricsF metrics(ToQFont(font, pixelsPerInch));
  const QString text = QString::fromStdString(Win1252ToUtf8(ansiText));
  return {static_cast<int32_t>(std::ceil(metrics.horizontalAdvance(text))),
          static_cast<int32_t>(std::ceil(metrics.height()))};
}

}  // namespace platform
