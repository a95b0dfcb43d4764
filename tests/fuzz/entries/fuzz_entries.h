#pragma once
// The fuzzed input surfaces, shared by the libFuzzer targets and by the
// replay test of the normal build. Each FuzzOne takes one input whole and
// returns 0; a fault shows as a crash, a sanitizer report, a hang, or an
// abort from CheckInvariant when the surface broke one of its promises.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessel_fuzz {

// TIniFile over a file holding the input, then a write/read round trip.
namespace ini { int FuzzOne(const uint8_t* data, size_t size); }
// A template (the input up to its first NUL byte) loaded by zBxCreateReport,
// then the export calls the rest of the input decodes to.
namespace qnf { int FuzzOne(const uint8_t* data, size_t size); }
// RichTextDocument::LoadFromBytes, then the document rendered page by page.
namespace rtf { int FuzzOne(const uint8_t* data, size_t size); }
// DecodeBitmap, then the picture drawn.
namespace bmp { int FuzzOne(const uint8_t* data, size_t size); }
// DecodeJpeg and LoadJpegFile, then the picture drawn.
namespace jpeg { int FuzzOne(const uint8_t* data, size_t size); }
// The host stand-in's ParseScript, CheckCalls and ScriptRunner.
namespace script { int FuzzOne(const uint8_t* data, size_t size); }

struct FuzzEntry {
  std::string_view name;  // the folder name under corpus/ and regressions/
  int (*fuzzOne)(const uint8_t* data, size_t size);
};

inline constexpr FuzzEntry kFuzzEntries[] = {
    {"ini", ini::FuzzOne},   {"qnf", qnf::FuzzOne},   {"rtf", rtf::FuzzOne},
    {"bmp", bmp::FuzzOne},   {"jpeg", jpeg::FuzzOne}, {"script", script::FuzzOne},
};

}  // namespace tessel_fuzz
