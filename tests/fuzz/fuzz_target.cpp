// The libFuzzer side of one target; TESSEL_FUZZ_ENTRY names its entry.
#include <cstdint>
#include <cstdlib>

#include "tests/fuzz/entries/fuzz_entries.h"
#ifdef TESSEL_FUZZ_DESIGNER
#include "tests/fuzz/entries/designer_fuzz_entries.h"
#endif

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  // Nothing may wait for a person or reach a real display: Qt runs
  // offscreen, and screen captures find no X server to talk to.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return tessel_fuzz::TESSEL_FUZZ_ENTRY::FuzzOne(data, size);
}

// Qt and fontconfig fill caches on first use and keep them for the life of
// the process; they are not leaks of the input that happened to come first.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libQt6Widgets\n"
         "leak:libdbus\n";
}

// Undefined behaviour is a finding like a crash: without this the checks
// only print, and the input that showed it is not kept.
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }
