#pragma once
// A temporary folder that tests write their templates and item files into;
// removed with everything in it when the test ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tessel_test {

class TemplateFolder {
 public:
  TemplateFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tessel-template-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TemplateFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TemplateFolder(const TemplateFolder&) = delete;
  TemplateFolder& operator=(const TemplateFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes the text (LF lines, bytes unchanged) to a file under the folder,
  // making any subfolders; returns its native path.
  std::string Write(std::string_view relativePath, std::string_view text) const {
    const std::filesystem::path file = path_ / relativePath;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

// The sections every loadable template has: a report style and the style
// that controls without a style name look up.
inline constexpr std::string_view kStylesAndReport =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\n"
    "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n";

}  // namespace tessel_test
