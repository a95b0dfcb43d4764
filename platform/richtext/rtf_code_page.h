#pragma once
// Which Windows code page the bytes of RTF text are in: the one of the
// current font's character set (\fcharsetN), else the document's (\ansicpgN,
// Windows-1252 when it names none this reader knows).
#include <cstdint>

namespace platform {

// The document's code page for \ansicpgN.
int32_t DocumentCodePage(int32_t ansiCodePage);
// The code page of a font of character set `charset`; ANSI, the symbol set
// and every set without a Windows code page of its own take the document's.
int32_t CodePageOfCharset(int32_t charset, int32_t documentCodePage);

}  // namespace platform
