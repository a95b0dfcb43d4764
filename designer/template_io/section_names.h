#pragma once
// Names a design object may not take: a template names the sections of
// containers after their objects, so an object called like one of the
// file's own sections would share it and corrupt the template.
#include <string_view>

namespace designer {

class TReportRegion;

// REPORT, RSTYLES and STYLES, and RR, RS or RC followed by digits, in any
// case.
bool IsTemplateSectionName(std::string_view name);

// Makes REPORT refuse those names like a name in use, so that placement
// counts on past them and a rename or a template read stops at them.
void InstallSectionNameRule(TReportRegion& report);

}  // namespace designer
