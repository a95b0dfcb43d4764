#pragma once
// The pictures of one page drawing, each file read and decoded once however
// many items show it. Lives for one page only: the next page reads its files
// again, so a file changed between pages is drawn as it is then. The pictures
// kept at once stay within a pixel budget: a page of pictures that each
// decode to hundreds of megabytes must not hold them all.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/drawing/picture.h"

namespace engine {

class PagePictures {
 public:
  enum class Format { Bitmap, Jpeg };

  // The picture of a resolved file (Windows path text), read on first use.
  // nullptr when it cannot be read or decoded; that is reported once, in a
  // "Tessel: " box, the first time. The picture stays valid until the next
  // call.
  const platform::Picture* Get(const std::string& windowsPath, Format format);

  static constexpr int64_t kKeptPixelsBudget = 16'000'000;

 private:
  void MakeRoomFor(int64_t pixels);

  std::unordered_map<std::string, std::optional<platform::Picture>> pictures_;
  int64_t keptPixels_ = 0;
  // A picture larger than the whole budget is kept only until the next call.
  std::optional<platform::Picture> oversized_;
};

}  // namespace engine
