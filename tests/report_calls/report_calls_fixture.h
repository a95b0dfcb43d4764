#pragma once
// Drives the engine through its thirteen C functions, as a host does, with
// every message recorded, a recording printer and a scripted print dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "engine/zbx_qn.h"
#include "platform/printing/recording_printer.h"
#include "platform/system/message_box.h"
#include "platform/system/print_dialog.h"
#include "tests/printing/pdf_tools.h"
#include "tests/template_reading/template_folder.h"

namespace engine {

using Texts = std::vector<std::string>;

// A repeat region of integer amounts inside the report.
inline constexpr std::string_view kAmountsTemplate =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\n[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n"
    "[REPORT]\nRC1=REPEATREGION\nRC3=LABEL\n"
    "[RC1]\nNAME=Rows\nLEFT=0\nTOP=100\nWIDTH=500\nHEIGHT=30\nPARENT=REPORT\n"
    "[Rows]\nRC2=VARIABLE\n"
    "[RC2]\nNAME=Amount\nLEFT=10\nTOP=5\nWIDTH=100\nHEIGHT=20\nPARENT=Rows\nVARTYPE=integer\n"
    "[RC3]\nNAME=Caption\nLEFT=0\nTOP=0\nWIDTH=200\nHEIGHT=20\nPARENT=REPORT\nTEXT=Amounts\n";

// Amounts in a repeat region inside a fixed region, ten to a page, each
// page headed "Amounts".
inline constexpr std::string_view kPagesTemplate =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\n[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n"
    "[REPORT]\nRC1=FIXEDREGION\n"
    "[RC1]\nNAME=Body\nLEFT=0\nTOP=0\nWIDTH=780\nHEIGHT=1000\nPARENT=REPORT\n"
    "[Body]\nRC2=LABEL\nRC3=REPEATREGION\n"
    "[RC2]\nNAME=Caption\nLEFT=0\nTOP=0\nWIDTH=200\nHEIGHT=20\nPARENT=Body\nTEXT=Amounts\n"
    "[RC3]\nNAME=Rows\nLEFT=0\nTOP=0\nWIDTH=780\nHEIGHT=100\nPARENT=Body\nMULTIPAGE=TRUE\n"
    "[Rows]\nRC4=VARIABLE\n"
    "[RC4]\nNAME=Amount\nLEFT=10\nTOP=30\nWIDTH=100\nHEIGHT=20\nPARENT=Rows\nVARTYPE=integer\n";

class ReportCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    Unload();
    previousPrinter_ = platform::SetPrinter(&printer_);
    platform::SetPrintDialogAnswer([] { return true; });
  }
  void TearDown() override {
    Unload();
    platform::SetPrintDialogAnswer({});
    platform::SetPrinter(previousPrinter_);
  }

  // Every test starts with no report and a clear flag, whatever the one
  // before it left.
  static void Unload() {
    ClearErrorFlag();
    zBxFreeReport();
    ClearErrorFlag();
  }

  std::string Write(std::string_view name, std::string_view text) {
    return folder_.Write(name, text);
  }
  std::string WriteAmounts() { return Write("amounts.qnf", kAmountsTemplate); }

  // A template like kPagesTemplate loaded with thirty amounts: three pages.
  void LoadPages(std::string_view pagesTemplate) {
    ASSERT_EQ(zBxCreateReport(Write("pages.qnf", pagesTemplate).c_str()), 0);
    zBxBeginRegion("Body");
    for (int amount = 1; amount <= 30; ++amount) {
      zBxBeginRegion("Rows");
      zBxSetVariable("Amount", std::to_string(amount).c_str());
      zBxEndRegion();
    }
    zBxEndRegion();
    ASSERT_TRUE(Messages().empty());
  }

  const Texts& Messages() const { return messages_.Texts(); }

  static std::string PdfPageText(const std::string& path, size_t page) {
    const std::string number = std::to_string(page);
    return tessel_test::CommandOutput("pdftotext -f " + number + " -l " + number + " '" + path +
                                      "' - 2>/dev/null");
  }

  tessel_test::TemplateFolder folder_;
  platform::ScopedMessageRecorder messages_;
  platform::RecordingPrinter printer_;
  platform::TPrinter* previousPrinter_ = nullptr;
};

}  // namespace engine
