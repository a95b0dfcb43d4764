#include "platform/controls/application.h"

#include <QApplication>
#include <QEventLoop>
#include <QWidget>

#include "platform/controls/form.h"
#include "platform/system/qt_application.h"

namespace platform {

TApplication& Application() {
  static TApplication application;
  return application;
}

bool TApplication::Initialize() { return EnsureApplication(); }

void TApplication::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TApplication::HandleMessage() { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }

void TApplication::Run(TForm& mainForm) {
  terminated_ = false;
  TRef<TForm> form = &mainForm;
  form->SetWindowState(TWindowState::wsMaximized);
  form->Show();
  // Without a window manager nothing gives the window the focus, and its
  // first activation would wait for a click.
  form->Widget()->raise();
  form->Widget()->activateWindow();
  while (form && form->Visible() && form->Widget()->isVisible()) HandleMessage();
  terminated_ = true;
}

}  // namespace platform
