#pragma once
// Text in each Windows code page an RTF document may declare, as the bytes a
// word processor writes and as the UTF-8 a reader must make of them; and RTF
// documents built from them.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessel_test {

struct CodePageSample {
  const char* language;
  int32_t codePage;
  int32_t charset;      // \fcharset of a font in that code page
  std::string_view bytes;
  const char* utf8;
};

inline constexpr std::array<CodePageSample, 13> kCodePageSamples{{
    {"Polish", 1250, 238, "Prosz\xea zap\xb3" "aci\xe6", "Proszę zapłacić"},
    {"Russian", 1251, 204, "\xcf\xf0\xe8\xe2\xe5\xf2, \xec\xe8\xf0", "Привет, мир"},
    {"Greek", 1253, 161, "\xca\xe1\xeb\xe7\xec\xdd\xf1\xe1 \xea\xfc\xf3\xec\xe5", "Καλημέρα κόσμε"},
    {"Turkish", 1254, 162, "A\xf0" "a\xe7 \xdd\xfe\xfd\xf0\xfd", "Ağaç İşığı"},
    {"Hebrew", 1255, 177, "\xf9\xec\xe5\xed \xf2\xe5\xec\xed", "שלום עולם"},
    {"Arabic", 1256, 178, "\xe3\xd1\xcd\xc8\xc7 \xc8\xc7\xe1\xda\xc7\xe1\xe3", "مرحبا بالعالم"},
    {"Baltic", 1257, 186, "A\xe8i\xfb, R\xeega", "Ačiū, Rīga"},
    // Vietnamese text carries its tone marks as combining characters.
    {"Vietnamese", 1258, 163, "Vi\xea\xf2t", "Vi\u00ea\u0323t"},
    {"Thai", 874, 222, "\xca\xc7\xd1\xca\xb4\xd5\xa4\xc3\xd1\xba", "สวัสดีครับ"},
    // Trail bytes may be ASCII letters, and even "{" (the second byte of 本).
    {"Japanese", 932, 128, "\x93\xfa\x96{\x8c\xea\x82\xcc\x83" "e\x83L\x83X\x83g", "日本語のテキスト"},
    {"Chinese (simplified)", 936, 134, "\xc4\xe3\xba\xc3\xa3\xac\xca\xc0\xbd\xe7", "你好，世界"},
    {"Korean", 949, 129, "\xbe\xc8\xb3\xe7\xc7\xcf\xbc\xbc\xbf\xe4", "안녕하세요"},
    {"Chinese (traditional)", 950, 136, "\xc1" "c\xc5\xe9\xa4\xa4\xa4\xe5", "繁體中文"},
}};

// As word processors write text: bytes above 0x7F and the three RTF
// delimiters as \'hh, the rest as it is.
inline std::string EscapedRtfBytes(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string rtf;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 0x7F || c == '\\' || c == '{' || c == '}') {
      rtf += "\\'";
      rtf += kHex[byte >> 4];
      rtf += kHex[byte & 0x0F];
    } else {
      rtf += c;
    }
  }
  return rtf;
}

// One paragraph per sample, each in a font of its own character set
// (\fN\fcharsetM, font N for sample N), in a document that declares no code
// page.
inline std::string MixedCodePageRtf() {
  std::string fonts = "{\\fonttbl";
  std::string body;
  for (size_t i = 0; i < kCodePageSamples.size(); ++i) {
    const std::string number = std::to_string(i);
    fonts += "{\\f" + number + "\\fnil\\fcharset" + std::to_string(kCodePageSamples[i].charset) + " Arial;}";
    body += "\\f" + number + " " + EscapedRtfBytes(kCodePageSamples[i].bytes) + "\\par\n";
  }
  return "{\\rtf1\\ansi\\deff0" + fonts + "}\n" + body + "}";
}

}  // namespace tessel_test
