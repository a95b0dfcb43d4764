#pragma once
// TForm: a top-level window with an optional main menu above its client
// area. ShowModal runs the form as a modal dialog and answers its modal
// result. With a display it is a real modal window; without one, or while a
// modal handler is installed (tests), nothing waits for a person: the
// handler plays the person's part on the live form (setting fields,
// clicking buttons) and the form returns what that gave.
#include <functional>
#include <memory>
#include <string>

#include "platform/controls/win_control.h"

class QMenuBar;

namespace platform {

class TMainMenu;

using TModalResult = int;
inline constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                              mrYes = 6, mrNo = 7;

enum class TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
enum class TPosition : uint8_t { poDesigned, poScreenCenter };
enum class TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // The caption as it was set: Windows text, or UTF-8 when set as such.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // A caption in UTF-8, for text the code page may not hold (a file's path).
  void SetUnicodeCaption(const std::string& caption);

  void SetBounds(int left, int top, int width, int height) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientSize(int width, int height);

  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  void SetWindowState(TWindowState state);
  // A dialog border has no minimise and maximise boxes; None has no frame.
  void SetBorderless(bool borderless);
  void SetFixedSize(bool fixed);
  // Without border icons the title bar has no close, minimise or maximise
  // box; the form ends through its own buttons.
  void SetBorderIcons(bool shown);
  bool BorderIcons() const;

  TMainMenu* Menu() const { return menu_.Get(); }
  void SetMenu(TMainMenu* menu);

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  // Asks the form to close: OnCloseQuery, then OnClose, whose action
  // caNone keeps it open, caMinimize minimises it and caHide or caFree hide
  // it (its owner frees it); a modal form ends with mrCancel unless its
  // result is set.
  void Close();
  // Paints the form at once (the splash stands while the forms are made).
  void Update();

  // Runs the form's OnActivate (Qt activates windows itself; tests may call
  // it as the window system would).
  void Activate();
  void Deactivate();

  // Runs OnDestroy once. The form's destructor runs it; a derived form
  // whose handler uses the derived form's own members runs it first in its
  // destructor, while they still exist.
  void DoDestroy();

  TNotifyEvent OnCreate;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnShow;
  TNotifyEvent OnResize;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  // The Enter and Escape keys click these buttons when they are enabled.
  void SetDefaultButton(TControl* button) { defaultButton_ = button; }
  void SetCancelButton(TControl* button) { cancelButton_ = button; }
  void PressDefault();
  void PressCancel();

  QWidget* ClientWidget() const override;
  QMenuBar* MenuBar() const;
  // The client area shows the form's colour under its controls.
  void Paint(QPainter& painter) override;

  // Internal: the window's own events.
  // A form centred on the screen goes to the middle of its free area.
  void PlaceOnScreen();
  bool HandleCloseRequest();
  void HandleResize();

 private:
  struct Window;
  std::unique_ptr<Window> window_;
  std::string caption_;
  TPosition position_ = TPosition::poDesigned;
  TRef<TMainMenu> menu_;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool destroyed_ = false;
  TRef<TControl> defaultButton_;
  TRef<TControl> cancelButton_;
};

// Plays a person's part in modal forms for tests: called with each form
// shown modally, after its activation. Whatever it leaves in ModalResult
// is the answer; mrNone counts as mrCancel.
using ModalHandler = std::function<void(TForm& form)>;
void SetModalHandler(ModalHandler handler);
class ScopedModalHandler {
 public:
  explicit ScopedModalHandler(ModalHandler handler);
  ~ScopedModalHandler();
  ScopedModalHandler(const ScopedModalHandler&) = delete;
  ScopedModalHandler& operator=(const ScopedModalHandler&) = delete;

 private:
  ModalHandler previous_;
};

}  // namespace platform
