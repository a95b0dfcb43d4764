#pragma once
// The pictures of one print job (or of one preview page), each file read and
// decoded once however many items and pages show it. Qt's PDF writer embeds
// a picture it has drawn before only once when it is the same decoded image,
// so a picture kept for the whole job is stored in the PDF once. The next
// job reads the files again.
//
// Memory stays bounded: a JPEG is decoded with no more pixels than it is
// drawn at, and the pictures kept at once stay within a pixel budget, beyond
// which the least recently drawn picture goes first, one at a time, and the
// pictures of the static layer (drawn on every page) only when nothing else
// is left. A picture larger than the whole budget is kept on its own beside
// it, one at a time.
#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/drawing/picture.h"

namespace engine {

class JobPictures {
 public:
  enum class Format { Bitmap, Jpeg };

  struct Use {
    int32_t drawnWidth = 0;  // device pixels; 0: the picture's own size
    int32_t drawnHeight = 0;
    bool everyPage = false;  // drawn in the static layer
  };

  // The picture of a resolved file (Windows path text), read on first use.
  // nullptr when it cannot be read or decoded; that is reported once, in a
  // "Tessel: " box, the first time, not again on every page. The picture
  // stays valid until the next call.
  const platform::Picture* Get(const std::string& windowsPath, Format format, const Use& use);

  static constexpr int64_t kKeptPixelsBudget = 16'000'000;

 private:
  using Recency = std::list<std::string>;  // least recently drawn first

  struct Kept {
    std::optional<platform::Picture> picture;  // none: the file failed
    int64_t pixels = 0;
    Use largestUse;  // the largest size drawn at, and whether on every page
    // Where it stands in its recency list; none for the oversized picture
    // and for files that failed.
    std::optional<Recency::iterator> place;
    bool placedInEveryPage = false;
  };

  const platform::Picture* Decode(const std::string& windowsPath, Format format, const Use& use);
  void MarkUsed(Kept& kept);
  // Called before a decode takes its pixels.
  void MakeRoomFor(int64_t pixels);
  void Forget(std::string windowsPath);

  std::unordered_map<std::string, Kept> pictures_;
  int64_t keptPixels_ = 0;     // of the pictures within the budget
  std::string oversizedPath_;  // the one picture kept beyond the budget
  Recency otherPages_;
  Recency everyPage_;
};

}  // namespace engine
