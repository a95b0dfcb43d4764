#include "engine/preview_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>
#include <exception>

#include "engine/engine_state.h"
#include "engine/layout_geometry.h"
#include "engine/page_drawing.h"
#include "engine/page_layout.h"
#include "engine/preview_glyphs.h"
#include "engine/preview_panel.h"
#include "engine/template_reader.h"
#include "engine/up_down_control.h"
#include "platform/drawing/qpainter_canvas.h"
#include "platform/printing/dialog_print.h"
#include "platform/printing/printer.h"
#include "platform/system/qt_application.h"

namespace engine {
namespace {

constexpr int kButtonTop = 8;
constexpr int kButtonSize = 25;
constexpr int kPreviewResolution = 100;

QToolButton* MakeSpeedButton(QWidget* parent, int left, const char* hint, PreviewGlyph glyph) {
  auto* button = new QToolButton(parent);
  button->setGeometry(left, kButtonTop, kButtonSize, kButtonSize);
  button->setToolTip(QString::fromLatin1(hint));
  button->setIcon(MakePreviewGlyph(glyph));
  button->setAutoRaise(true);
  return button;
}

// The platform's edit limit: it holds what the user types, not what the
// program sets, so page 1005 that the paging buttons reach shows in full in a
// box that takes three typed digits.
class TypedLengthLimit final : public QValidator {
 public:
  TypedLengthLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
  State validate(QString& input, int& /*position*/) const override {
    return input.size() <= limit_ ? Acceptable : Invalid;
  }

