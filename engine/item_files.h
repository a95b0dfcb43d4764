#pragma once
// Path text algorithms on Windows text: the template folder kept by
// zBxCreateReport, the lower-cased extension, and the resolution of a picture
// or rich-text item's file against its FILELOCATION. "/" separates like "\",
// so templates made on Windows and paths given natively meet; a location
// that begins with "/" is absolute like one with ":".
#include <string>
#include <string_view>

namespace engine {

struct TInstancePair;

// Up to the last "\" or ":"; a final "\" is dropped unless it follows ":" or
// "\" (C:\Reports\a.qnf -> C:\Reports, C:\a.qnf -> C:\, a.qnf -> "").
std::string TemplateFolderOf(std::string_view path);

// From the last "." after the last "\" or ":", dot included, lower-cased.
std::string LowerExtension(std::string_view path);

// The text after the last "\" or ":" (or "/").
std::string FileNamePart(std::string_view path);

// The candidate path (Windows text, "\" only) of a file name against a
// location and the template folder, before the existence check. A network
// template folder (\\server\share) keeps its leading pair.
std::string ComposeItemPath(const std::string& templateFolder, const std::string& location,
                            const std::string& name);

// ResolveItemFile: the full path of a picture (6) or rich-text (9) entry's
// file, or "" (no name, error flag set, or the file does not exist: then the
// message "Tessel: File does not exist "<candidate>" " and the error flag).
std::string ResolveItemFile(const TInstancePair& entry);

}  // namespace engine
