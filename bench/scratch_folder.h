#pragma once
// A fresh private folder under the system's temporary folder, removed with
// everything in it when the object goes.
#include <filesystem>
#include <string>

namespace bench {

class ScratchFolder {
 public:
  // prefix names the folder for whoever finds one left by a killed run.
  explicit ScratchFolder(const std::string& prefix);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace bench
