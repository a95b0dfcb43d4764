#pragma once
// A promise of a fuzzed surface that an input broke: the process stops with
// the reason on standard error, so that libFuzzer keeps the input as a crash
// and the replay test fails.
#include <string_view>

namespace tessel_fuzz {

void CheckInvariant(bool holds, std::string_view what);

}  // namespace tessel_fuzz
