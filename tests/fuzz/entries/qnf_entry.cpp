// A whole template through zBxCreateReport, then whatever calls the rest of
// the input decodes to. Afterwards the engine must still load, fill and print
// a sound template without a word: a hostile input may cost its own report,
// never the next one.
#include <algorithm>
#include <string>
#include <string_view>

#include "engine/zbx_qn.h"
#include "tests/fuzz/entries/export_calls.h"
#include "tests/fuzz/entries/fuzz_entries.h"
#include "tests/fuzz/entries/invariant.h"
#include "tests/fuzz/entries/quiet_engine.h"
#include "tests/fuzz/entries/scratch_folder.h"
#include "tests/fuzz/entries/sound_report.h"

namespace tessel_fuzz::qnf {
namespace {

// Bounds the work of one input; a longer run shows nothing new.
constexpr int kMaxCalls = 64;

}  // namespace

int FuzzOne(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = std::min(input.find('\0'), input.size());
  const std::string_view templateText = input.substr(0, split);
  const std::string_view calls = input.substr(std::min(split + 1, input.size()));

  ScratchFolder scratch;
  scratch.CopySamplePictures();
  const std::string templatePath = scratch.Write("input.qnf", templateText);
  const std::string soundPath = WriteSoundTemplate(scratch);

  QuietEngine quiet;
  ExportCallPools pools;
  pools.names = NamesInTemplate(templateText);
  pools.files = {templatePath,
                 soundPath,
                 scratch.PathOf("IMAGES/logo.bmp"),
                 scratch.PathOf("IMAGES/emblem.bmp"),
                 scratch.PathOf("IMAGES/photo.jpg"),
                 scratch.PathOf("RTFS/notes.rtf"),
                 scratch.PathOf("missing.qnf"),
                 scratch.PathOf("IMAGES/LOGO.BMP"),
                 scratch.PathOf("IMAGES"),
                 ""};
  pools.scratchFolder = scratch.Path().string();

  zBxCreateReport(templatePath.c_str());
  ExportCalls decoder(calls, std::move(pools), quiet);
  for (int call = 0; call < kMaxCalls && !decoder.Done(); ++call) decoder.RunNext();
  zBxFreeReport();

  for (const std::string& message : quiet.Messages()) {
    CheckInvariant(message.starts_with("Tessel: "), "every engine message begins \"Tessel: \"");
  }
  const std::string soundFailure = PrintSoundReport(quiet, soundPath);
  CheckInvariant(soundFailure.empty(), "after the input, " + soundFailure);
  return 0;
}

}  // namespace tessel_fuzz::qnf
