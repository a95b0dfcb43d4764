#pragma once
// The report the benchmarks run: a body region of text-only repeat records
// (five variables a row, the quantity column highlighted above a threshold)
// under column headings, and a "Page # of # Pages" footer in the static
// layer. Rows are 0.2 inch high and the body holds exactly kRowsPerPage of
// them, so the page count of a run is known in advance. On request the
// static layer also holds pictures (bench_pictures.h), so that every page
// draws them.
#include <cstdint>
#include <filesystem>
#include <string>

#include "bench/bench_pictures.h"

namespace bench {

inline constexpr int32_t kRowsPerPage = 50;
// Quantities above this value print in the highlight style.
inline constexpr int32_t kHighlightAbove = 900;

// The template file's text (CRLF lines, as the designer writes it).
std::string BenchTemplateText(BenchPictures pictures = BenchPictures::None);

// Writes the template as bench.qnf into folder, with the picture files it
// names; returns its path.
std::filesystem::path WriteBenchTemplate(const std::filesystem::path& folder,
                                         BenchPictures pictures = BenchPictures::None);

// A report of count labels placed directly on it and no host data, in rows
// across the page: what the template alone costs to lay out and print.
std::string BenchLabelsTemplateText(int32_t count);

// Pages a run of that many records lays out to.
int32_t ExpectedPages(int32_t records);

}  // namespace bench
