#include "platform/text/windows_code_page.h"

#include <QByteArray>

#include "platform/text/win1252.h"

namespace platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
// No trail byte of the double-byte code pages lies below 0x40, so a blank
// after the bytes completes every sequence and shows a lead byte cut off at
// the end, which the converter would otherwise drop without a trace.
constexpr char kTerminator = ' ';

QByteArray ConverterName(int32_t codePage) { return "windows-" + QByteArray::number(codePage); }

}  // namespace

bool IsWindowsCodePage(int32_t codePage) {
  switch (codePage) {
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
      return true;
    default:
      return codePage >= 1250 && codePage <= 1258;
  }
}

QString WindowsCodePageDecoder::Decode(int32_t codePage, std::string_view bytes) {
  QString text;
  if (codePage == kWindows1252 || !IsWindowsCodePage(codePage)) {
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
      if (byte == '\0') continue;
      text.append(QChar(static_cast<char16_t>(Win1252ToCodePoint(static_cast<unsigned char>(byte)))));
    }
    return text;
  }
  auto found = decoders_.find(codePage);
  if (found == decoders_.end()) {
    found = decoders_
                .emplace(codePage, QStringDecoder(ConverterName(codePage).constData(),
                                                  QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInvalidToNull))
                .first;
  }
  QStringDecoder& decoder = found->second;
  // A Qt built without ICU has none of these converters; its text then reads
  // as it always did.
  if (!decoder.isValid()) return Decode(kWindows1252, bytes);
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\0', start);
    if (end == std::string_view::npos) end = bytes.size();
    if (end > start) text += DecodeRun(decoder, bytes.substr(start, end - start));
    start = end + 1;
  }
  return text;
}

QString WindowsCodePageDecoder::DecodeRun(QStringDecoder& decoder, std::string_view bytes) {
  QByteArray terminated(bytes.data(), static_cast<qsizetype>(bytes.size()));
  terminated.append(kTerminator);
  QString text = decoder.decode(terminated);
  if (text.endsWith(QLatin1Char(kTerminator))) text.chop(1);
  // Without NUL bytes in its input the converter gives U+0000 only for bytes
  // it cannot read.
  text.replace(QChar(u'\0'), QChar(kReplacement));
  return text;
}

}  // namespace platform
