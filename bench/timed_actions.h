#pragma once
// Interactive actions timed as the user waits for them, and the table that
// sets each against its limit.
#include <functional>
#include <string>
#include <vector>

#include "bench/timing_samples.h"

namespace bench {

struct TimedAction {
  std::string action;
  TimingSamples samples;
  double limitMs = 0;  // 0: no limit
};

// The handler's work and the repaint it asked for.
double TimeAction(const std::function<void()>& action);

// "met" when even the slowest run kept the limit, "median met" when the
// typical one did, else "MISSED"; empty without a limit.
std::string Verdict(const TimedAction& row);

// One line per action: count, median and maximum with that many decimals,
// the limit and the verdict.
std::string TimedActionTable(const std::vector<const TimedAction*>& rows, int decimals);

}  // namespace bench
