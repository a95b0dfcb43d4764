#pragma once
// Case rules of the original class library: LowerCase/UpperCase touch only
// the ASCII letters; SameText compares without regard to ASCII case.
#include <string>
#include <string_view>

namespace platform {

std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

}  // namespace platform
