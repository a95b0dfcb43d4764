#pragma once
// A template stores its paths (picture and rich-text files, their folders)
// as Windows text, which the engine reads; a path the system gives may hold
// letters that text cannot. Such a path is refused, never stored with
// question marks in place of its letters.
#include <optional>
#include <string>

namespace designer {

// The system path as Windows text; or nothing, after telling the author
// that the template cannot hold it.
std::optional<std::string> PathToStore(const std::string& systemPath);

}  // namespace designer
