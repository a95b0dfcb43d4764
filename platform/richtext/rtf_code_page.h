#pragma once
// Which Windows code page the bytes of RTF text are in: the one of the
// current font's character set (\fcharsetN), else the document's (\ansicpgN,
// Windows-1252 when it names none this reader knows).
#include <cstdint>

namespace platform {

// A font table entry that names no character set.
constexpr int32_t kCharsetNotGiven = -1;

// The document's code page for \ansicpgN.
int32_t DocumentCodePage(int32_t ansiCodePage);
// The code page of a font of character set `charset`. ANSI (0) is
// Windows-1252 whatever the document declares; DEFAULT (1), a font that
// names no set and a number that is no set take the document's. The sets
// whose code page is not read (symbol, Johab, Mac, OEM) read one character
// per byte as Windows-1252, so that no byte is lost or merged with the next.
int32_t CodePageOfCharset(int32_t charset, int32_t documentCodePage);

}  // namespace platform
