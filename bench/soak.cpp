// The soak run: 10,000 create/fill/print/free cycles of a small report in one
// process, as a host that prints all day would make them, with the resident
// memory (VmRSS) shown at the start, every 1,000 cycles and at the end. Memory
// that keeps growing after the first cycles is a leak somewhere in the road
// of a report.
//
//   tessel_soak [cycles] [--pdf]
//
// Pages go to a RecordingPrinter; with --pdf they go through the PDF backend
// into a scratch folder instead (much slower, but with real painting, fonts
// and picture scaling), each file removed after its cycle. Messages are
// counted, not shown: a sound template draws none.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "bench/peak_memory.h"
#include "engine/zbx_qn.h"
#include "platform/printing/pdf_printer.h"
#include "platform/printing/recording_printer.h"
#include "platform/system/message_box.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDefaultCycles = 10'000;
constexpr int kReportEvery = 1'000;
constexpr int kRecordsPerCycle = 5;

// A fixed header with a label, a picture, rich text and a shape, and a repeat
// region of three typed variables, one with a highlight rule.
constexpr std::string_view kTemplate =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\n"
    "[STYLES]\nRS0=LABELSTYLE\nRS1=LABELSTYLE\n"
    "[RS0]\nSTYLENAME=DEFAULTSTYLE\nSIZE=9\nNAME=Arial\n"
    "[RS1]\nSTYLENAME=Alarm\nSTYLE=1\nSIZE=9\nCOLOR=255\nNAME=Arial\n"
    "[REPORT]\nRC1=FIXEDREGION\nRC6=FIXEDREGION\n"
    "[RC1]\nNAME=Header\nLEFT=0\nTOP=0\nWIDTH=700\nHEIGHT=150\nPARENT=REPORT\n"
    "[Header]\nRC2=LABEL\nRC3=IMAGEREGION\nRC4=RICHTEXTREGION\nRC5=SHAPEREGION\n"
    "[RC2]\nNAME=Title\nLEFT=10\nTOP=10\nWIDTH=300\nHEIGHT=20\nPARENT=Header\nTEXT=Stock\n"
    "[RC3]\nNAME=Logo\nLEFT=400\nTOP=10\nWIDTH=80\nHEIGHT=80\nPARENT=Header\n"
    "IMAGEFILE=logo.bmp\nFILELOCATION=IMAGES\n"
    "[RC4]\nNAME=Notes\nLEFT=10\nTOP=40\nWIDTH=300\nHEIGHT=60\nPARENT=Header\n"
    "STYLE=DEFAULTSTYLE\nRTFFILE=\nLINE1=Counted every morning.\nLINE2=Reorder below 20.\n"
    "[RC5]\nNAME=Rule\nLEFT=10\nTOP=120\nWIDTH=680\nHEIGHT=5\nPARENT=Header\nSHAPE=4\n"
    "[RC6]\nNAME=Detail\nLEFT=0\nTOP=160\nWIDTH=700\nHEIGHT=100\nPARENT=REPORT\n"
    "[Detail]\nRC7=REPEATREGION\n"
    "[RC7]\nNAME=Records\nLEFT=0\nTOP=0\nWIDTH=700\nHEIGHT=25\nPARENT=Detail\n"
    "[Records]\nRC8=VARIABLE\nRC9=VARIABLE\nRC10=VARIABLE\n"
    "[RC8]\nNAME=Item\nLEFT=10\nTOP=2\nWIDTH=300\nHEIGHT=20\nPARENT=Records\nVARTYPE=string\n"
    "[RC9]\nNAME=Quantity\nLEFT=320\nTOP=2\nWIDTH=100\nHEIGHT=20\nPARENT=Records\n"
    "VARTYPE=integer\nHLWHEN=lessThan\nHLVALUE=20\nHLSTYLE=Alarm\n"
    "[RC10]\nNAME=Price\nLEFT=430\nTOP=2\nWIDTH=100\nHEIGHT=20\nPARENT=Records\n"
    "VARTYPE=floatingPoint\n";

