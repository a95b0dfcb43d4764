#include "platform/controls/scroll_box.h"

#include <QEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

#include "platform/controls/control_widget.h"
#include "platform/drawing/qt_drawing_tools.h"

namespace platform {
namespace {

// The visible part of the area changes with the box's window; the range
// follows it.
class RangeWatcher : public QObject {
 public:
  explicit RangeWatcher(TScrollBox& box) : box_(box) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) box_.UpdateScrollRange();
    return false;
  }

 private:
  TScrollBox& box_;
};

class ContentWidget : public ControlWidget {
 public:
  explicit ContentWidget(TScrollBox& box) : ControlWidget(box), box_(box) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(box_.Color()));
  }

 private:
  TScrollBox& box_;
};

}  // namespace

struct TScrollBox::Area {
  QScrollArea* scroll = nullptr;
  ContentWidget* content = nullptr;
  std::unique_ptr<RangeWatcher> watcher;
};

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner), area_(std::make_unique<Area>()) {
  area_->scroll = new QScrollArea();
  area_->content = new ContentWidget(*this);
  area_->scroll->setWidget(area_->content);
  area_->scroll->setWidgetResizable(false);
  area_->scroll->setFrameShape(QFrame::Panel);
  area_->scroll->setFrameShadow(QFrame::Sunken);
  area_->scroll->setLineWidth(2);
  area_->watcher = std::make_unique<RangeWatcher>(*this);
  area_->scroll->installEventFilter(area_->watcher.get());
  // Scroll bars that come and go resize the viewport alone; the content
  // must follow, or the viewport's own background shows in a strip.
  area_->scroll->viewport()->installEventFilter(area_->watcher.get());
  BindWidget(*area_->content, *this);
  area_->content->setMouseTracking(true);
  area_->content->installEventFilter(&ControlEventFilter::Instance());
  AttachWidget(area_->scroll);
  SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox() {
  BeginDestroy();
  area_->scroll->removeEventFilter(area_->watcher.get());
  area_->scroll->viewport()->removeEventFilter(area_->watcher.get());
}

QWidget* TScrollBox::ClientWidget() const { return area_->content; }

int TScrollBox::ClientWidth() const { return std::max(0, Width() - 2 * area_->scroll->frameWidth()); }

int TScrollBox::ClientHeight() const { return std::max(0, Height() - 2 * area_->scroll->frameWidth()); }

int TScrollBox::HorzPosition() const { return area_->scroll->horizontalScrollBar()->value(); }
void TScrollBox::SetHorzPosition(int position) { area_->scroll->horizontalScrollBar()->setValue(position); }
int TScrollBox::VertPosition() const { return area_->scroll->verticalScrollBar()->value(); }
void TScrollBox::SetVertPosition(int position) { area_->scroll->verticalScrollBar()->setValue(position); }

void TScrollBox::SetBorder(bool sunken) {
  area_->scroll->setFrameShape(sunken ? QFrame::Panel : QFrame::NoFrame);
  area_->scroll->setLineWidth(sunken ? 2 : 0);
  AlignControls();
  UpdateScrollRange();
}

void TScrollBox::UpdateScrollRange() {
  if (Destroying()) return;
  int right = 0, bottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (!child->Visible()) continue;
    right = std::max(right, child->Left() + child->Width());
    bottom = std::max(bottom, child->Top() + child->Height());
  }
  const QSize viewport = area_->scroll->viewport()->size();
  area_->content->resize(std::max(right, viewport.width()), std::max(bottom, viewport.height()));
}

void TScrollBox::BoundsChanged() {
  TWinControl::BoundsChanged();
  UpdateScrollRange();
}

void TScrollBox::ControlsChanged() { UpdateScrollRange(); }

void TScrollBox::ChildBoundsChanged() { UpdateScrollRange(); }

void TScrollBox::ColorChanged() {
  TWinControl::ColorChanged();
  area_->content->update();
}

void TScrollBox::Paint(QPainter&) {}

}  // namespace platform
