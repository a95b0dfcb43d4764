#pragma once
// The names the designer makes for objects: a base or a kind's prefix with
// a number appended, passed over while REPORT refuses them. A number is
// never appended right after a base that the section-name rule refuses
// with any number after it (RS, rc, Rr): those are numbered after an
// underscore, which no section name holds, so that every search ends.
#include <string>

namespace platform {
class TComponent;
}

namespace designer {

class TReportRegion;

// The first of base, base1, base2, ... that REPORT accepts.
std::string FreeNumberedName(const TReportRegion& report, const std::string& base);

// Counts on from counter until prefix and the count make a name that REPORT
// accepts for object (a name object holds itself counts as free); the
// counter keeps the number taken.
std::string NextCountedName(const TReportRegion& report, const std::string& prefix, int& counter,
                            const platform::TComponent* object);

}  // namespace designer
