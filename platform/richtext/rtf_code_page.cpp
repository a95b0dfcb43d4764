#include "platform/richtext/rtf_code_page.h"

#include "platform/text/windows_code_page.h"

namespace platform {

int32_t DocumentCodePage(int32_t ansiCodePage) {
  return IsWindowsCodePage(ansiCodePage) ? ansiCodePage : kWindows1252;
}

int32_t CodePageOfCharset(int32_t charset, int32_t documentCodePage) {
  switch (charset) {
    case 0: return kWindows1252;  // ANSI_CHARSET
    case 2: return kWindows1252;  // SYMBOL_CHARSET: glyph numbers, one a byte
    case 128: return 932;   // SHIFTJIS_CHARSET
    case 129: return 949;   // HANGUL_CHARSET
    // JOHAB_CHARSET: Qt's converters have no code page 1361.
    case 130: return kWindows1252;
    case 134: return 936;   // GB2312_CHARSET
    case 136: return 950;   // CHINESEBIG5_CHARSET
    case 161: return 1253;  // GREEK_CHARSET
    case 162: return 1254;  // TURKISH_CHARSET
    case 163: return 1258;  // VIETNAMESE_CHARSET
    case 177: return 1255;  // HEBREW_CHARSET
    case 178: return 1256;  // ARABIC_CHARSET
    case 186: return 1257;  // BALTIC_CHARSET
    case 204: return 1251;  // RUSSIAN_CHARSET
    case 222: return 874;   // THAI_CHARSET
    case 238: return 1250;  // EASTEUROPE_CHARSET
    case 254: return kWindows1252;  // PC437_CHARSET
    case 255: return kWindows1252;  // OEM_CHARSET
    default:
      // MAC_CHARSET (77) and the Mac sets after it.
      if (charset >= 77 && charset <= 89) return kWindows1252;
      return documentCodePage;  // DEFAULT_CHARSET (1), none given, unknown
  }
}

}  // namespace platform
