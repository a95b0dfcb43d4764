#pragma once
// TGrabScreenForm: the never-shown form that holds the capture component.
#include <QWidget>
#include <cstdint>
#include <string>

#include "engine/capture_component.h"

namespace engine {

class TGrabScreenForm : public QWidget {
 public:
  TGrabScreenForm();

  // Empty text on success, else the reason.
  std::string GrabScreen();
  std::string GrabWindow(uint32_t windowHandle);

  TCapture* Capture1;
};

}  // namespace engine
