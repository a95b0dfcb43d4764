#pragma once
// Small text files written and read in one piece (the generated host
// script): paths are system paths (platform/system/file_paths.h), bytes go
// through unchanged. A file is
// written as a template is saved, so a failed write keeps the old one.
#include <string>
#include <string_view>

namespace platform {

// Creates the file, or replaces the file of that name, with the bytes.
// False when the file cannot be created or not every byte was written, and
// when a file of that name is read-only (platform::MayReplaceFile).
bool WriteWholeFile(const std::string& systemPath, std::string_view bytes);

// The whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& systemPath, std::string& bytes);

}  // namespace platform
