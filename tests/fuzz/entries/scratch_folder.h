#pragma once
// A temporary folder for the files one input needs (the template, its
// pictures, a file to print); removed with everything in it at the end.
#include <filesystem>
#include <string>
#include <string_view>

namespace tessel_fuzz {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The native path of a file under the folder, whether it exists or not.
  std::string PathOf(std::string_view relativePath) const;
  // Writes the bytes unchanged, making subfolders; returns the native path.
  std::string Write(std::string_view relativePath, std::string_view bytes) const;
  // Copies the samples' IMAGES and RTFS folders in, so that templates made
  // from the sample find their pictures and rich text.
  void CopySamplePictures() const;

 private:
  std::filesystem::path path_;
};

// The bytes of a file of the source tree's samples folder; empty when missing.
std::string SampleBytes(std::string_view relativePath);

}  // namespace tessel_fuzz
