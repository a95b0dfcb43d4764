#include "bench/timing_samples.h"

#include <algorithm>

namespace bench {

double TimingSamples::Median() const {
  if (samples_.empty()) return 0;
  std::vector<double> sorted = samples_;
  std::sort(sorted.begin(), sorted.end());
  const size_t middle = sorted.size() / 2;
  return sorted.size() % 2 == 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double TimingSamples::Max() const {
  return samples_.empty() ? 0 : *std::max_element(samples_.begin(), samples_.end());
}

}  // namespace bench
