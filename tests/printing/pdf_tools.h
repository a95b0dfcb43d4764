#pragma once
// Reading PDFs back with poppler's command-line tools, and running a test
// body with ZBX_PRINT_TO and the current folder set.
#include <QImage>
#include <map>
#include <string>
#include <vector>

namespace tessel_test {

// Standard output of a shell command.
std::string CommandOutput(const std::string& command);

// pdfinfo's "Key: value" lines, keys as pdfinfo writes them ("Pages",
// "Page size").
std::map<std::string, std::string> PdfInfo(const std::string& path);

// One image drawn on a page, as pdfimages -list tells it. An image drawn
// several times is one object drawn several times.
struct PdfImage {
  int page = 0;
  int width = 0;
  int height = 0;
  std::string encoding;  // "image" (lossless), "jpeg", ...
  int object = 0;
};
std::vector<PdfImage> PdfImageList(const std::string& path);

// The pixels of every image drawn, in the order of PdfImageList.
std::vector<QImage> PdfImagePixels(const std::string& path);

// Sets an environment variable for its lifetime (unset when value is null),
// then puts the old value back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  bool had_ = false;
  std::string old_;
};

// Changes the current folder for its lifetime.
class ScopedCurrentFolder {
 public:
  explicit ScopedCurrentFolder(const std::string& folder);
  ~ScopedCurrentFolder();
  ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
  ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

 private:
  std::string old_;
};

}  // namespace tessel_test
