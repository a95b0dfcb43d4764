#pragma once
// Internal to the platform: the one drag that can be in progress, as the
// class library keeps it. A drag begins on a mouse-down handler's request,
// becomes active once the mouse has moved the threshold (or at once), sends
// drag-over events to the control under the mouse while the button is held,
// and ends with the source's end-of-drag event at the release. While it is
// in progress no control gets mouse-move events.
#include <QPoint>

namespace platform {

class TControl;

namespace drag {

inline constexpr int kThreshold = 5;

// globalStart: where the button went down.
void Begin(TControl& source, bool immediate, QPoint globalStart);
bool InProgress();
TControl* Source();
// Both return true when the drag took the event.
bool HandleMove(QPoint global);
bool HandleRelease(QPoint global);
// Ends the drag: the target (with drop) or none gets it.
void End(bool drop);
// Forgets a source that is being freed.
void Forget(const TControl& control);

// The screen position of the mouse event being dispatched now.
QPoint CurrentMousePosition();
void SetCurrentMousePosition(QPoint global);

}  // namespace drag
}  // namespace platform