// An 8 x 8 picture of 24-bit colour, stored bottom-up as BMP files are.
std::string SmallBitmap() {
  constexpr int kSide = 8, kStride = kSide * 3;
  std::string bytes(54 + kStride * kSide, '\0');
  const auto put = [&](std::size_t at, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(2, static_cast<uint32_t>(bytes.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, kSide, 4);
  put(22, kSide, 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (int i = 0; i < kStride * kSide; ++i) bytes[54 + i] = static_cast<char>(i * 7);
  return bytes;
}

void WriteFile(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tessel-soak-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

struct CycleCounts {
  int64_t jobs = 0;  // print jobs that ended with their pages delivered
  int64_t messages = 0;
};

// One report's whole road through the exports.
void RunCycle(const std::string& templatePath, int cycle) {
  zBxCreateReport(templatePath.c_str());
  zBxBeginRegion("Header");
  zBxEndRegion();
  zBxBeginRegion("Detail");
  for (int record = 0; record < kRecordsPerCycle; ++record) {
    zBxBeginRegion("Records");
    zBxSetVariable("Item", ("Article " + std::to_string(cycle) + "-" + std::to_string(record)).c_str());
    zBxSetVariable("Quantity", std::to_string((cycle + record * 13) % 40).c_str());
    zBxSetVariable("Price", (std::to_string(record) + ".25").c_str());
    zBxEndRegion();
  }
  zBxEndRegion();
  zBxPrintReport();
  zBxFreeReport();
}

// Returns how many there were: one per finished job.
int RemovePdfs(const fs::path& folder) {
  int removed = 0;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored)) {
    if (entry.path().extension() == ".pdf" && fs::remove(entry.path(), ignored)) ++removed;
  }
  return removed;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int cycles = kDefaultCycles;
  bool pdf = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--pdf") {
      pdf = true;
    } else if (const int value = std::atoi(argv[i]); value > 0) {
      cycles = value;
    } else {
      std::fprintf(stderr, "usage: tessel_soak [cycles] [--pdf]\n");
      return 2;
    }
  }

  ScratchFolder scratch;
  if (scratch.Path().empty()) {
    std::fprintf(stderr, "tessel_soak: no scratch folder\n");
    return 2;
  }
  const std::string templatePath = (scratch.Path() / "soak.qnf").string();
  WriteFile(templatePath, kTemplate);
  WriteFile(scratch.Path() / "IMAGES" / "logo.bmp", SmallBitmap());
  if (pdf) setenv("ZBX_PRINT_TO", (scratch.Path() / "soak.pdf").c_str(), 1);

  CycleCounts counts;
  platform::SetMessageRecorder([&counts](const std::string&) { ++counts.messages; });
  std::unique_ptr<platform::PdfPrinter> pdfPrinter;
  if (pdf) pdfPrinter = std::make_unique<platform::PdfPrinter>();

  const int64_t start = bench::ResidentKilobytes();
  int64_t warm = start;
  std::printf("tessel_soak: %d cycles of %d records, printing to %s\n", cycles, kRecordsPerCycle,
              pdf ? "PDF files" : "a RecordingPrinter");
  std::printf("cycle %6d  VmRSS %8lld kB\n", 0, static_cast<long long>(start));
  std::fflush(stdout);
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    if (pdf) {
      platform::SetPrinter(pdfPrinter.get());
      RunCycle(templatePath, cycle);
      counts.jobs += RemovePdfs(scratch.Path());
    } else {
      platform::RecordingPrinter printer;
      platform::SetPrinter(&printer);
      RunCycle(templatePath, cycle);
      for (const auto& job : printer.Jobs) counts.jobs += job.ended ? 1 : 0;
    }
    platform::SetPrinter(nullptr);
    // The first cycle starts Qt and loads fonts once for the process; growth
    // is measured from after it.
    if (cycle == 1) warm = bench::ResidentKilobytes();
    if (cycle == 1 || cycle % kReportEvery == 0 || cycle == cycles) {
      std::printf("cycle %6d  VmRSS %8lld kB\n", cycle, static_cast<long long>(bench::ResidentKilobytes()));
      std::fflush(stdout);
    }
  }
  const int64_t end = bench::ResidentKilobytes();
  platform::SetMessageRecorder({});
  std::printf("tessel_soak: VmRSS %lld kB at the start, %lld kB after the first cycle, "
              "%lld kB at the end (%+lld kB since the first cycle); %lld jobs printed, "
              "%lld messages\n",
              static_cast<long long>(start), static_cast<long long>(warm),
              static_cast<long long>(end), static_cast<long long>(end - warm),
              static_cast<long long>(counts.jobs),
              static_cast<long long>(counts.messages));
  // A sound template prints one job a cycle without a word; anything else
  // means the run measured something other than the road of a report.
  return counts.messages == 0 && counts.jobs == cycles ? 0 : 1;
}
