// The shipped sample through the real engine: the template must load without
// a single engine message and every call of the script must run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <filesystem>
#include <string>
#include <vector>

#include "host_process.h"

namespace host_test {
namespace {

std::string CommandOutput(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return output;
  char buffer[4096];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get())) output.append(buffer, n);
  return output;
}

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

  // The printed report, read back with poppler: three pages, the static
  // layer on each, the records flowing from the first page to the last.
  const std::string pdf = (scratch.Path() / "sample.pdf").string();
  EXPECT_NE(CommandOutput("pdfinfo '" + pdf + "'").find("Pages:           3"), std::string::npos);
  const auto pageText = [&pdf](int page) {
    const std::string number = std::to_string(page);
    return CommandOutput("pdftotext -f " + number + " -l " + number + " -layout '" + pdf + "' -");
  };
  for (int page = 1; page <= 3; ++page) {
    const std::string text = pageText(page);
    EXPECT_NE(text.find("Tessel Sample Report"), std::string::npos) << "page " << page;
    EXPECT_NE(text.find("Notes on this report"), std::string::npos) << "page " << page;
  }
  EXPECT_NE(pageText(1).find("Article 1-1 "), std::string::npos);
  EXPECT_NE(pageText(3).find("Article 6-10"), std::string::npos);
}

}  // namespace
}  // namespace host_test
