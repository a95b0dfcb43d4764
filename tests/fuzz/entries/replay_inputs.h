#pragma once
// What a normal test run replays through a fuzz entry: its seeds under
// corpus/<entry> and its kept crashers under regressions/<entry>, each run
// whole, so that a fault found once stays found.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "tests/fuzz/entries/fuzz_entries.h"

namespace tessel_fuzz {

struct ReplayOutcome {
  size_t seeds = 0;
  std::vector<std::filesystem::path> failed;  // inputs whose run did not return 0
};

inline std::vector<std::filesystem::path> ReplayFilesUnder(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code missing;
  for (const auto& entry : std::filesystem::directory_iterator(folder, missing)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

inline ReplayOutcome ReplayEveryInput(const FuzzEntry& entry, const std::filesystem::path& fuzzDir) {
  const std::string name(entry.name);
  std::vector<std::filesystem::path> inputs = ReplayFilesUnder(fuzzDir / "corpus" / name);
  ReplayOutcome outcome;
  outcome.seeds = inputs.size();
  for (const auto& kept : ReplayFilesUnder(fuzzDir / "regressions" / name)) inputs.push_back(kept);
  for (const auto& input : inputs) {
    // A fault aborts the process; the last name printed is the input.
    std::fprintf(stderr, "replaying %s\n", input.c_str());
    std::ifstream in(input, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (entry.fuzzOne(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()) != 0) {
      outcome.failed.push_back(input);
    }
  }
  return outcome;
}

}  // namespace tessel_fuzz
