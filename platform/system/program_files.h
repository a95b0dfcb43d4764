#pragma once
// Files shipped with a program: beside its executable, or in the shared
// data folder of the prefix it is installed under (../share/tessel).
#include <string>
#include <string_view>

namespace platform {

// The system path (platform/system/file_paths.h) of the first of those places that holds the
// file; empty when neither does.
std::string ProgramFilePath(std::string_view fileName);

}  // namespace platform
