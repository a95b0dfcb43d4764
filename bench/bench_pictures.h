#pragma once
// The pictures a benchmark report may carry in its static layer, so that
// every page draws them.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

enum class BenchPictures {
  None,
  // The sample report's 64 x 64 BMP logo and 160 x 120 JPEG photo.
  LogoAndPhoto,
  // Six BMP files: two 640 x 480 photographs, two 640 x 480 screenshots and
  // the sample's two logos (64 x 64 and 32 x 32).
  PageOfBitmaps,
  // A 6000 x 4000 JPEG photograph, as a phone takes it, drawn 0.45 x 0.3
  // inches.
  LargePhoto,
};

struct BenchPicture {
  std::string name;  // of the image region
  std::string file;
  int32_t left, top, width, height;  // 1/100 inch on the report
};

std::vector<BenchPicture> PicturesOf(BenchPictures pictures);

// Writes the files that PicturesOf names into folder.
void WriteBenchPictures(const std::filesystem::path& folder, BenchPictures pictures);

}  // namespace bench
