#include "platform/controls/label.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_widget.h"
#include "platform/drawing/qt_drawing_tools.h"
#include "platform/text/win1252.h"

namespace platform {

namespace {

// A design holds thousands of labels in a handful of fonts, and every zoom
// step measures them all again; making the font's metrics anew for each
// label cost most of a step.
const QFontMetrics& MetricsOf(const TFont& font) {
  static std::vector<std::pair<TFont, QFontMetrics>> cache;
  for (const auto& [known, metrics] : cache)
    if (known == font) return metrics;
  if (cache.size() >= 64) cache.erase(cache.begin());
  cache.emplace_back(font, QFontMetrics(ToQFont(font, 96)));
  return cache.back().second;
}

}  // namespace

namespace {

// A caption's lines: any of CR, LF or the two together breaks a line.
QStringList LinesOf(QString text) {
  text.replace("\r\n", "\n");
  text.replace("\n\r", "\n");
  text.replace(QChar('\r'), QChar('\n'));
  return text.split(QChar('\n'));
}

TPoint ExtentOf(const TFont& font, const QString& text) {
  const QFontMetrics& metrics = MetricsOf(font);
  const QStringList lines = LinesOf(text);
  int width = 0;
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  return TPoint{width, metrics.height() * static_cast<int>(lines.size())};
}

}  // namespace

TPoint TextExtent(const TFont& font, const std::string& ansiText) {
  return ExtentOf(font, QString::fromStdString(Win1252ToUtf8(ansiText)));
}

TLabel::TLabel(TComponent* owner) : TControl(owner) {
  AttachWidget(new ControlWidget(*this));
  // A new label has the class library's size until it has a caption.
  TControl::SetBounds(0, 0, 65, 17);
}

void TLabel::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  // Moved at a zoom level, a self-sizing label keeps the size of its text
  // in the design font and in the font shown, not what the steps give.
  AdjustBounds();
}

void TLabel::SetCaption(const std::string& caption) {
  caption_ = caption;
  unicodeCaption_ = false;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetUnicodeCaption(const std::string& caption) {
  caption_ = caption;
  unicodeCaption_ = true;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

std::string TLabel::DisplayText() const {
  if (!showAccelChar_) return caption_;
  std::string shown;
  for (std::size_t i = 0; i < caption_.size(); ++i) {
    if (caption_[i] == '&' && i + 1 < caption_.size()) ++i;
    else if (caption_[i] == '&') continue;
    shown.push_back(caption_[i]);
  }
  return shown;
}

QString TLabel::ShownText() const {
  const std::string text = DisplayText();
  return QString::fromStdString(unicodeCaption_ ? text : Win1252ToUtf8(text));
}

void TLabel::FontChanged() { AdjustBounds(); }

void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  // An empty text measures as one blank, so that the label keeps a line's
  // height and can still be clicked.
  QString text = ShownText();
  if (text.isEmpty()) text = " ";
  const TPoint shown = ExtentOf(Font(), text);
  const TPoint design = ExtentOf(DesignFont(), text);
  if (shown.X == Width() && shown.Y == Height() && design.X == DesignBounds().Width &&
      design.Y == DesignBounds().Height)
    return;
  SetSizes(shown.X, shown.Y, design.X, design.Y);
}

void TLabel::Paint(QPainter& painter) {
  if (!transparent_) painter.fillRect(0, 0, Width(), Height(), ToQColor(Color()));
  const TFont font = Font();
  painter.setFont(ToQFont(font, 96));
  painter.setPen(ToQColor(font.Color));
  const QFontMetrics metrics(painter.font());
  int baseline = metrics.ascent();
  for (const QString& line : LinesOf(ShownText())) {
    if (Enabled()) {
      painter.drawText(0, baseline, line);
    } else {
      const QRect lineBox(0, baseline - metrics.ascent(), std::max(Width(), metrics.horizontalAdvance(line)),
                          metrics.height());
      DrawDisabledText(painter, lineBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, line);
    }
    baseline += metrics.height();
  }
}

}  // namespace platform
