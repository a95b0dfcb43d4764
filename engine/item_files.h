#pragma once
// The files a template's pictures and rich-text regions name: the path text
// rules live with the platform, which the designer shares, so that the
// designer shows the files the engine prints.
#include <string>

#include "platform/system/item_paths.h"

namespace engine {

struct TInstancePair;

using platform::ComposeItemPath;
using platform::FileNamePart;
using platform::LowerExtension;
using platform::TemplateFolderOf;

// ResolveItemFile: the full path of a picture (6) or rich-text (9) entry's
// file, or "" (no name, error flag set, or the file does not exist: then the
// message "Tessel: File does not exist "<candidate>" " and the error flag).
std::string ResolveItemFile(const TInstancePair& entry);

}  // namespace engine
