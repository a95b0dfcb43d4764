#pragma once
// Repeated timings of one action, in milliseconds, summarised the way the
// targets are stated: the typical (median) and the worst (maximum) case.
#include <cstddef>
#include <vector>

namespace bench {

class TimingSamples {
 public:
  void Add(double milliseconds) { samples_.push_back(milliseconds); }
  std::size_t Count() const { return samples_.size(); }
  // Both 0 without samples. The median of an even count is the mean of the
  // middle two.
  double Median() const;
  double Max() const;

 private:
  std::vector<double> samples_;
};

}  // namespace bench
