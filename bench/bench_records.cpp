#include "bench/bench_records.h"

#include "engine/zbx_qn.h"

namespace bench {
namespace {

constexpr const char* kVariableNames[] = {"RecordId", "Customer", "Quantity", "Price", "Note"};

}  // namespace

std::array<std::string, 5> RecordValues(int32_t number) {
  const std::string n = std::to_string(number);
  // A multiplier prime to 1000 walks every quantity, so highlighted rows are
  // spread evenly rather than bunched on a few pages.
  const int32_t quantity = static_cast<int32_t>((static_cast<int64_t>(number) * 37) % 1000);
  return {n, "Customer " + n, std::to_string(quantity),
          std::to_string(number % 1000) + ".25", "Order note for record " + n};
}

void LoadBenchReport(const std::filesystem::path& templatePath, int32_t records) {
  zBxCreateReport(templatePath.c_str());
  zBxBeginRegion("Body");
  for (int32_t number = 1; number <= records; ++number) {
    zBxBeginRegion("Row");
    const auto values = RecordValues(number);
    for (size_t i = 0; i < values.size(); ++i) zBxSetVariable(kVariableNames[i], values[i].c_str());
    zBxEndRegion();
  }
  zBxEndRegion();
}

}  // namespace bench
