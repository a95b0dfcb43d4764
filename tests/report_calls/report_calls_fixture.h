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

  const Texts& Messages() const { return messages_.Texts(); }

  tessel_test::TemplateFolder folder_;
  platform::ScopedMessageRecorder messages_;
  platform::RecordingPrinter printer_;
  platform::TPrinter* previousPrinter_ = nullptr;
};

}  // namespace engine
