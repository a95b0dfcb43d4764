#include "tests/fuzz/entries/sound_report.h"

#include <algorithm>
#include <string_view>

#include "engine/zbx_qn.h"
#include "platform/printing/recording_printer.h"
#include "tests/fuzz/entries/quiet_engine.h"
#include "tests/fuzz/entries/scratch_folder.h"

namespace tessel_fuzz {
namespace {

constexpr std::string_view kSoundTemplate =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\n[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n"
    "[REPORT]\nRC1=REPEATREGION\nRC3=LABEL\n"
    "[RC1]\nNAME=Rows\nLEFT=0\nTOP=100\nWIDTH=500\nHEIGHT=30\nPARENT=REPORT\n"
    "[Rows]\nRC2=VARIABLE\n"
    "[RC2]\nNAME=Amount\nLEFT=10\nTOP=5\nWIDTH=100\nHEIGHT=20\nPARENT=Rows\nVARTYPE=integer\n"
    "[RC3]\nNAME=Caption\nLEFT=0\nTOP=0\nWIDTH=200\nHEIGHT=20\nPARENT=REPORT\nTEXT=Amounts\n";

bool PageShowsText(const platform::RecordingCanvas& page, std::string_view text) {
  return std::any_of(page.Calls.begin(), page.Calls.end(), [&](const platform::CanvasCall& call) {
    return call.kind == platform::CanvasCall::Kind::TextOut && call.text == text;
  });
}

}  // namespace

std::string WriteSoundTemplate(const ScratchFolder& folder) {
  return folder.Write("sound.qnf", kSoundTemplate);
}

std::string PrintSoundReport(QuietEngine& quiet, const std::string& soundTemplate) {
  const std::size_t messages = quiet.Messages().size();
  platform::RecordingPrinter printer;
  platform::TPrinter* const previous = platform::SetPrinter(&printer);
  zBxCreateReport(soundTemplate.c_str());
  zBxBeginRegion("Rows");
  zBxSetVariable("Amount", "7");
  zBxEndRegion();
  zBxPrintReport();
  zBxFreeReport();
  platform::SetPrinter(previous);
  if (quiet.Messages().size() != messages) {
    return "the sound template drew the message \"" + quiet.Messages()[messages] + "\"";
  }
  const auto& printed = printer.Jobs;
  if (printed.size() != 1 || !printed.back().ended || printed.back().pages.size() != 1) {
    return "the sound template did not print as one finished page";
  }
  if (!PageShowsText(printed.back().pages.front(), "Amounts") ||
      !PageShowsText(printed.back().pages.front(), "7")) {
    return "the sound template's page lacks its label or value";
  }
  return {};
}

}  // namespace tessel_fuzz
