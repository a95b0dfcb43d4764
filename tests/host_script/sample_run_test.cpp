// The shipped sample through the real engine: the template must load without
// a single engine message and every call of the script must run.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "host_process.h"

namespace host_test {
namespace {

TEST(SampleRun, TheShippedScriptRunsToItsEndWithoutAnEngineMessage) {
  if (!std::filesystem::exists(ENGINE_LIBRARY_PATH)) GTEST_SKIP() << "the engine is not built";
  ScratchFolder scratch;
  const std::filesystem::path samples = std::filesystem::canonical(TESSEL_SAMPLES);
  const HostRun run =
      RunProgram(scratch, {ZBX_HOST_PATH, ENGINE_LIBRARY_PATH, (samples / "sample.txt").string()},
                 {"ZBX_PRINT_TO=" + (scratch.Path() / "sample.pdf").string()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  for (const std::string& line : Lines(run.err)) {
    EXPECT_NE(line.rfind("Tessel: ", 0), 0u) << line;
  }

  const std::vector<std::string> calls = Lines(run.out);
  // create, the header with its logo, the highlight, the detail region with
  // sixty records of a begin, five values and an end, print and free.
  ASSERT_EQ(calls.size(), 1u + 3u + 1u + 1u + 60u * 7u + 1u + 1u + 1u);
  EXPECT_EQ(calls.front(), "zBxCreateReport(\"" + (samples / "sample.qnf").string() + "\") = 0");
  EXPECT_EQ(calls[2], "zBxSetVariable(\"Logo\", \"logo.bmp\") = 0");
  EXPECT_EQ(calls[4], "zBxSetHighlight(\"Quantity\", \"20\", \"lessThan\") = 0");
  EXPECT_EQ(calls[6], "zBxBeginRegion(\"Records\") = 0");
  EXPECT_EQ(calls[7], "zBxSetVariable(\"ItemName\", \"Article 1-1\") = 0");
  EXPECT_EQ(calls[calls.size() - 2], "zBxPrintReport() = 0");
  EXPECT_EQ(calls.back(), "zBxFreeReport() = 0");
  EXPECT_TRUE(std::all_of(calls.begin(), calls.end(),
                          [](const std::string& call) { return call.ends_with(") = 0"); }));
}

}  // namespace
}  // namespace host_test
