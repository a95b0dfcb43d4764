#include "engine/direct_print.h"

#include <string>
#include <variant>

#include "engine/engine_state.h"
#include "engine/grab_screen_form.h"
#include "engine/item_files.h"
#include "engine/print_bitmap_scaled.h"
#include "engine/rich_edit_form.h"
#include "platform/drawing/picture.h"
#include "platform/printing/printer.h"
#include "platform/system/file_paths.h"
#include "platform/system/qt_application.h"

namespace engine {
namespace {

void SetOrientation(int32_t orientation) {
  platform::Printer().SetOrientation(orientation == 0 ? platform::TPrinterOrientation::poPortrait
                                                      : platform::TPrinterOrientation::poLandscape);
}

void ShowCaptureFailure(const std::string& reason) {
  ShowMessage("Tessel: Capture failed: " + reason + "  ");
}

}  // namespace

int32_t PrintFile(const std::string& fileName) {
  if (!platform::FileExists(fileName)) return -1;
  TRichEditForm form(platform::Printer());
  if (!form.LoadFile(fileName)) {
    ShowMessage("Tessel: File: \"" + fileName + "\" could not be read. ");
    return 0;
  }
  form.SetMargins(0.5, 0.5, 1.0, 1.0);
  form.PrintFile();
  return 0;
}

void PrintGraphicFile(const std::string& fileName, int32_t orientation, int32_t printScale,
                      int32_t position) {
  if (!platform::FileExists(fileName)) {
    ShowMessage("Tessel: File: \"" + fileName + "\" does not exist. ");
    return;
  }
  // Containment, not equality: "BMP" in capitals passes, "JPEG" does not.
  const std::string extension = LowerExtension(fileName);
  platform::PictureResult loaded;
  if (extension.find("jpg") != std::string::npos) {
    loaded = platform::LoadJpegFile(platform::NativePath(fileName));
  } else if (extension.find("bmp") != std::string::npos ||
             extension.find("dib") != std::string::npos) {
    loaded = platform::LoadBitmapFile(platform::NativePath(fileName));
  } else {
    ShowMessage("Tessel: File: \"" + fileName + "\" is not a supported image file ");
    return;
  }
  if (auto* failed = std::get_if<platform::PictureError>(&loaded)) {
    ShowMessage("Tessel: File: \"" + fileName + "\" could not be read: " + failed->reason + "  ");
    return;
  }
  // Only a file that passed its checks changes the printer for later jobs.
  SetOrientation(orientation);
  PrintBitmapScaled(std::get<platform::Picture>(loaded), printScale, position);
}

void PrintScreenCapture(int32_t orientation, int32_t printScale, int32_t position) {
  if (!platform::EnsureApplication()) {
    ShowCaptureFailure("no application object for the screen");
    return;
  }
  TGrabScreenForm form;
  const std::string failure = form.GrabScreen();
  if (!failure.empty()) {
    ShowCaptureFailure(failure);
    return;
  }
  SetOrientation(orientation);
  PrintBitmapScaled(form.Capture1->Picture(), printScale, position);
}

void PrintWindowCapture(int32_t windowHandle, int32_t orientation, int32_t printScale,
                        int32_t position) {
  if (!platform::EnsureApplication()) {
    ShowCaptureFailure("no application object for the screen");
    return;
  }
  TGrabScreenForm form;
  const std::string failure = form.GrabWindow(static_cast<uint32_t>(windowHandle));
  if (!failure.empty()) {
    ShowCaptureFailure(failure);
    return;
  }
  SetOrientation(orientation);
  PrintBitmapScaled(form.Capture1->Picture(), printScale, position);
}

}  // namespace engine
