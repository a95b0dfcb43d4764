// Every seed and kept crasher of the designer's fuzz targets, run through
// the same entries: a fault found once stays found.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/fuzz/entries/designer_fuzz_entries.h"
#include "tests/fuzz/entries/replay_inputs.h"

namespace tessel_fuzz {

// Names the entry in test listings instead of dumping its bytes.
void PrintTo(const FuzzEntry& entry, std::ostream* out) { *out << entry.name; }

}  // namespace tessel_fuzz

namespace tessel_test {
namespace {

class DesignerReplay : public ::testing::TestWithParam<tessel_fuzz::FuzzEntry> {};

TEST_P(DesignerReplay, SeedsAndKeptCrashersRunClean) {
  const tessel_fuzz::ReplayOutcome outcome = tessel_fuzz::ReplayEveryInput(GetParam(), TESSEL_FUZZ_DIR);
  EXPECT_GT(outcome.seeds, 0u) << "no seeds for " << GetParam().name;
  EXPECT_TRUE(outcome.failed.empty()) << outcome.failed.front();
}

INSTANTIATE_TEST_SUITE_P(DesignerFuzzEntries, DesignerReplay,
                         ::testing::ValuesIn(tessel_fuzz::kDesignerFuzzEntries),
                         [](const auto& suite) { return std::string(suite.param.name); });

}  // namespace
}  // namespace tessel_test
