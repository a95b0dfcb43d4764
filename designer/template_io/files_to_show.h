#pragma once
// The pictures and rich text a template names, shown as the engine will
// print them. A template made on another machine stores paths that do not
// exist here (C:\Reports\IMAGES\photo.jpg); the engine looks for the file
// name in the region's FILELOCATION beside the template, and so does the
// designer when the stored path is missing. What the template stores stays
// as it was read: only the picture or text shown comes from the file found.
#include <string>

namespace designer {

class TForm1;
class TImageRegion;
class TRichTextRegion;

// The stored file when it exists; else the one the engine finds for the
// open template; else the stored name: a system path
// (platform/system/file_paths.h), since the template's folder may have
// letters no template can store.
std::string FileToShow(const TForm1& form, const std::string& storedName, const std::string& location);

// Loads what FileToShow gives for the region's stored name and location,
// raising the region's load errors; "DYNAMIC" and an empty name (direct
// text) load nothing.
void ShowFileToPrint(const TForm1& form, TImageRegion& image);
void ShowFileToPrint(const TForm1& form, TRichTextRegion& richText);

}  // namespace designer
