#pragma once
// The start-up form: a borderless picture that stands while the forms are
// made.
#include "platform/controls/form.h"

namespace designer {

class Tsplash : public platform::TForm {
 public:
  explicit Tsplash(platform::TComponent* owner);
};

}  // namespace designer
