#pragma once
// TImageRegion: a picture from a file (stretched over the region), or
// "DYNAMIC" when the host names the file at run time. FImageFile is the
// file as chosen; FFileLocation the folder the engine looks in.
#include <string>

#include "designer/objects/regions.h"
#include "platform/controls/image.h"
#include "platform/drawing/picture.h"

namespace designer {

class TImageRegion : public TRegion {
 public:
  explicit TImageRegion(platform::TComponent* owner);

  platform::TImage* FImage = nullptr;
  platform::Picture FBitmap;
  std::string FImageFile;
  std::string FFileLocation;

  // Loads a ".bmp", ".dib" or ".jpg" file (path in Windows text); an empty
  // path clears the picture; a missing file or another extension changes
  // nothing. A file the decoders refuse, and an icon, raise the reader's
  // error and keep the picture and file name as they were.
  void LoadImageFile(const std::string& path);
  // Shows the picture of a file given as a system path without making it
  // the region's file (FImageFile stays); the rules of LoadImageFile
  // otherwise. True when the picture is shown.
  bool ShowPictureOf(const std::string& systemPath);
  // The region takes the picture's own size.
  void FitToPicture();
};

}  // namespace designer
