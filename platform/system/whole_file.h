#pragma once
// Small text files written and read in one piece (the generated host
// script): paths are Windows text, bytes go through unchanged.
#include <string>
#include <string_view>

namespace platform {

// Creates the file, replacing any file of that name, and writes the bytes.
// False when the file cannot be created or not every byte was written.
bool WriteWholeFile(const std::string& windowsPath, std::string_view bytes);

// The whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& windowsPath, std::string& bytes);

}  // namespace platform
