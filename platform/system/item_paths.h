#pragma once
// Path text of the files a template names, as the engine finds them: the
// template's folder, a file name's extension, and a picture or rich-text
// file's name put into its FILELOCATION. The text is Windows text; "/"
// separates like "\", so that templates made on Windows and paths given
// natively meet, and a location that begins with "/" is absolute like one
// with ":". The designer shows what the engine will print by the same
// rules.
#include <string>
#include <string_view>

namespace platform {

// Up to the last "\" or ":"; a final "\" is dropped unless it follows ":" or
// "\" (C:\Reports\a.qnf -> C:\Reports, C:\a.qnf -> C:\, a.qnf -> "").
std::string TemplateFolderOf(std::string_view path);

// From the last "." after the last "\" or ":", dot included, lower-cased.
std::string LowerExtension(std::string_view path);

// The text after the last "\" or ":" (or "/").
std::string FileNamePart(std::string_view path);

// The candidate path (Windows text, "\" only) of a file name against a
// location and the template folder, before the existence check: only the
// name's file-name part counts. A network template folder (\\server\share)
// keeps its leading pair.
std::string ComposeItemPath(const std::string& templateFolder, const std::string& location,
                            const std::string& name);

// The file the engine finds for a name stored in the template at
// templatePath, or "" when there is none.
std::string FindItemFile(std::string_view templatePath, const std::string& location, const std::string& name);

}  // namespace platform
