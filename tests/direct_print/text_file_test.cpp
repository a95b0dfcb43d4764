// zBxPrintFile: margins, pagination and the result for a missing file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <regex>
#include <string>

#include "engine/zbx_qn.h"
#include "platform/printing/recording_printer.h"
#include "platform/system/message_box.h"
#include "test_files.h"

namespace engine {
namespace {

using platform::CanvasCall;

std::string RunCommand(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return output;
  char buffer[4096];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get())) output.append(buffer, n);
  return output;
}

TEST(TextFilePrinting, MissingFileReturnsMinusOneSilently) {
  platform::ScopedMessageRecorder messages;
  platform::RecordingPrinter printer;
  platform::TPrinter* previous = platform::SetPrinter(&printer);
  EXPECT_EQ(zBxPrintFile("/no/such/folder/report.txt"), -1);
  platform::SetPrinter(previous);
  EXPECT_TRUE(messages.Texts().empty());
  EXPECT_TRUE(printer.Jobs.empty());
}

TEST(TextFilePrinting, MarginsUseEachDirectionsResolution) {
  testing::TempFolder folder("tessel-textfile");
  const std::string name = folder / "short.txt";
  testing::WriteText(name, "One line of text.\r\n");
  platform::RecordingPrinterSetup setup;
  setup.pixelsPerInchX = 300;
  setup.pixelsPerInchY = 600;
  setup.pageWidth = 2400;
  setup.pageHeight = 6000;
  platform::RecordingPrinter printer(setup);
  platform::TPrinter* previous = platform::SetPrinter(&printer);
  EXPECT_EQ(zBxPrintFile(name.c_str()), 0);
  platform::SetPrinter(previous);

  ASSERT_EQ(printer.Jobs.size(), 1u);
  ASSERT_EQ(printer.Jobs[0].pages.size(), 1u);
  ASSERT_EQ(printer.Jobs[0].pages[0].Calls.size(), 1u);
  const CanvasCall& call = printer.Jobs[0].pages[0].Calls[0];
  EXPECT_EQ(call.kind, CanvasCall::Kind::FormatRichText);
  EXPECT_EQ(call.rect, (platform::TRect{150, 600, 2250, 5400}));
  EXPECT_EQ(call.text.find("One line of text."), 0u);
}

TEST(TextFilePrinting, MarginsWiderThanThePageEndTheJob) {
  testing::TempFolder folder("tessel-textfile-narrow");
  const std::string name = folder / "short.txt";
  testing::WriteText(name, "Some text that never fits.\r\n");
  platform::RecordingPrinterSetup setup;
  setup.pageWidth = 200;  // a third of an inch at 600 ppi
  setup.pageHeight = 300;
  platform::RecordingPrinter printer(setup);
  platform::TPrinter* previous = platform::SetPrinter(&printer);
  EXPECT_EQ(zBxPrintFile(name.c_str()), 0);
  platform::SetPrinter(previous);
  ASSERT_EQ(printer.Jobs.size(), 1u);
  EXPECT_TRUE(printer.Jobs[0].ended);
  EXPECT_LE(printer.Jobs[0].pages.size(), 1u);
}

// A long text through the PDF backend: every page inside the margins, every
// line printed once.
TEST(TextFilePrinting, LongTextFlowsOverPdfPagesInsideTheMargins) {
  testing::TempFolder folder("tessel-textfile-pdf");
  const std::string name = folder / "long.txt";
  std::string text;
  for (int line = 1; line <= 150; ++line) text += "Line" + std::to_string(line) + " of the text file\r\n";
  testing::WriteText(name, text);
  const std::string pdf = folder / "long.pdf";
  ::setenv("ZBX_PRINT_TO", pdf.c_str(), 1);
  EXPECT_EQ(zBxPrintFile(name.c_str()), 0);
  ::unsetenv("ZBX_PRINT_TO");

  platform::TPrinter& printer = platform::Printer();
  const double pointsPerPixelX = 72.0 / printer.LogPixelsX();
  const double pointsPerPixelY = 72.0 / printer.LogPixelsY();
  const double left = (printer.PhysicalOffsetX() + 0.5 * printer.LogPixelsX()) * pointsPerPixelX;
  const double top = (printer.PhysicalOffsetY() + 1.0 * printer.LogPixelsY()) * pointsPerPixelY;
  const double bottom =
      (printer.PhysicalOffsetY() + printer.PageHeight() - 1.0 * printer.LogPixelsY()) * pointsPerPixelY;

  const std::string info = RunCommand("pdfinfo '" + pdf + "'");
  std::smatch pages;
  ASSERT_TRUE(std::regex_search(info, pages, std::regex("Pages:\\s+(\\d+)"))) << info;
  EXPECT_GE(std::stoi(pages[1]), 2);

  const std::string boxes = RunCommand("pdftotext -bbox '" + pdf + "' -");
  const std::regex word(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)</word>");
  int lines = 0;
  for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), word); it != std::sregex_iterator();
       ++it) {
    const double xMin = std::stod((*it)[1]);
    const double yMin = std::stod((*it)[2]);
    const double yMax = std::stod((*it)[3]);
    EXPECT_GE(xMin, left - 1.0) << (*it)[4];
    EXPECT_GE(yMin, top - 1.0) << (*it)[4];
    EXPECT_LE(yMax, bottom + 1.0) << (*it)[4];
    if (std::string((*it)[4]).rfind("Line", 0) == 0) ++lines;
  }
  EXPECT_EQ(lines, 150);
}

}  // namespace
}  // namespace engine
