#pragma once
// TControl: a component with a place on the screen. Every control is a real
// Qt widget (Widget()), named by its component name so that tests find it.
//
// Geometry. Left, Top, Width and Height are pixels at the control's present
// view scale. The control also keeps the same bounds at scale 1, its design
// bounds: ScaleBy changes only the view, and every view scale is computed
// from the design bounds by the scaling rule step by step, so that a series
// of scalings that returns to a scale returns every control to exactly the
// bounds it had there. Setting bounds at some scale sets the design bounds
// that the inverse steps give, except that an edge or size left as it was
// keeps its design value (a control moved keeps its design size); the
// control then shows what the forward steps give for them.
//
// Events are the class library's: the dispatch completes a click at mouse-up
// (or at once when a mouse-down handler begins a drag), tracks drags and
// sends drag-over events to the control under the mouse, and catches every
// exception a handler raises, showing it in the application's error box.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls/component.h"
#include "platform/drawing/canvas.h"
#include "platform/drawing/geometry.h"

class QWidget;
class QPainter;

namespace platform {

class TWinControl;
class TPopupMenu;
class TForm;

enum class TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
enum class TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

using TShiftState = uint32_t;
inline constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                             ssDouble = 64;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

// Colours of the class library used by the controls.
inline constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clSilver = 0xC0C0C0, clGray = 0x808080,
                        clAqua = 0xFFFF00, clRed = 0x0000FF, clBtnFace = 0xFF00000F,
                        clWindow = 0xFF000005, clWindowText = 0xFF000008, clGrayText = 0xFF000011,
                        clBtnHighlight = 0xFF000014;

// The largest position or size a control is given: the controls add
// positions and sizes in 32 bits and scale them by up to twice for zoom, so
// what lies beyond (some 1.6 km at zoom level 0) is taken as lying there.
inline constexpr int32_t kLargestCoordinate = 16777215;

struct TBounds {
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  friend bool operator==(const TBounds&, const TBounds&) = default;
};

// One view scaling by M/D.
struct TScaleStep {
  int32_t M = 1, D = 1;
  friend bool operator==(const TScaleStep&, const TScaleStep&) = default;
};

// The scaling rule: left and top scaled, right and bottom edges scaled, the
// size their difference; MulDiv rounds halves away from zero. With
// keepOrigin the size is what the rule gives, and the left and top stay.
TBounds ScaleBounds(const TBounds& bounds, const std::vector<TScaleStep>& steps, bool keepOrigin = false);
// The inverse steps in reverse order.
TBounds UnscaleBounds(const TBounds& bounds, const std::vector<TScaleStep>& steps, bool keepOrigin = false);
int32_t ScaleValue(int32_t value, const std::vector<TScaleStep>& steps);
int32_t UnscaleValue(int32_t value, const std::vector<TScaleStep>& steps);

// Runs an event handler: an exception it raises is shown in the
// application's error box instead of going further.
void Dispatch(const std::function<void()>& handler);

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  // The form the control stands on, or null.
  TForm* ParentForm() const;

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width; }
  int Height() const { return bounds_.Height; }
  void SetLeft(int value);
  void SetTop(int value);
  void SetWidth(int value);
  void SetHeight(int value);
  virtual void SetBounds(int left, int top, int width, int height);
  TBounds Bounds() const { return bounds_; }
  // The bounds at scale 1.
  TBounds DesignBounds() const { return design_; }
  // Sets the bounds at scale 1 directly.
  void SetDesignBounds(const TBounds& bounds);
  virtual int ClientWidth() const { return bounds_.Width; }
  virtual int ClientHeight() const { return bounds_.Height; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  // A disabled control lets mouse events through to what lies under it.
  void SetEnabled(bool enabled);

  TColor Color() const;
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  // The font as shown at the present scale.
  TFont Font() const;
  // The font at scale 1.
  TFont DesignFont() const;
  void SetFont(const TFont& font);
  void SetFontName(const std::string& name);
  void SetFontSize(int32_t points);
  void SetFontColor(TColor color);
  void SetFontStyle(uint8_t styleBits);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;

  // The dispatch of the events; the mouse calls them, tests may too.
  virtual void Click();
  void DblClick();
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  // Asks the control whether it takes a drop of source here.
  bool DragOver(TObject* source, int x, int y, TDragState state);
  void DoEndDrag(TObject* target, int x, int y);

  // Begins dragging this control: at once, or once the mouse has moved
  // five pixels along either axis. A left button held on the control is
  // released at once, which completes its click before anything moves.
  void BeginDrag(bool immediate);
  bool Dragging() const;
  void EndDrag(bool drop);

  void Invalidate();
  virtual void Repaint();
  void BringToFront();
  TPoint ClientToScreen(TPoint point) const;
  TPoint ScreenToClient(TPoint point) const;

  // Scales the control's view (and its children's) by M/D; the control
  // itself keeps its left and top.
  virtual void ScaleBy(int32_t m, int32_t d);
  const std::vector<TScaleStep>& ScaleSteps() const { return steps_; }

  virtual bool IsWindowed() const { return false; }
  QWidget* Widget() const { return widget_; }

  // Internal to the platform: paints the control on its widget.
  virtual void Paint(QPainter& painter);
  // Internal: whether a mouse click on the widget makes the click event
  // (native buttons and boxes make their own).
  virtual bool ClicksFromMouse() const { return true; }

 protected:
  void NameChanged() override;
  // Takes the widget that shows the control; subclasses call it once from
  // their constructor.
  void AttachWidget(QWidget* widget);
  virtual void BoundsChanged() {}
  virtual void FontChanged() {}
  virtual void ColorChanged() {}
  // Applies bounds_ to the widget.
  void PlaceWidget();
  // For controls that compute their own size at each scale (self-sizing
  // labels): sets both sizes without the scaling rule.
  void SetSizes(int32_t screenWidth, int32_t screenHeight, int32_t designWidth, int32_t designHeight);
  // Takes a new list of view steps. keepDesign: the design bounds stay and
  // the view follows; otherwise the present view is taken as the truth.
  virtual void AdoptScale(const std::vector<TScaleStep>& steps, bool keepDesign);
  virtual void ApplyScaleStep(TScaleStep step, bool root);
  void SetAlignedBounds(const TBounds& bounds);

 private:
  friend class TWinControl;
  void UpdateEnabledState();
  void ApplyFontToWidget();
  void Recompute();

  TWinControl* parent_ = nullptr;
  QWidget* widget_ = nullptr;
  TBounds bounds_;
  TBounds design_;
  std::vector<TScaleStep> steps_;
  // Per step: the control's own ScaleBy (it keeps its left and top) rather
  // than its parent's.
  std::vector<bool> ownSteps_;
  bool placed_ = false;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  TFont font_;
  TFont screenFont_;
  bool parentFont_ = true;
  std::string hint_;
  bool showHint_ = false;
  TPopupMenu* popupMenu_ = nullptr;
};

}  // namespace platform
