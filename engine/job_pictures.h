#pragma once
// The pictures of one print job (or of one preview page), each file read and
// decoded once however many items and pages show it. Qt's PDF writer embeds
// a picture it has drawn before only once when it is the same decoded image,
// so a logo on every page of a report is stored once. The next job reads the
// files again. The pictures kept at once stay within a pixel budget: pages
// of pictures that each decode to hundreds of megabytes must not hold them
// all.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/drawing/picture.h"

namespace engine {

class JobPictures {
 public:
  enum class Format { Bitmap, Jpeg };

  // The picture of a resolved file (Windows path text), read on first use.
  // nullptr when it cannot be read or decoded; that is reported once, in a
  // "Tessel: " box, the first time, not again on every page. The picture
  // stays valid until the next call.
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
