#include "designer/objects/image_region.h"

#include <variant>

#include "platform/controls/exceptions.h"
#include "platform/system/file_paths.h"
#include "platform/text/ansi_text.h"

namespace designer {
namespace {

// The extension with its dot, lower-cased; empty when the file name has
// none.
std::string ExtensionOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return platform::LowerCase(path.substr(dot));
}

}  // namespace

TImageRegion::TImageRegion(platform::TComponent* owner) : TRegion(owner) {
  FImage = new platform::TImage(owner);
  FImage->SetParent(this);
  FImage->SetStretch(true);
  FImage->SetAlign(platform::TAlign::alClient);
  FImage->SetEnabled(false);
}

void TImageRegion::LoadImageFile(const std::string& path) {
  if (path.empty()) {
    FImageFile.clear();
    FBitmap = platform::Picture();
    FImage->ClearPicture();
    FImage->Repaint();
    return;
  }
  if (ShowPictureOf(platform::SystemPathOf(path))) FImageFile = path;
}

bool TImageRegion::ShowPictureOf(const std::string& systemPath) {
  if (!platform::SystemFileExists(systemPath)) {
    FImage->Repaint();
    return false;
  }
  const std::string extension = ExtensionOf(systemPath);
  platform::PictureResult decoded;
  if (extension == ".jpg") {
    decoded = platform::LoadJpegFile(platform::NativeOfSystemPath(systemPath));
  } else if (extension == ".bmp" || extension == ".dib") {
    decoded = platform::LoadBitmapFile(platform::NativeOfSystemPath(systemPath));
  } else if (extension == ".ico") {
    // The class library's bitmap reader takes no icons.
    throw platform::Exception("Bitmap image is not valid");
  } else {
    return false;
  }
  if (const auto* error = std::get_if<platform::PictureError>(&decoded)) throw platform::Exception(error->reason);
  FBitmap = std::get<platform::Picture>(std::move(decoded));
  FImage->SetPicture(FBitmap);
  FImage->Repaint();
  return true;
}

void TImageRegion::FitToPicture() {
  FImage->SetAlign(platform::TAlign::alNone);
  FImage->SetAutoSize(true);
  SetWidth(FImage->Width());
  SetHeight(FImage->Height());
  FImage->SetAutoSize(false);
  FImage->SetAlign(platform::TAlign::alClient);
}

}  // namespace designer
