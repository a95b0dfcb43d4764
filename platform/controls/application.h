#pragma once
// The application: its title and help file, and its message loop. Run
// shows the main form and handles events until that form closes.
#include <string>

namespace platform {

class TForm;

class TApplication {
 public:
  std::string Title;
  std::string HelpFile;

  // Makes sure the Qt application exists; false when it cannot.
  bool Initialize();
  // Handles the events that are waiting, then returns.
  void ProcessMessages();
  // Sleeps until an event comes, then handles what is waiting.
  void HandleMessage();
  // Shows the main form maximised and runs the loop until it closes; the
  // form's first activation comes through the window system.
  void Run(TForm& mainForm);
  bool Terminated() const { return terminated_; }

 private:
  bool terminated_ = false;
};

// The one application of the program, as the class library has it.
TApplication& Application();

}  // namespace platform
