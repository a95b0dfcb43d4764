#include "platform/controls/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/controls/control_widget.h"
#include "platform/controls/menus.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

ModalHandler& CurrentModalHandler() {
  static ModalHandler handler;
  return handler;
}

// The window of a form: a menu bar (when the form has a menu) above the
// client area that holds the form's controls.
class FormWindow : public QWidget {
 public:
  explicit FormWindow(TForm& form) : form_(form) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    menuBar_->hide();
    layout->setMenuBar(menuBar_);
    client_ = new ControlWidget(form);
    client_->setAutoFillBackground(false);
    layout->addWidget(client_);
  }
  QWidget* Client() const { return client_; }
  QMenuBar* Bar() const { return menuBar_; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (form_.HandleCloseRequest()) {
      event->accept();
    } else {
      event->ignore();
    }
  }
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    form_.HandleResize();
  }
  void changeEvent(QEvent* event) override {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
      if (isActiveWindow()) {
        form_.Activate();
      } else {
        form_.Deactivate();
      }
    }
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) {
      form_.PressCancel();
      return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      form_.PressDefault();
      return;
    }
    QWidget::keyPressEvent(event);
  }

 private:
  TForm& form_;
  QMenuBar* menuBar_ = nullptr;
  QWidget* client_ = nullptr;
};

}  // namespace

struct TForm::Window {
  FormWindow* widget = nullptr;
};

TForm::TForm(TComponent* owner) : TWinControl(owner), window_(std::make_unique<Window>()) {
  EnsureApplication();
  window_->widget = new FormWindow(*this);
  AttachWidget(window_->widget);
  BindWidget(*window_->widget->Client(), *this);
  window_->widget->Client()->setMouseTracking(true);
  window_->widget->Client()->installEventFilter(&ControlEventFilter::Instance());
  SetVisible(false);
}

TForm::~TForm() {
  DoDestroy();
  BeginDestroy();
}

void TForm::DoDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  Dispatch([&] {
    if (OnDestroy) OnDestroy(this);
  });
}

void TForm::SetCaption(const std::string& caption) {
  caption_ = caption;
  window_->widget->setWindowTitle(QString::fromStdString(Win1252ToUtf8(caption)));
}

void TForm::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  window_->widget->setGeometry(left, top, std::max(1, width), std::max(1, height));
}

int TForm::ClientWidth() const { return window_->widget->Client()->width(); }

int TForm::ClientHeight() const { return window_->widget->Client()->height(); }

void TForm::SetClientSize(int width, int height) {
  const int menuHeight = window_->widget->Bar()->isVisible() ? window_->widget->Bar()->sizeHint().height() : 0;
  SetBounds(Left(), Top(), width, height + menuHeight);
}

void TForm::SetWindowState(TWindowState state) {
  switch (state) {
    case TWindowState::wsMaximized: window_->widget->setWindowState(Qt::WindowMaximized); break;
    case TWindowState::wsMinimized: window_->widget->setWindowState(Qt::WindowMinimized); break;
    default: window_->widget->setWindowState(Qt::WindowNoState); break;
  }
}

void TForm::SetBorderless(bool borderless) {
  window_->widget->setWindowFlag(Qt::FramelessWindowHint, borderless);
  window_->widget->setWindowFlag(Qt::SplashScreen, borderless);
}

void TForm::SetFixedSize(bool fixed) {
  if (fixed) {
    window_->widget->setFixedSize(std::max(1, Width()), std::max(1, Height()));
  } else {
    window_->widget->setMinimumSize(0, 0);
    window_->widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

void TForm::SetMenu(TMainMenu* menu) {
  menu_ = menu;
  QMenuBar* bar = window_->widget->Bar();
  bar->clear();
  if (menu) menu->AttachTo(*bar);
  bar->setVisible(menu != nullptr);
}

QWidget* TForm::ClientWidget() const { return window_->widget->Client(); }

QMenuBar* TForm::MenuBar() const { return window_->widget->Bar(); }

void TForm::Update() {
  window_->widget->repaint();
  QCoreApplication::processEvents();
}

void TForm::Activate() {
  Dispatch([&] {
    if (OnActivate) OnActivate(this);
  });
}

void TForm::Deactivate() {
  Dispatch([&] {
    if (OnDeactivate) OnDeactivate(this);
  });
}

void TForm::PressDefault() {
  if (defaultButton_ && defaultButton_->Enabled() && defaultButton_->Visible()) defaultButton_->Click();
}

void TForm::PressCancel() {
  if (cancelButton_ && cancelButton_->Enabled() && cancelButton_->Visible()) cancelButton_->Click();
}

bool TForm::HandleCloseRequest() {
  bool canClose = true;
  Dispatch([&] {
    if (OnCloseQuery) OnCloseQuery(this, canClose);
  });
  if (!canClose) return false;
  TCloseAction action = modal_ ? TCloseAction::caHide : TCloseAction::caHide;
  Dispatch([&] {
    if (OnClose) OnClose(this, action);
  });
  if (action == TCloseAction::caNone) return false;
  if (modal_ && modalResult_ == mrNone) modalResult_ = mrCancel;
  return true;
}

void TForm::HandleResize() {
  AlignControls();
  Dispatch([&] {
    if (OnResize) OnResize(this);
  });
}

void TForm::Close() {
  if (modal_) {
    if (HandleCloseRequest() && modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  if (HandleCloseRequest()) Hide();
}

TModalResult TForm::ShowModal() {
  modalResult_ = mrNone;
  modal_ = true;
  QWidget* window = window_->widget;
  if (position_ == TPosition::poScreenCenter) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
  }
  Dispatch([&] {
    if (OnShow) OnShow(this);
  });
  const ModalHandler handler = CurrentModalHandler();
  if (handler || !HasDisplay()) {
    // Nobody sits at a headless machine: the handler answers, or the
    // dialog is cancelled.
    Activate();
    if (handler) Dispatch([&] { handler(*this); });
    Deactivate();
  } else {
    window->setWindowModality(Qt::ApplicationModal);
    SetVisible(true);
    window->raise();
    window->activateWindow();
    QEventLoop loop;
    while (modalResult_ == mrNone && window->isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
    window->setWindowModality(Qt::NonModal);
  }
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  SetVisible(false);
  modal_ = false;
  return modalResult_;
}

void SetModalHandler(ModalHandler handler) { CurrentModalHandler() = std::move(handler); }

ScopedModalHandler::ScopedModalHandler(ModalHandler handler) : previous_(CurrentModalHandler()) {
  CurrentModalHandler() = std::move(handler);
}

ScopedModalHandler::~ScopedModalHandler() { CurrentModalHandler() = std::move(previous_); }

}  // namespace platform
