#include "platform/system/message_box.h"

#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <utility>

#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

MessageRecorder& CurrentRecorder() {
  static MessageRecorder recorder;
  return recorder;
}

void WriteToStandardError(std::string line) {
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  line.push_back('\n');
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
}

// The recorder takes the text as it was given.
void ShowError(const std::string& text, const std::string& utf8) {
  // A copy, so that a recorder replacing itself while it runs stays alive.
  if (const MessageRecorder recorder = CurrentRecorder()) {
    recorder(text);
    return;
  }
  // Asked again after the application exists: it may have fallen back to
  // the offscreen platform, where a box would wait for nobody.
  if (!HasDisplay() || !EnsureApplication() || !HasDisplay()) {
    WriteToStandardError(utf8);
    return;
  }
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), QString::fromStdString(utf8), QMessageBox::Ok);
  box.exec();
}

}  // namespace

void ShowErrorMessage(const std::string& text) { ShowError(text, Win1252ToUtf8(text)); }

void ShowUnicodeErrorMessage(const std::string& text) { ShowError(text, text); }

void SetMessageRecorder(MessageRecorder recorder) { CurrentRecorder() = std::move(recorder); }

ScopedMessageRecorder::ScopedMessageRecorder() : previous_(CurrentRecorder()) {
  CurrentRecorder() = [this](const std::string& text) { texts_.push_back(text); };
}

ScopedMessageRecorder::~ScopedMessageRecorder() { CurrentRecorder() = std::move(previous_); }

}  // namespace platform
