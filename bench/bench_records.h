#pragma once
// The host's side of a benchmark run: opens the generated template through
// the exports and enters one Row instance per record, as a host script would.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace bench {

// The five values of record number (1-based), in column order: id, customer,
// quantity, price, note. About one quantity in ten lies above the highlight
// threshold.
std::array<std::string, 5> RecordValues(int32_t number);

// zBxCreateReport on the template, then the records inside one Body region.
// The exports report failures only in their error box, so callers that must
// know record the messages.
void LoadBenchReport(const std::filesystem::path& templatePath, int32_t records);

}  // namespace bench
