#pragma once
// The preview window driven under the offscreen platform: a report of rows,
// a recording printer and every message recorded.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/zbx_qn.h"
#include "platform/printing/recording_printer.h"
#include "platform/system/message_box.h"
#include "platform/system/print_dialog.h"
#include "platform/system/qt_application.h"

namespace engine {

// A report of rows 1 inch high in a body region: ten rows fill a page.
// reportItems are further items of REPORT, each "RCn=KIND\r\n" line with its
// section in reportSections.
inline std::string TemplateText(const std::string& paper, const std::string& reportItems = "",
                                const std::string& reportSections = "") {
  return "[RSTYLES]\r\nRR0=REPORTSTYLE\r\n"
         "[RR0]\r\n" + paper +
         "[STYLES]\r\nRS0=LABELSTYLE\r\n"
         "[RS0]\r\nSTYLENAME=DEFAULTSTYLE\r\nSTYLE=0\r\nSIZE=8\r\nCOLOR=0\r\nNAME=Arial\r\n"
         "[REPORT]\r\nRC1=FIXEDREGION\r\n" + reportItems +
         "[RC1]\r\nNAME=Body\r\nLEFT=0\r\nTOP=0\r\nWIDTH=780\r\nHEIGHT=1000\r\nPARENT=REPORT\r\n"
         "[Body]\r\nRC2=REPEATREGION\r\n"
         "[RC2]\r\nNAME=Row\r\nLEFT=0\r\nTOP=0\r\nWIDTH=780\r\nHEIGHT=100\r\nPARENT=Body\r\n"
         "MULTIPAGE=TRUE\r\n"
         "[Row]\r\nRC3=VARIABLE\r\n"
         "[RC3]\r\nNAME=Cell\r\nLEFT=10\r\nTOP=10\r\nWIDTH=300\r\nHEIGHT=20\r\nPARENT=Row\r\n"
         "VARTYPE=string\r\nHLWHEN=none\r\nHLVALUE=\r\nMASTERVARIABLE=0\r\n"
         "STYLE=DEFAULTSTYLE\r\nHLSTYLE=DEFAULTSTYLE\r\n" + reportSections;
}

class PreviewWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::EnsureApplication());
    folder_ = std::filesystem::temp_directory_path() /
              ("tessel-preview-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    previous_ = platform::SetPrinter(&printer_);
  }
  void TearDown() override {
    zBxFreeReport();
    platform::SetPrinter(previous_);
    platform::SetPrintDialogAnswer({});
    std::filesystem::remove_all(folder_);
  }

  void LoadRows(int rows, const std::string& paper = "") {
    LoadTemplate(TemplateText(paper), rows);
  }

  void LoadTemplate(const std::string& text, int rows) {
    const auto path = folder_ / "rows.qnf";
    std::ofstream(path, std::ios::binary) << text;
    ASSERT_EQ(zBxCreateReport(path.c_str()), 0);
    zBxBeginRegion("Body");
    for (int i = 1; i <= rows; ++i) {
      zBxBeginRegion("Row");
      zBxSetVariable("Cell", ("row " + std::to_string(i)).c_str());
      zBxEndRegion();
    }
    zBxEndRegion();
  }

  platform::ScopedMessageRecorder messages_;
  platform::RecordingPrinter printer_;
  platform::TPrinter* previous_ = nullptr;
  std::filesystem::path folder_;
};

}  // namespace engine
