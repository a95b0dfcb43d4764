#include "designer/template_io/section_names.h"

#include <algorithm>

#include "designer/objects/regions.h"
#include "platform/text/ansi_text.h"

namespace designer {

bool IsTemplateSectionName(std::string_view name) {
  const std::string upper = platform::UpperCase(name);
  if (upper == "REPORT" || upper == "RSTYLES" || upper == "STYLES") return true;
  if (upper.size() < 3) return false;
  const std::string_view prefix = std::string_view(upper).substr(0, 2);
  if (prefix != "RR" && prefix != "RS" && prefix != "RC") return false;
  return std::all_of(upper.begin() + 2, upper.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void InstallSectionNameRule(TReportRegion& report) { report.SetNameRule(IsTemplateSectionName); }

}  // namespace designer
