#include "platform/system/print_dialog.h"

#include <QDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <utility>

#include "platform/system/qt_application.h"

namespace platform {
namespace {

std::function<bool()>& Answer() {
  static std::function<bool()> answer;
  return answer;
}

}  // namespace

bool RunPrintDialog() {
  if (const std::function<bool()> answer = Answer()) return answer();
  // Nobody could answer a dialog here; a headless host prints unasked.
  if (!HasDisplay() || !EnsureApplication() || !HasDisplay()) return true;
  QPrinter printer;
  QPrintDialog dialog(&printer);
  return dialog.exec() == QDialog::Accepted;
}

void SetPrintDialogAnswer(std::function<bool()> answer) { Answer() = std::move(answer); }

}  // namespace platform
