// Whole reports of generated repeat records laid out and printed to PDF, one
// child process per report size so that peak memory figures do not mix. Run
// without arguments for the table; a child runs with --records N. With
// --pictures logo-and-photo every page also draws the sample's logo and
// photo (default: one page and 1,000 pages); with --pictures bitmaps one
// page draws six BMP files; with --pictures large-photo each of 67 pages a
// 6000 x 4000 JPEG.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_records.h"
#include "bench/bench_session.h"
#include "bench/child_process.h"
#include "bench/cpu_stopwatch.h"
#include "bench/measurement.h"
#include "bench/peak_memory.h"
#include "bench/result_table.h"
#include "bench/scratch_folder.h"
#include "bench/stopwatch.h"
#include "engine/page_layout.h"
#include "engine/zbx_qn.h"

namespace {

// One page, then the three report sizes the targets are stated for.
const std::vector<int> kDefaultSizes = {50, 1000, 10000, 100000};
const std::vector<int> kDefaultLogoAndPhotoSizes = {50, 50000};
// 67 pages.
const std::vector<int> kDefaultLargePhotoSizes = {3350};
constexpr int kDefaultRuns = 3;

constexpr double kEndToEndLimitMs = 1000;   // 10,000 records
constexpr double kGrowthLimit = 12;         // 100,000 against 10,000 records
constexpr double kPeakLimitMB = 200;        // 100,000 records
constexpr double kPageSizeLimitKB = 20;     // one text-only page

const char* PicturesWord(bench::BenchPictures pictures) {
  switch (pictures) {
    case bench::BenchPictures::PageOfBitmaps: return "bitmaps";
    case bench::BenchPictures::LargePhoto: return "large-photo";
    default: return "logo-and-photo";
  }
}

bench::BenchPictures PicturesNamed(const std::string& word) {
  if (word == "logo-and-photo") return bench::BenchPictures::LogoAndPhoto;
  if (word == "bitmaps") return bench::BenchPictures::PageOfBitmaps;
  if (word == "large-photo") return bench::BenchPictures::LargePhoto;
  throw std::invalid_argument("--pictures wants logo-and-photo, bitmaps or large-photo, not \"" + word + "\"");
}

double Megabytes(double kilobytes) { return kilobytes * 1024 / 1e6; }

int RunOneSize(int records, bench::BenchPictures pictures) {
  bench::BenchSession session(pictures);
  bench::CpuStopwatch cpu;
  bench::Stopwatch clock;
  bench::LoadBenchReport(session.TemplatePath(), records);
  const double fillMs = clock.Milliseconds();

  // The layout made here is the one zBxPrintReport then uses unchanged.
  clock.Restart();
  engine::RunLayout();
  const double layoutMs = clock.Milliseconds();
  const double pages = static_cast<double>(engine::GetPages().size()) - 1;

  clock.Restart();
  zBxPrintReport();
  const double drawMs = clock.Milliseconds();
  const double cpuMs = cpu.Milliseconds();

  std::error_code noFile;
  const auto pdfBytes = std::filesystem::file_size(session.PdfPath(), noFile);
  zBxFreeReport();

  for (const std::string& message : session.Messages()) std::cerr << message << "\n";
  bench::Measurement measured;
  measured.Set("records", records);
  measured.Set("pages", pages);
  measured.Set("fill_ms", fillMs);
  measured.Set("layout_ms", layoutMs);
  measured.Set("draw_ms", drawMs);
  measured.Set("cpu_ms", cpuMs);
  measured.Set("pdf_bytes", noFile ? 0 : static_cast<double>(pdfBytes));
  measured.Set("peak_kb", static_cast<double>(bench::PeakResidentKilobytes()));
  measured.Set("messages", static_cast<double>(session.Messages().size()));
  std::cout << measured.Line() << std::endl;
  return 0;
}

double TotalMs(const bench::Measurement& m) {
  return m.Get("fill_ms") + m.Get("layout_ms") + m.Get("draw_ms");
}

// Runs one size several times, each in a fresh process, and keeps the run
// of median total time. Peak memory is the highest any run reached.
bench::Measurement MeasureSize(int records, int runs, bench::BenchPictures pictures) {
  bench::ScratchFolder logs("tessel-bench-log");
  const std::filesystem::path log = logs.Path() / "child.log";
  std::vector<bench::Measurement> results;
  double peak = 0;
  for (int run = 0; run < runs; ++run) {
    std::vector<std::string> arguments = {bench::OwnExecutable().string(), "--records",
                                          std::to_string(records)};
    if (pictures != bench::BenchPictures::None) {
      arguments.push_back("--pictures");
      arguments.push_back(PicturesWord(pictures));
    }
    const bench::ChildResult child = bench::RunChild(arguments, log);
    const auto measured = bench::Measurement::Find(child.output);
    // A run that raised an engine message timed a failure, not a report.
    if (child.exitCode != 0 || !measured || measured->Get("messages") > 0) {
      std::cout.flush();
      std::cerr << "the run of " << records << " records failed (exit " << child.exitCode
                << "); its standard error:\n"
                << std::ifstream(log).rdbuf() << "\n";
      throw std::runtime_error("a benchmark run failed");
    }
    peak = std::max(peak, measured->Get("peak_kb"));
    results.push_back(*measured);
  }
  std::sort(results.begin(), results.end(),
            [](const auto& a, const auto& b) { return TotalMs(a) < TotalMs(b); });
  bench::Measurement chosen = results[results.size() / 2];
  chosen.Set("peak_kb", peak);
  return chosen;
}

const bench::Measurement* FindSize(const std::vector<bench::Measurement>& all, int records) {
  for (const auto& m : all)
    if (m.Get("records") == records) return &m;
  return nullptr;
}

std::string Verdict(bool met) { return met ? "met" : "MISSED"; }

void PrintTargets(const std::vector<bench::Measurement>& all) {
  bench::ResultTable targets({"target", "measured", "limit", ""});
  const auto* one = FindSize(all, 50);
  const auto* ten = FindSize(all, 10000);
  const auto* hundred = FindSize(all, 100000);
  if (ten) {
    targets.AddRow({"10,000 records end to end", bench::Fixed(TotalMs(*ten), 1) + " ms",
                    "< " + bench::Fixed(kEndToEndLimitMs, 0) + " ms",
                    Verdict(TotalMs(*ten) < kEndToEndLimitMs)});
  }
  if (ten && hundred) {
    const double growth = TotalMs(*hundred) / TotalMs(*ten);
    targets.AddRow({"100,000 / 10,000 records time", bench::Fixed(growth, 2) + " x",
                    "<= " + bench::Fixed(kGrowthLimit, 0) + " x", Verdict(growth <= kGrowthLimit)});
  }
  if (hundred) {
    const double peak = Megabytes(hundred->Get("peak_kb"));
    targets.AddRow({"100,000 records peak memory", bench::Fixed(peak, 1) + " MB",
                    "< " + bench::Fixed(kPeakLimitMB, 0) + " MB", Verdict(peak < kPeakLimitMB)});
  }
  if (one && one->Get("pages") == 1) {
    const double kb = one->Get("pdf_bytes") / 1000;
    targets.AddRow({"one text-only page as PDF", bench::Fixed(kb, 1) + " KB",
                    "< " + bench::Fixed(kPageSizeLimitKB, 0) + " KB",
                    Verdict(kb < kPageSizeLimitKB)});
  }
  std::cout << "\n" << targets.Text();
}

int RunAll(const std::vector<int>& sizes, int runs, bench::BenchPictures pictures) {
  if (pictures == bench::BenchPictures::LogoAndPhoto) {
    std::cout << "With a 64 x 64 BMP logo and a 160 x 120 JPEG photo on every page.\n";
  }
  if (pictures == bench::BenchPictures::PageOfBitmaps) {
    std::cout << "With six BMP files on every page: two 640 x 480 photographs, two 640 x 480 "
                 "screenshots, two logos.\n";
  }
  if (pictures == bench::BenchPictures::LargePhoto) {
    std::cout << "With a 6000 x 4000 JPEG photograph on every page.\n";
  }
  std::cout << "Print to PDF: fill = host calls, layout = RunLayout, draw = zBxPrintReport, "
               "total = all three on the wall clock, cpu = the same on the process's CPU clock "
               "(median of "
            << runs << " runs, one process each)\n\n";
  bench::ResultTable table({"records", "pages", "fill ms", "layout ms", "draw ms", "total ms",
                            "cpu ms", "pages/s", "PDF KB/page", "peak MB"});
  std::vector<bench::Measurement> all;
  for (int records : sizes) {
    const bench::Measurement m = MeasureSize(records, runs, pictures);
    const double pages = m.Get("pages");
    const double engineMs = m.Get("layout_ms") + m.Get("draw_ms");
    table.AddRow({std::to_string(records), bench::Fixed(pages, 0), bench::Fixed(m.Get("fill_ms"), 1),
                  bench::Fixed(m.Get("layout_ms"), 1), bench::Fixed(m.Get("draw_ms"), 1),
                  bench::Fixed(TotalMs(m), 1), bench::Fixed(m.Get("cpu_ms"), 1),
                  engineMs > 0 ? bench::Fixed(pages * 1000 / engineMs, 0) : "-",
                  pages > 0 ? bench::Fixed(m.Get("pdf_bytes") / 1000 / pages, 2) : "-",
                  bench::Fixed(Megabytes(m.Get("peak_kb")), 1)});
    all.push_back(m);
  }
  std::cout << table.Text();
  // The targets are stated for the text-only report.
  if (pictures == bench::BenchPictures::None) PrintTargets(all);
  return 0;
}

int PositiveNumber(const char* text, const char* option) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value <= 0 || value > 10'000'000) {
    throw std::invalid_argument(std::string(option) + " wants a positive number, not \"" + text +
                                "\"");
  }
  return static_cast<int>(value);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    std::vector<int> sizes;
    int runs = kDefaultRuns;
    int childRecords = 0;
    bench::BenchPictures pictures = bench::BenchPictures::None;
    for (int i = 1; i < argc; ++i) {
      const std::string option = argv[i];
      if (i + 1 >= argc) throw std::invalid_argument(option + " wants a value");
      if (option == "--pictures") {
        pictures = PicturesNamed(argv[++i]);
        continue;
      }
      const int value = PositiveNumber(argv[++i], option.c_str());
      if (option == "--records") {
        childRecords = value;
      } else if (option == "--size") {
        sizes.push_back(value);
      } else if (option == "--runs") {
        runs = value;
      } else {
        throw std::invalid_argument("unknown option " + option);
      }
    }
    if (childRecords > 0) return RunOneSize(childRecords, pictures);
    if (sizes.empty()) {
      sizes = pictures == bench::BenchPictures::None           ? kDefaultSizes
              : pictures == bench::BenchPictures::LogoAndPhoto ? kDefaultLogoAndPhotoSizes
              : pictures == bench::BenchPictures::LargePhoto   ? kDefaultLargePhotoSizes
                                                               : std::vector<int>{50};
    }
    return RunAll(sizes, runs, pictures);
  } catch (const std::exception& error) {
    std::cerr << "tessel_print_bench: " << error.what() << "\n"
              << "usage: tessel_print_bench [--pictures logo-and-photo|bitmaps|large-photo] [--size RECORDS]... "
                 "[--runs N]\n";
    return 2;
  }
}
