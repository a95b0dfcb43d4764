// Every seed and kept crasher of the designer's fuzz targets, run through
// the same entries: a fault found once stays found.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "tests/fuzz/entries/designer_fuzz_entries.h"

namespace tessel_fuzz {

// Names the entry in test listings instead of dumping its bytes.
void PrintTo(const FuzzEntry& entry, std::ostream* out) { *out << entry.name; }

}  // namespace tessel_fuzz

namespace tessel_test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> FilesUnder(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code missing;
  for (const auto& entry : fs::directory_iterator(folder, missing)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class DesignerReplay : public ::testing::TestWithParam<tessel_fuzz::FuzzEntry> {};

TEST_P(DesignerReplay, SeedsAndKeptCrashersRunClean) {
  const tessel_fuzz::FuzzEntry entry = GetParam();
  const fs::path fuzz = TESSEL_FUZZ_DIR;
  const std::vector<fs::path> seeds = FilesUnder(fuzz / "corpus" / entry.name);
  ASSERT_FALSE(seeds.empty()) << "no seeds for " << entry.name;
  std::vector<fs::path> inputs = seeds;
  for (const fs::path& kept : FilesUnder(fuzz / "regressions" / entry.name)) inputs.push_back(kept);
  for (const fs::path& input : inputs) {
    // A fault aborts the process; the last name printed is the input.
    std::fprintf(stderr, "replaying %s\n", input.c_str());
    const std::string bytes = Bytes(input);
    EXPECT_EQ(entry.fuzzOne(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0) << input;
  }
}

INSTANTIATE_TEST_SUITE_P(DesignerFuzzEntries, DesignerReplay,
                         ::testing::ValuesIn(tessel_fuzz::kDesignerFuzzEntries),
                         [](const auto& suite) { return std::string(suite.param.name); });

}  // namespace
}  // namespace tessel_test
