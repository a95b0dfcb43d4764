#pragma once
// Internal to the platform: disabled controls in the class library's look
// of the classic scheme. Their text is drawn crisp in the scheme's grey
// text ($808080) over a white highlight one pixel down and right: embossed,
// and readable on the silver of a dialog, where the widget style's faint
// grey is not.
class QPainter;
class QRect;
class QString;
class QWidget;

namespace platform {

// For widgets the widget style draws: their disabled texts are embossed.
void ApplyClassicLook(QWidget& widget);

// Draws a disabled text in the painter's font, placed in the rectangle by
// the flags as QPainter places text.
void DrawDisabledText(QPainter& painter, const QRect& rect, int flags, const QString& text);

}  // namespace platform
