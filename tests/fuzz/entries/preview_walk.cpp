#include "tests/fuzz/entries/preview_walk.h"

#include "engine/engine_state.h"
#include "engine/preview_window.h"
#include "platform/system/qt_application.h"

namespace tessel_fuzz {

void WalkPreview(uint8_t moves) {
  if (engine::ErrorFlag() || !engine::ReportLoaded() || !platform::EnsureApplication()) return;
  engine::TPrev prev;
  void (engine::TPrev::*const actions[])() = {
      &engine::TPrev::LastPageClick, &engine::TPrev::PrevPageClick,
      &engine::TPrev::ZoomInClick,   &engine::TPrev::ZoomOutClick,
      &engine::TPrev::NextPageClick, &engine::TPrev::PrintOnePageClick,
      &engine::TPrev::PrintAllClick, &engine::TPrev::FirstPageClick};
  for (int bit = 0; bit < 8; ++bit) {
    if ((moves >> bit) & 1) (prev.*actions[bit])();
  }
}

}  // namespace tessel_fuzz
