#pragma once
// Copied objects go to the system clipboard twice: in the designer's own
// format, which a paste reads back whole, and as plain text for any other
// program.
#include <string>

namespace platform {

// bytes under mimeType ("application/x-tessel-objects") and plainText
// (Windows-1252) as text, replacing what the clipboard held.
void PutOnClipboard(const std::string& mimeType, const std::string& bytes, const std::string& plainText);

}  // namespace platform
