#pragma once
// The pictures of one page drawing, each file read and decoded once however
// many items show it. Lives for one page only: the next page reads its files
// again, so a file changed between pages is drawn as it is then.
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
  // "Tessel: " box, the first time.
  const platform::Picture* Get(const std::string& windowsPath, Format format);

 private:
  std::unordered_map<std::string, std::optional<platform::Picture>> pictures_;
};

}  // namespace engine
