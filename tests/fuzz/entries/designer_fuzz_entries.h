#pragma once
// The designer's fuzzed input surfaces, shared like the engine's (see
// fuzz_entries.h) by their libFuzzer targets and by the replay test of the
// normal build (tests/designer_hostile_input). Each runs in the process's
// one designer (DesignerSession) and leaves it empty and unnamed for the
// next input.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/entries/fuzz_entries.h"

namespace tessel_fuzz {

// The input as a template file opened by File > Open, then saved and opened
// again.
namespace designer_qnf { int FuzzOne(const uint8_t* data, size_t size); }
// The input as the global style file: Show Styles > Global with every
// style imported, Make Style Global on the last style, then a save and an
// open of the template.
namespace global_styles { int FuzzOne(const uint8_t* data, size_t size); }

inline constexpr FuzzEntry kDesignerFuzzEntries[] = {
    {"designer_qnf", designer_qnf::FuzzOne},
    {"global_styles", global_styles::FuzzOne},
};

}  // namespace tessel_fuzz