 private:
  int limit_;
};

// Event handlers must not let an exception reach Qt; the printer's failure is
// the one a user can cause here.
template <class Action>
void GuardPrinting(Action action) {
  try {
    action();
  } catch (const std::exception& error) {
    ShowMessage(std::string("Tessel: Printer error found in preview: ") + error.what() + "  ");
  }
}

}  // namespace

TPrev::TPrev(QWidget* owner) : QDialog(owner) {
  BuildForm();
  RunLayout();
  ReadPaperSize();
  ComputeImageSize();
  const int32_t pageCount = static_cast<int32_t>(GetPages().size()) - 1;
  state_ = std::make_unique<PreviewState>(pageCount, pageWidth_, pageHeight_);
  pageImage_ = QImage(pageWidth_, pageHeight_, QImage::Format_RGB32);
  pageImage_.setDotsPerMeterX(static_cast<int>(std::lround(kPreviewResolution / 0.0254)));
  pageImage_.setDotsPerMeterY(static_cast<int>(std::lround(kPreviewResolution / 0.0254)));
  pageImage_.fill(Qt::white);
  SetPreviewPageSize(pageWidth_, pageHeight_);
  UpdateStatus();
  UpDown1->SetRange(1, state_->LastPage());
  UpDown1->SetPosition(state_->CurrentPage());
  Edit1->setText(QString::number(state_->CurrentPage()));
  building_ = false;
  ApplyShownSize();
  Refresh();
}

TPrev::~TPrev() = default;

void TPrev::BuildForm() {
  setWindowTitle(QStringLiteral("Tessel Previewer"));
  setWindowIcon(MakePreviewGlyph(PreviewGlyph::Window));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  resize(634, 514);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  Panel1 = new QFrame(this);
  Panel1->setFixedHeight(41);
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setLineWidth(2);
  layout->addWidget(Panel1);

  PrintOnePage = MakeSpeedButton(Panel1, 16, "Print Page", PreviewGlyph::PrintPage);
  PrintAll = MakeSpeedButton(Panel1, 40, "Print All Pages", PreviewGlyph::PrintAll);
  FirstPage = MakeSpeedButton(Panel1, 87, "First", PreviewGlyph::First);
  PrevPage = MakeSpeedButton(Panel1, 113, "Previous", PreviewGlyph::Previous);
  NextPage = MakeSpeedButton(Panel1, 139, "Next", PreviewGlyph::Next);
  LastPage = MakeSpeedButton(Panel1, 164, "Last", PreviewGlyph::Last);

  Label1 = new QLabel(QStringLiteral("Page"), Panel1);
  Label1->setGeometry(193, 13, 26, 16);

  Edit1 = new QLineEdit(QStringLiteral("1"), Panel1);
  Edit1->setGeometry(221, 10, 49, 21);
  Edit1->setValidator(new TypedLengthLimit(3, Edit1));
  Edit1->setToolTip(QStringLiteral("Go to Page number"));

  UpDown1 = new UpDownControl(*Edit1, Panel1);
  UpDown1->setGeometry(270, 10, 17, 22);

  ZoomIn = MakeSpeedButton(Panel1, 300, "Zoom In", PreviewGlyph::ZoomIn);
  ZoomOut = MakeSpeedButton(Panel1, 324, "Zoom Out", PreviewGlyph::ZoomOut);

  ComboBox1 = new QComboBox(Panel1);
  ComboBox1->setGeometry(355, 10, 97, 21);
  ComboBox1->setEditable(true);
  // The list holds its nine items only: typing neither completes to one of
  // them (which would zoom at the first key) nor adds the typed text.
  ComboBox1->setCompleter(nullptr);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->addItems({"200%", "150%", "100%", "75%", "50%", "25%", "10%", "Page Width",
                       "Full Page"});
  ComboBox1->setCurrentText(QStringLiteral("100%"));
  ComboBox1->installEventFilter(this);

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setBackgroundRole(QPalette::Button);
  ScrollBox1->setWidgetResizable(false);
  auto* scrolled = new QWidget;
  previewpanel = new PreviewPanel(pageImage_, scrolled);
  previewpanel->setGeometry(8, 0, 850, 1100);
  scrolled->resize(858, 1100);
  ScrollBox1->setWidget(scrolled);
  layout->addWidget(ScrollBox1, 1);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setFixedHeight(25);
  StatusBar1->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(QStringLiteral("Page xxx of yyy"), StatusBar1);
  StatusPanel0->setMinimumWidth(50);
  StatusBar1->addWidget(StatusPanel0);
  layout->addWidget(StatusBar1);

  connect(PrintOnePage, &QToolButton::clicked, this, &TPrev::PrintOnePageClick);
  connect(PrintAll, &QToolButton::clicked, this, &TPrev::PrintAllClick);
  connect(FirstPage, &QToolButton::clicked, this, &TPrev::FirstPageClick);
  connect(PrevPage, &QToolButton::clicked, this, &TPrev::PrevPageClick);
  connect(NextPage, &QToolButton::clicked, this, &TPrev::NextPageClick);
  connect(LastPage, &QToolButton::clicked, this, &TPrev::LastPageClick);
  connect(ZoomIn, &QToolButton::clicked, this, &TPrev::ZoomInClick);
  connect(ZoomOut, &QToolButton::clicked, this, &TPrev::ZoomOutClick);
  connect(Edit1, &QLineEdit::textChanged, this, &TPrev::Edit1Change);
  connect(ComboBox1, &QComboBox::currentTextChanged, this, &TPrev::ComboBox1Change);
  connect(ComboBox1, &QComboBox::activated, this, &TPrev::ComboBox1Change);
  UpDown1->OnChanging([this] { UpDown1Changing(); });
}

void TPrev::ReadPaperSize() {
  if (const rcDefItem* item = FindReportItem(GetTemplateItems())) {
    const rcReport& report = item->As<rcReport>();
    paperWidth_ = report.PaperWidth;
    paperHeight_ = report.PaperHeight;
    landscape_ = report.Landscape;
  }
}

void TPrev::ComputeImageSize() {
  const int32_t across = InchesToUnits(paperWidth_);
  const int32_t down = InchesToUnits(paperHeight_);
  pageWidth_ = landscape_ ? down : across;
  pageHeight_ = landscape_ ? across : down;
}

void TPrev::ShowPage(int32_t pageNumber) {
  {
    QPainter painter(&pageImage_);
    platform::QPainterCanvas canvas(painter, kPreviewResolution);
    canvas.Pen = platform::TPen{0x000000, 2, platform::TPenStyle::psSolid, platform::TPenMode::pmCopy};
    canvas.Brush = platform::TBrush{0xFFFFFF, platform::TBrushStyle::bsSolid};
    canvas.Rectangle(0, 0, pageWidth_, pageHeight_);
    SelectTarget(TargetKind::Preview, &canvas);
    DrawOnePage(pageNumber);
    // The canvas lives only for this drawing; leave no target pointing at it.
    SelectTarget(TargetKind::Preview, nullptr);
  }
  previewpanel->update();
}

void TPrev::Refresh() {
  const DrawnView now{state_->CurrentPage(), state_->ShownWidth(), state_->ShownHeight()};
  if (drawn_ && *drawn_ == now) return;
  drawn_ = now;
  ShowPage(now.page);
}

void TPrev::UpdateStatus() {
  StatusPanel0->setText(QString::fromStdString(state_->StatusText()));
}

void TPrev::PagingTail() {
  PrevPage->setEnabled(state_->PrevEnabled());
  NextPage->setEnabled(state_->NextEnabled());
  UpdateStatus();
  {
    // The box's change handler would show the same page a second time.
    const QSignalBlocker quiet(Edit1);
    Edit1->setText(QString::number(state_->CurrentPage()));
  }
  UpDown1->SetPosition(state_->CurrentPage());
  Refresh();
}

void TPrev::FirstPageClick() {
  state_->GoFirst();
  PagingTail();
}

void TPrev::PrevPageClick() {
  state_->GoPrevious();
  PagingTail();
}

void TPrev::NextPageClick() {
  state_->GoNext();
  PagingTail();
}

void TPrev::LastPageClick() {
  state_->GoLast();
  PagingTail();
}

void TPrev::Edit1Change() {
  if (building_) return;
  const auto result = state_->EditChanged(Edit1->text().toStdString());
  if (!result) return;
  if (result->correctedText) {
    // Setting the text re-enters this handler with a number in range, which
    // shows the page; do not show it twice.
    Edit1->setText(QString::fromStdString(*result->correctedText));
    return;
  }
  UpDown1->SetPosition(result->page);
  UpdateStatus();
  Refresh();
}

void TPrev::UpDown1Changing() {
  if (!state_->UpDownChanging(Edit1->text().toStdString())) return;
  UpdateStatus();
  Refresh();
}

void TPrev::ApplyShownSize() {
  previewpanel->resize(state_->ShownWidth(), state_->ShownHeight());
  previewpanel->parentWidget()->resize(8 + state_->ShownWidth(), state_->ShownHeight());
}

void TPrev::ZoomInClick() {
  state_->ZoomIn();
  ApplyShownSize();
  Refresh();
}

void TPrev::ZoomOutClick() {
  state_->ZoomOut();
  ApplyShownSize();
  Refresh();
}

void TPrev::ComboBox1Change() {
  if (building_ || !state_) return;
  state_->ComboChanged(ComboBox1->currentText().toStdString(), ScrollBox1->width(),
                       ScrollBox1->height());
  ApplyShownSize();
  Refresh();
}

void TPrev::PrintOnePageClick() {
  GuardPrinting([this] {
    platform::PrintAfterDialog([this] {
      SelectTarget(TargetKind::Printer, nullptr);
      DrawOnePage(state_->CurrentPage());
    });
  });
  SelectTarget(TargetKind::Preview, nullptr);
}

void TPrev::PrintAllClick() {
  GuardPrinting([] {
    platform::PrintAfterDialog([] {
      SelectTarget(TargetKind::Printer, nullptr);
      PrintAllPages();
    });
  });
  SelectTarget(TargetKind::Preview, nullptr);
}

void TPrev::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ComboBox1Change();
}

bool TPrev::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ComboBox1 && event->type() == QEvent::FocusOut) ComboBox1Change();
  return QDialog::eventFilter(watched, event);
}

void RunPreview() {
  if (!platform::HasDisplay() || !platform::EnsureApplication()) {
    RunLayout();
    std::fputs("Tessel: There is no display to show the preview on.\n", stderr);
    return;
  }
  TPrev prev(nullptr);
  prev.setWindowState(Qt::WindowMaximized);
  prev.exec();
}

}  // namespace engine
