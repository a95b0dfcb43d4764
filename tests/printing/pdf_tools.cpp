#include "pdf_tools.h"

#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace tessel_test {

std::string CommandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  std::array<char, 4096> buffer{};
  size_t read = 0;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), read);
  pclose(pipe);
  return output;
}

std::map<std::string, std::string> PdfInfo(const std::string& path) {
  std::map<std::string, std::string> info;
  std::istringstream lines(CommandOutput("pdfinfo '" + path + "' 2>/dev/null"));
  std::string line;
  while (std::getline(lines, line)) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const size_t value = line.find_first_not_of(' ', colon + 1);
    info[line.substr(0, colon)] = value == std::string::npos ? "" : line.substr(value);
  }
  return info;
}

std::vector<PdfImage> PdfImageList(const std::string& path) {
  std::vector<PdfImage> images;
  std::istringstream lines(CommandOutput("pdfimages -list '" + path + "' 2>/dev/null"));
  std::string line;
  while (std::getline(lines, line)) {
    // page num type width height color comp bpc enc interp object ID ...
    std::istringstream fields(line);
    PdfImage image;
    int number = 0, components = 0, bits = 0;
    std::string type, colour, interpolate;
    if (fields >> image.page >> number >> type >> image.width >> image.height >> colour >> components >> bits >>
        image.encoding >> interpolate >> image.object) {
      images.push_back(image);
    }
  }
  return images;
}

std::vector<QImage> PdfImagePixels(const std::string& path) {
  std::vector<QImage> images;
  QTemporaryDir folder;
  if (!folder.isValid()) return images;
  CommandOutput("pdfimages -png '" + path + "' '" + folder.path().toStdString() + "/image' 2>/dev/null");
  const QStringList files = QDir(folder.path()).entryList({"image-*.png"}, QDir::Files, QDir::Name);
  for (const QString& file : files) images.push_back(QImage(folder.filePath(file)).convertToFormat(QImage::Format_RGB32));
  return images;
}

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    had_ = true;
    old_ = old;
  }
  if (value != nullptr) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
}

ScopedEnvironment::~ScopedEnvironment() {
  if (had_) {
    setenv(name_.c_str(), old_.c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

ScopedCurrentFolder::ScopedCurrentFolder(const std::string& folder)
    : old_(std::filesystem::current_path().string()) {
  std::filesystem::current_path(folder);
}

ScopedCurrentFolder::~ScopedCurrentFolder() { std::filesystem::current_path(old_); }

}  // namespace tessel_test
