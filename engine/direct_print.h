#pragma once
// Direct printing of a text or RTF file, a picture file, the screen and one
// window, each as a print job of its own.
#include <cstdint>
#include <string>

namespace engine {

// 0, or -1 when the file does not exist.
int32_t PrintFile(const std::string& fileName);
void PrintGraphicFile(const std::string& fileName, int32_t orientation, int32_t printScale,
                      int32_t position);
void PrintScreenCapture(int32_t orientation, int32_t printScale, int32_t position);
void PrintWindowCapture(int32_t windowHandle, int32_t orientation, int32_t printScale,
                        int32_t position);

}  // namespace engine
