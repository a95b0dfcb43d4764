#pragma once
// The modal report preview (TPrev) as the preview export runs it.

namespace engine {

// Lays the report out, shows the preview window modally and frees it. With no
// display the layout is still made (later prints use it) and a line on
// standard error says that no preview can be shown.
void RunPreview();

}  // namespace engine
