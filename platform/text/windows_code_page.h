#pragma once
// Bytes of the Windows code pages that documents from other systems declare,
// read as Unicode. Qt's converters do the reading (ICU underneath, with
// Microsoft's own tables for these code pages); Windows-1252 keeps the
// project's own table, so that its text reads as it always has.
#include <QString>
#include <QStringDecoder>
#include <cstdint>
#include <map>
#include <string_view>

namespace platform {

constexpr int32_t kWindows1252 = 1252;

// 874, 932, 936, 949, 950 and 1250 to 1258.
bool IsWindowsCodePage(int32_t codePage);

class WindowsCodePageDecoder {
 public:
  // The characters of `bytes` in the code page; a code page that is not one
  // of the above reads as Windows-1252. A byte that is no character of the
  // code page, and a lead byte whose trail byte is missing, each give one
  // U+FFFD. NUL bytes are no text: they are left out and end any double-byte
  // sequence they interrupt.
  QString Decode(int32_t codePage, std::string_view bytes);

 private:
  QString DecodeRun(QStringDecoder& decoder, std::string_view bytes);

  std::map<int32_t, QStringDecoder> decoders_;  // made on first use
};

}  // namespace platform
