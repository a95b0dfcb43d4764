// Running a child: its output comes back whole, its errors land in the log,
// and the way it ended is reported.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "bench/child_process.h"
#include "bench/scratch_folder.h"

namespace bench {
namespace {

std::string FileText(const std::filesystem::path& path) {
  std::ostringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

class ChildProcess : public ::testing::Test {
 protected:
  ScratchFolder folder_{"tessel-child-test"};
  std::filesystem::path log_ = folder_.Path() / "child.log";
};

TEST_F(ChildProcess, OutputAndErrorsGoTheirSeparateWays) {
  const ChildResult result =
      RunChild({"/bin/sh", "-c", "printf 'measured a=1\\n'; echo oops >&2; exit 3"}, log_);
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_EQ(result.output, "measured a=1\n");
  EXPECT_EQ(FileText(log_), "oops\n");
}

TEST_F(ChildProcess, OutputLargerThanThePipeComesBackWhole) {
  const ChildResult result = RunChild({"/bin/sh", "-c", "head -c 300000 /dev/zero | tr '\\0' x"}, log_);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, std::string(300000, 'x'));
}

TEST_F(ChildProcess, ASignalIsReportedAsItsNegativeNumber) {
  EXPECT_EQ(RunChild({"/bin/sh", "-c", "kill -9 $$"}, log_).exitCode, -9);
}

TEST_F(ChildProcess, AProgramThatCannotStartThrows) {
  EXPECT_THROW(RunChild({(folder_.Path() / "missing").string()}, log_), std::runtime_error);
  EXPECT_THROW(RunChild({}, log_), std::runtime_error);
}

TEST(OwnExecutable, IsTheRunningTestProgram) {
  EXPECT_EQ(OwnExecutable().filename(), "bench_harness_test");
}

}  // namespace
}  // namespace bench
