// Argument sequences no host script should make: null texts, absurd
// integers, files that are no files, and more records than any report holds.
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <string>

#include "tests/hostile_input/hostile_fixture.h"

namespace tessel_test {
namespace {

// Records flow over pages from a repeat region inside a fixed one.
constexpr std::string_view kRowsTemplate =
    "[REPORT]\nRC1=FIXEDREGION\n"
    "[RC1]\nNAME=Detail\nLEFT=0\nTOP=0\nWIDTH=600\nHEIGHT=100\nPARENT=REPORT\n"
    "[Detail]\nRC2=REPEATREGION\n"
    "[RC2]\nNAME=Rows\nLEFT=0\nTOP=10\nWIDTH=500\nHEIGHT=30\nPARENT=Detail\n"
    "[Rows]\nRC3=VARIABLE\n"
    "[RC3]\nNAME=Amount\nLEFT=10\nTOP=5\nWIDTH=100\nHEIGHT=20\nPARENT=Rows\nVARTYPE=integer\n";

TEST_F(HostileInput, NullTextsCountAsEmpty) {
  EXPECT_EQ(zBxCreateReport(nullptr), 0);
  EXPECT_EQ(Messages(), Texts{"Tessel: Wrong file extention -- \"\"  "});
  Load("rows.qnf", std::string(kStyles) + std::string(kRowsTemplate));
  EXPECT_EQ(zBxSetHighlight(nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(Messages().back(), "Tessel: Could not perform ZbxSetHighLight.  ");
  Load("rows.qnf", std::string(kStyles) + std::string(kRowsTemplate));
  EXPECT_EQ(zBxBeginRegion(nullptr), 0);
  EXPECT_EQ(Messages().back(), "Tessel: Could not perform ZbxStartRegion.  ");
  Load("rows.qnf", std::string(kStyles) + std::string(kRowsTemplate));
  zBxBeginRegion("Detail");
  EXPECT_EQ(zBxSetVariable(nullptr, nullptr), 0);
  EXPECT_EQ(Messages().back(), "Tessel: Could not peform ZbxSetVariable.  ");
  EXPECT_EQ(zBxPrintFile(nullptr), -1);
  const std::size_t before = Messages().size();
  EXPECT_EQ(zBxPrintGraphicFile(nullptr, 0, 100, 0), 0);
  EXPECT_EQ(Messages().size(), before + 1);
  EXPECT_EQ(Messages().back(), "Tessel: File: \"\" does not exist. ");
}

TEST_F(HostileInput, FilesThatAreNoFilesAreNotOpened) {
  // A pipe without a writer would block the first reader for ever; a folder
  // cannot be read.
  const std::string pipe = (scratch_.Path() / "pipe.qnf").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string folder = (scratch_.Path() / "folder.qnf").string();
  std::filesystem::create_directory(folder);

  EXPECT_EQ(zBxPrintFile(pipe.c_str()), -1);
  EXPECT_EQ(zBxPrintFile(folder.c_str()), -1);
  EXPECT_EQ(zBxPrintFile("/dev/zero"), -1);
  EXPECT_EQ(Messages(), Texts{});

  zBxCreateReport(pipe.c_str());
  zBxCreateReport(folder.c_str());
  EXPECT_EQ(Messages(), (Texts{"Tessel: File not loaded: \"" + pipe + "\"  ",
                               "Tessel: File not loaded: \"" + folder + "\"  "}));
  const std::string pipePicture = (scratch_.Path() / "pipe.bmp").string();
  ASSERT_EQ(mkfifo(pipePicture.c_str(), 0600), 0);
  zBxPrintGraphicFile(pipePicture.c_str(), 0, 100, 0);
  EXPECT_EQ(Messages().back(), "Tessel: File: \"" + pipePicture + "\" does not exist. ");
  EXPECT_EQ(quiet_.Printer().JobsEnded(), 0);
}

TEST_F(HostileInput, DynamicPictureNamingAPipeIsReportedMissing) {
  const std::string pipe = (scratch_.Path() / "IMAGES" / "pipe.bmp").string();
  std::filesystem::create_directories(scratch_.Path() / "IMAGES");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  Load("dynamic.qnf", std::string(kStyles) +
                          "[REPORT]\nRC1=FIXEDREGION\n[RC1]\nNAME=Header\nWIDTH=300\nHEIGHT=200\n"
                          "[Header]\nRC2=IMAGEREGION\n[RC2]\nNAME=Logo\nLEFT=0\nTOP=0\n"
                          "WIDTH=100\nHEIGHT=100\nPARENT=Header\nIMAGEFILE=DYNAMIC\n"
                          "FILELOCATION=IMAGES\n");
  zBxBeginRegion("Header");
  zBxSetVariable("Logo", "pipe.bmp");
  zBxEndRegion();
  zBxPrintReport();
  std::string missing = "Tessel: File does not exist \"" + pipe + "\" ";
  std::replace(missing.begin(), missing.end(), '/', '\\');
  // A missing picture has no extension, which ends the page.
  EXPECT_EQ(Messages(), (Texts{missing, "Tessel: Expected BMP or JPG extention, found - \"  "}));
}

TEST_F(HostileInput, AbsurdPrintArgumentsPrintOrNothingAtAll) {
  const std::string picture = Write("logo.bmp", tessel_fuzz::SampleBytes("IMAGES/logo.bmp"));
  const int32_t values[] = {INT_MIN, -1, 0, 1, 100, INT_MAX};
  for (const int32_t orientation : values) {
    for (const int32_t scale : values) {
      for (const int32_t position : values) {
        EXPECT_EQ(zBxPrintGraphicFile(picture.c_str(), orientation, scale, position), 0);
        EXPECT_EQ(zBxPrintScreen(orientation, scale, position), 0);
        EXPECT_EQ(zBxPrintWindow(scale, orientation, scale, position), 0);
      }
    }
  }
  // Every picture print is a job of its own, drawn or empty; captures fail
  // without a display, each with its message.
  EXPECT_EQ(quiet_.Printer().JobsEnded(), 6 * 6 * 6);
  for (const std::string& message : Messages()) {
    EXPECT_TRUE(message.starts_with("Tessel: Capture failed: ")) << message;
  }
}

TEST_F(HostileInput, TenThousandRecordsFlowOverPagesAndNoneIsLost) {
  constexpr int kRecords = 10'000;
  Load("rows.qnf", std::string(kStyles) + std::string(kRowsTemplate));
  zBxBeginRegion("Detail");
  for (int n = 1; n <= kRecords; ++n) {
    zBxBeginRegion("Rows");
    zBxSetVariable("Amount", std::to_string(n).c_str());
    zBxEndRegion();
  }
  zBxEndRegion();
  EXPECT_EQ(Messages(), Texts{});
  zBxPrintReport();
  EXPECT_EQ(quiet_.Printer().JobsEnded(), 1);

  platform::RecordingPrinter& printer = RecordPages();
  zBxPrintReport();
  ASSERT_EQ(printer.Jobs.size(), 1u);
  std::vector<std::string> printed;
  std::vector<int> perPage;
  for (const auto& page : printer.Jobs[0].pages) {
    perPage.push_back(0);
    for (const auto& call : page.Calls) {
      if (call.kind != platform::CanvasCall::Kind::TextOut) continue;
      printed.push_back(call.text);
      ++perPage.back();
    }
  }
  ASSERT_EQ(printed.size(), static_cast<std::size_t>(kRecords));
  for (int n = 1; n <= kRecords; ++n) EXPECT_EQ(printed[n - 1], std::to_string(n));
  // Every page but the last is full, and all hold the same number of rows.
  ASSERT_GT(perPage.size(), 1u);
  for (std::size_t page = 1; page + 1 < perPage.size(); ++page) EXPECT_EQ(perPage[page], perPage[0]);
  EXPECT_LE(perPage.back(), perPage[0]);
}

}  // namespace
}  // namespace tessel_test
