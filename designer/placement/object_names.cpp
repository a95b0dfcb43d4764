#include "designer/placement/object_names.h"

#include "designer/objects/regions.h"
#include "designer/template_io/section_names.h"

namespace designer {
namespace {

std::string NumberingStem(const std::string& base) {
  return IsTemplateSectionName(base + "1") ? base + "_" : base;
}

}  // namespace

std::string FreeNumberedName(const TReportRegion& report, const std::string& base) {
  if (report.NameAvailable(base)) return base;
  const std::string stem = NumberingStem(base);
  for (int n = 1;; ++n) {
    std::string candidate = stem + std::to_string(n);
    if (report.NameAvailable(candidate)) return candidate;
  }
}

std::string NextCountedName(const TReportRegion& report, const std::string& prefix, int& counter,
                            const platform::TComponent* object) {
  const std::string stem = NumberingStem(prefix);
  for (;;) {
    std::string candidate = stem + std::to_string(++counter);
    if (report.NameAvailable(candidate, object)) return candidate;
  }
}

}  // namespace designer
