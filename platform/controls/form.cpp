#include "platform/controls/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/controls/control_widget.h"
#include "platform/controls/menus.h"
#include "platform/drawing/qt_drawing_tools.h"
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
  // The menu bar's height when the form has a menu. Asked of the bar
  // itself, which shows only once the window does.
  int MenuHeight() const { return menuBar_->isHidden() ? 0 : menuBar_->heightForWidth(width()); }

  // However the window comes on the screen, a form centred on the screen
  // stands there first.
  void setVisible(bool visible) override {
    if (visible && !isVisible()) form_.PlaceOnScreen();
    QWidget::setVisible(visible);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (form_.HandleCloseRequest()) {
      event->accept();
      form_.Hide();
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

void TForm::SetUnicodeCaption(const std::string& caption) {
  caption_ = caption;
  window_->widget->setWindowTitle(QString::fromStdString(caption));
}

void TForm::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  window_->widget->setGeometry(left, top, std::max(1, width), std::max(1, height));
}

// From the window's size rather than the client widget's: until the window
// is first shown its layout has not placed the client widget.
int TForm::ClientWidth() const { return window_->widget->width(); }

int TForm::ClientHeight() const { return std::max(0, window_->widget->height() - window_->widget->MenuHeight()); }

void TForm::SetClientSize(int width, int height) {
  SetBounds(Left(), Top(), width, height + window_->widget->MenuHeight());
}

void TForm::SetWindowState(TWindowState state) {
  switch (state) {
    case TWindowState::wsMaximized:
      // Without a window manager nothing maximises a window; it then takes
      // the screen's free area itself.
      if (const QScreen* screen = QGuiApplication::primaryScreen())
        window_->widget->setGeometry(screen->availableGeometry());
      window_->widget->setWindowState(Qt::WindowMaximized);
      break;
    case TWindowState::wsMinimized: window_->widget->setWindowState(Qt::WindowMinimized); break;
    default: window_->widget->setWindowState(Qt::WindowNoState); break;
  }
}

void TForm::SetBorderless(bool borderless) {
  window_->widget->setWindowFlag(Qt::FramelessWindowHint, borderless);
  window_->widget->setWindowFlag(Qt::SplashScreen, borderless);
}

void TForm::SetBorderIcons(bool shown) {
  QWidget& window = *window_->widget;
  window.setWindowFlag(Qt::CustomizeWindowHint, !shown);
  window.setWindowFlag(Qt::WindowTitleHint, true);
  window.setWindowFlag(Qt::WindowCloseButtonHint, shown);
  window.setWindowFlag(Qt::WindowMinMaxButtonsHint, shown);
}

bool TForm::BorderIcons() const {
  const Qt::WindowFlags flags = window_->widget->windowFlags();
  return !flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowCloseButtonHint);
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
  if (TMainMenu* old = menu_; old && old != menu) old->AttachTo(nullptr);
  menu_ = menu;
  QMenuBar* bar = window_->widget->Bar();
  bar->clear();
  if (menu) menu->AttachTo(bar);
  bar->setVisible(menu != nullptr);
}

QWidget* TForm::ClientWidget() const { return window_->widget->Client(); }

QMenuBar* TForm::MenuBar() const { return window_->widget->Bar(); }

void TForm::Paint(QPainter& painter) {
  painter.fillRect(ClientWidget()->rect(), ToQColor(Color()));
}

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
  TCloseAction action = TCloseAction::caHide;
  Dispatch([&] {
    if (OnClose) OnClose(this, action);
  });
  if (action == TCloseAction::caNone) return false;
  // Minimised instead of closed. A form asked to free itself is hidden:
  // its owner frees it.
  if (action == TCloseAction::caMinimize && !modal_) {
    SetWindowState(TWindowState::wsMinimized);
    return false;
  }
  if (modal_ && modalResult_ == mrNone) modalResult_ = mrCancel;
  return true;
}

void TForm::HandleResize() {
  // Resized by the window system (or the person): the form's bounds follow.
  const QRect geometry = window_->widget->geometry();
  SetAlignedBounds(TBounds{geometry.x(), geometry.y(), geometry.width(), geometry.height()});
  AlignControls();
  Dispatch([&] {
    if (OnResize) OnResize(this);
  });
}

void TForm::PlaceOnScreen() {
  if (position_ != TPosition::poScreenCenter) return;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(), Height());
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
  // Headless the window never shows, but the form stands where it would.
  PlaceOnScreen();
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
    // Hidden while still modal: Qt takes a window off its list of modal
    // windows only when it hides one, and a window left on that list
    // blocks every other window for good.
    SetVisible(false);
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
