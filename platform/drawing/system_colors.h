#pragma once
// Templates may name a colour of the desktop's scheme instead of an RGB
// value: the high bit set, the scheme's index in the low byte (clWindowText
// is $FF000008, read from a template as -16777208). The author saw them in
// the classic Windows scheme, so that scheme answers wherever they are drawn.
#include "platform/drawing/canvas.h"

namespace platform {

// The plain $00BBGGRR colour to draw: a scheme colour looked up (an index
// beyond the scheme is black), any other colour without its high byte.
TColor ResolveColor(TColor color);

}  // namespace platform
