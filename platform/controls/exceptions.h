#pragma once
// The class library's exceptions. Event handlers may raise them; the
// dispatch of every event catches them and shows the message in the
// application's error box, so none ever leaves an event handler.
#include <stdexcept>
#include <string>

namespace platform {

// Message is Windows-1252 text, shown as it stands.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
  // True when Message is UTF-8 instead (EFileError).
  virtual bool UnicodeMessage() const { return false; }
};

// A component name that is no identifier or is taken.
class EComponentError : public Exception {
  using Exception::Exception;
};

// Text that is no number.
class EConvertError : public Exception {
  using Exception::Exception;
};

// A file that cannot be created or written.
class EInOutError : public Exception {
  using Exception::Exception;
};

// A file that cannot be read or written, named by its path as the system
// gives it: the message is UTF-8, so that a name in any language shows.
class EFileError : public EInOutError {
  using EInOutError::EInOutError;
  bool UnicodeMessage() const override { return true; }
};

// A list position that does not exist.
class EListError : public Exception {
  using Exception::Exception;
};

}  // namespace platform
