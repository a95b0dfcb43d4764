#include <gtest/gtest.h>

#include <stdexcept>

#include "pdf_tools.h"
#include "platform/printing/pdf_printer.h"
#include "platform/printing/recording_printer.h"

namespace platform {
namespace {

using Log = std::vector<std::string>;

TEST(PrintJob, EndsTheJobWhenItGoesOutOfScope) {
  RecordingPrinter printer;
  { PrintJob job(printer); }
  EXPECT_EQ(printer.Log, (Log{"BeginDoc", "EndDoc"}));
  EXPECT_TRUE(printer.Jobs[0].ended);
}

TEST(PrintJob, AbortsWhenAnExceptionLeavesItsScope) {
  RecordingPrinter printer;
  EXPECT_THROW(
      {
        PrintJob job(printer);
        throw std::runtime_error("drawing failed");
      },
      std::runtime_error);
  EXPECT_EQ(printer.Log, (Log{"BeginDoc", "Abort"}));
  EXPECT_TRUE(printer.Jobs[0].aborted);
}

TEST(PrintJob, EndNowEndsOnce) {
  RecordingPrinter printer;
  {
    PrintJob job(printer);
    job.End();
    EXPECT_FALSE(printer.Printing());
  }
  EXPECT_EQ(printer.Log, (Log{"BeginDoc", "EndDoc"}));
}

TEST(PrintJob, AJobThatCannotStartNeedsNoEnding) {
  RecordingPrinter printer(RecordingPrinterSetup{.failBeginDoc = true});
  EXPECT_THROW(PrintJob job(printer), EPrinter);
  EXPECT_EQ(printer.Log, (Log{"BeginDoc"}));
}

// A job run entirely inside a destructor that runs during unwinding is not
// itself being unwound, and ends normally.
struct JobInCleanup {
  RecordingPrinter& printer;
  ~JobInCleanup() { PrintJob job(printer); }
};

TEST(PrintJob, OnlyItsOwnUnwindingAborts) {
  RecordingPrinter printer;
  try {
    JobInCleanup cleanup{printer};
    throw 1;
  } catch (int) {
  }
  EXPECT_EQ(printer.Log, (Log{"BeginDoc", "EndDoc"}));
}

TEST(ProcessPrinter, TestsInstallTheirOwnAndPutTheRealOneBack) {
  RecordingPrinter first, second;
  EXPECT_EQ(SetPrinter(&first), nullptr);
  EXPECT_EQ(&Printer(), &first);
  EXPECT_EQ(SetPrinter(&second), &first);
  EXPECT_EQ(&Printer(), &second);
  EXPECT_EQ(SetPrinter(nullptr), &second);
  EXPECT_NE(&Printer(), &second);
}

TEST(ProcessPrinter, ANamedTargetMeansThePdfBackend) {
  tessel_test::ScopedEnvironment target("ZBX_PRINT_TO", "/tmp/unused.pdf");
  SetPrinter(nullptr);
  EXPECT_NE(dynamic_cast<PdfPrinter*>(&Printer()), nullptr);
}

}  // namespace
}  // namespace platform
