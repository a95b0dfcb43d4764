#pragma once
// Where the script of a template goes, and how the script names the
// template. Paths are system paths (platform/system/file_paths.h); only
// separators are looked at, so any letters pass through.
#include <string>

namespace designer {

// The template's file name without its folder.
std::string TemplateFileName(const std::string& templatePath);

// "mycode.txt" in the template's folder: the folder without its trailing
// backslash (a drive's root keeps it), then "\mycode.txt", and the first
// doubled backslash of that made single.
std::string ScriptFilePathFor(const std::string& templatePath);

}  // namespace designer
