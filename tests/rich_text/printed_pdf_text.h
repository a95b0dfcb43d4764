#pragma once
// The text of a printed PDF as poppler reads it back, in a form that compares
// with the text that was printed: Arabic comes back in its shaped
// presentation forms and Vietnamese letters composed, so both sides are
// compared after compatibility normalisation.
#include <QString>
#include <cstdio>
#include <memory>
#include <string>

namespace tessel_test {

// Said with a script that did not print: without a font that has its
// letters, its text never reaches the PDF.
inline constexpr const char* kFontHint =
    " (a font for it installed? scripts/install-deps.sh test adds them) in:\n";

inline QString Comparable(const std::string& utf8) {
  return QString::fromStdString(utf8).normalized(QString::NormalizationForm_KC);
}

inline QString PrintedPdfText(const std::string& pdf) {
  std::string output;
  const std::string command = "pdftotext -enc UTF-8 '" + pdf + "' -";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return {};
  char buffer[4096];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get())) output.append(buffer, n);
  return Comparable(output);
}

}  // namespace tessel_test
