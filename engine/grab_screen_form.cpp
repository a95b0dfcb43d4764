#include "engine/grab_screen_form.h"

namespace engine {

TGrabScreenForm::TGrabScreenForm() : Capture1(new TCapture(this)) {
  setWindowTitle(QStringLiteral("GrabScreenForm"));
  resize(253, 216);
  Capture1->setGeometry(51, 26, 105, 105);
  Capture1->HideMyself = false;
  Capture1->Loaded();
}

std::string TGrabScreenForm::GrabScreen() { return Capture1->CaptureScreen(); }

std::string TGrabScreenForm::GrabWindow(uint32_t windowHandle) {
  return Capture1->CaptureWindow(windowHandle);
}

}  // namespace engine
