#include "engine/preview_window.h"

#include <cstdio>

#include "engine/page_layout.h"

namespace engine {

void RunPreview() {
  RunLayout();
  std::fputs("zbx_qn: no display, the preview cannot be shown\n", stderr);
}

}  // namespace engine
