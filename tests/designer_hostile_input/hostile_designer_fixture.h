#pragma once
// Every hostile case meets a whole designer that has just saved a sound
// template (the shipped sample, opened and saved as sound.qnf). The case
// runs within a time bound; afterwards the process must have stayed within
// its memory bound, and the designer must open sound.qnf and save it again
// byte for byte: a hostile file may cost its own design, never the next.
//
// Files are opened through File > Open as the author would: the open
// dialog chooses the file, every message box is answered OK (Yes where it
// asks to overwrite) and recorded, the save question is answered No.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "designer/objects/regions.h"
#include "platform/dialogs/dialog_service.h"
#include "tests/designer_support/designer_fixture.h"
#include "tests/hostile_input/deadline.h"
#include "tests/hostile_input/process_memory.h"

namespace tessel_test {

using Texts = std::vector<std::string>;

// Generous: the sanitizer builds use several times the memory of a plain one.
inline constexpr int64_t kMemoryBoundMiB = 1536;

// The head of every hand-made template: the page and the default style.
inline constexpr std::string_view kHead =
    "[RSTYLES]\r\nRR0=REPORTSTYLE\r\n[RR0]\r\nREPORTWIDTH=8\r\nREPORTHEIGHT=10\r\nPAPERWIDTH=8.5\r\n"
    "PAPERHEIGHT=11\r\n[STYLES]\r\nRS0=LABELSTYLE\r\n[RS0]\r\nSTYLENAME=DEFAULTSTYLE\r\nSTYLE=0\r\nSIZE=8\r\n"
    "COLOR=0\r\nNAME=Arial\r\nALIGNMENT=NONE\r\n";

std::string CurrentTestName();

// Answers every box and dialog while it exists, instead of the fixture's
// script: hostile files give messages whose number is part of what is
// tested, not of the script.
class AnswerEverything {
 public:
  AnswerEverything();
  void ChooseFile(const std::string& windowsPath) { chosenFile_ = windowsPath; }
  const Texts& Messages() const { return messages_; }

 private:
  std::string chosenFile_;
  Texts messages_;
  platform::ScopedDialogHandler dialogs_;
  platform::ScopedModalHandler modals_;
};

class HostileDesigner : public DesignerTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the bytes into the scratch folder (native path returned).
  std::string Write(const std::string& name, std::string_view bytes) const;
  // File > Open of a file of the scratch folder; the messages it gave.
  Texts Open(const std::string& name);
  // File > Save As under a name of the scratch folder; the messages it gave.
  Texts SaveAs(const std::string& name);
  // Saves the design, opens the saved template, which must come without a
  // word into as many objects, and saves it again into the same bytes.
  void ExpectSavedDesignReadsBack();

  std::string Bytes(const std::string& name) const { return ReadFileBytes(folder() + "/" + name); }
  platform::TControl* Object(const std::string& name);
  // Every object of the design, at any depth.
  int ObjectCount();

  Deadline deadline_{std::chrono::seconds(120), CurrentTestName()};

 private:
  std::string soundBytes_;
};

}  // namespace tessel_test
