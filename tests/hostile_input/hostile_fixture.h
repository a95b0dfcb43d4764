#pragma once
// Every hostile case runs against the real exports with messages recorded,
// pages painted by a RasterPrinter and the print dialog answered, within a
// time bound; afterwards the process must have stayed within its memory
// bound and a sound template must load and print without a word.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/zbx_qn.h"
#include "platform/printing/recording_printer.h"
#include "tests/fuzz/entries/quiet_engine.h"
#include "tests/fuzz/entries/scratch_folder.h"
#include "tests/fuzz/entries/sound_report.h"
#include "tests/hostile_input/deadline.h"
#include "tests/hostile_input/process_memory.h"

namespace tessel_test {

using Texts = std::vector<std::string>;

// Generous: the sanitizer builds use several times the memory of a plain one.
inline constexpr int64_t kMemoryBoundMiB = 1536;
inline constexpr std::chrono::seconds kTimeBound{120};

// The sections every loadable template has.
inline constexpr std::string_view kStyles =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\n[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n";

inline std::string TestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return info ? std::string(info->test_suite_name()) + "." + info->name() : "a hostile case";
}

class HostileInput : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Screen and window captures must not reach a real display.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
  }

  void TearDown() override {
    if (recording_) platform::SetPrinter(&quiet_.Printer());
    EXPECT_EQ(tessel_fuzz::PrintSoundReport(quiet_, tessel_fuzz::WriteSoundTemplate(scratch_)), "");
    EXPECT_LT(PeakResidentMiB(), kMemoryBoundMiB);
  }

  std::string Write(std::string_view name, std::string_view bytes) {
    return scratch_.Write(name, bytes);
  }
  // Writes the template and loads it with zBxCreateReport.
  std::string Load(std::string_view name, std::string_view text) {
    const std::string path = Write(name, text);
    zBxCreateReport(path.c_str());
    return path;
  }
  const Texts& Messages() const { return quiet_.Messages(); }

  // From here on pages are recorded instead of painted, to be looked at.
  platform::RecordingPrinter& RecordPages() {
    platform::SetPrinter(&recorder_);
    recording_ = true;
    return recorder_;
  }

  Deadline deadline_{kTimeBound, TestName()};
  tessel_fuzz::ScratchFolder scratch_;
  tessel_fuzz::QuietEngine quiet_;
  platform::RecordingPrinter recorder_;
  bool recording_ = false;
};

}  // namespace tessel_test
