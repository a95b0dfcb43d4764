#include "engine/page_drawing.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "engine/drawn_extent.h"
#include "engine/engine_state.h"
#include "engine/item_drawing.h"
#include "engine/job_pictures.h"
#include "engine/left_out_content.h"
#include "engine/template_name_index.h"
#include "platform/printing/printer.h"
#include "platform/richtext/rich_text_document.h"

namespace engine {
namespace {

struct DrawingTarget {
  TargetKind kind = TargetKind::Preview;
  platform::TCanvas* previewCanvas = nullptr;
};

struct PageCounters {
  int32_t number = 0;
  int32_t count = 0;
};

// The preview bitmap's size: the page rich text is formatted on in the
// preview. The platform's renderer needs no page beyond the rendering
// rectangle, so only the preview writes it.
struct PageSize {
  int32_t width = 850;
  int32_t height = 1100;
};

DrawingTarget& Target() {
  static DrawingTarget target;
  return target;
}

PageCounters& Counters() {
  static PageCounters counters;
  return counters;
}

PageSize& PreviewPageSize() {
  static PageSize size;
  return size;
}

bool Printing() { return Target().kind == TargetKind::Printer; }

// What the pages of one print or preview call share, freed however the call
// ends: the hidden rich-text document, and the pictures, so that a file
// shown on every page is decoded once and embedded in a PDF once; and
// whether host data was drawn off the printer's sheet, told once the job is
// done.
struct CallResources {
  platform::RichTextDocument hiddenRichText;
  JobPictures pictures;
  bool hostDataOffSheet = false;
  // Made at the call's first page, once the layout stands.
  std::optional<TemplateNameIndex> templateNames;
};

CallResources*& CurrentCall() {
  static CallResources* call = nullptr;
  return call;
}

class CallScope {
 public:
  CallScope() : resources_(std::make_unique<CallResources>()), previous_(CurrentCall()) {
    CurrentCall() = resources_.get();
  }
  ~CallScope() { CurrentCall() = previous_; }
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;

  // After the job has ended, never during it: a message box in the middle
  // would hold a half-written job open. Nothing when the layout of this same
  // print has shown the message already.
  void ReportDataOffSheet(bool layoutSaidSo) const {
    if (resources_->hostDataOffSheet && !layoutSaidSo) ShowMessage(kLeftOutMessage);
  }

 private:
  std::unique_ptr<CallResources> resources_;
  CallResources* previous_;
};

// On the printer the canvas belongs to the current page of the started job,
// so it is asked for anew for every page.
platform::TCanvas* TargetCanvas() {
  if (Printing()) return &platform::Printer().Canvas();
  return Target().previewCanvas;
}

// The printer's whole sheet in device pixels: the drawing transform measures
// from the printable area, which starts at the physical offset.
platform::TRect SheetOnDevice(const TPrinterMetrics& metrics) {
  return {-metrics.physicalOffsetX, -metrics.physicalOffsetY,
          metrics.physicalWidth - metrics.physicalOffsetX,
          metrics.physicalHeight - metrics.physicalOffsetY};
}

int32_t RealPageCount(const TPageList& pages) {
  return static_cast<int32_t>(std::min<size_t>(pages.size() - 1, INT32_MAX));
}

// Starts the printer's job in the orientation the layout took from the report
// style; nothing when drawing on the preview.
void StartJobWhenPrinting(std::optional<platform::PrintJob>& job) {
  if (!Printing()) return;
  platform::TPrinter& printer = platform::Printer();
  printer.SetOrientation(GetReportOrientation() == 0 ? platform::TPrinterOrientation::poPortrait
                                                     : platform::TPrinterOrientation::poLandscape);
  job.emplace(printer);
}

// Each page of the print as many times as the print dialog asked: whole
// copies one after the other when collated, else each page repeated before
// the next; all of it last sheet first when the dialog asked for reverse
// order. A new sheet before every page but the first. Once on the preview.
void DrawSheets(int32_t pageCount, const std::function<void(int32_t page)>& drawPage) {
  const bool printing = Printing();
  const platform::PrintSettings settings =
      printing ? platform::Printer().Settings() : platform::PrintSettings{};
  const int64_t copies = std::max(settings.copies, 1);
  const int64_t sheets = copies * pageCount;
  for (int64_t sheet = 0; sheet < sheets; ++sheet) {
    const int64_t inOrder = settings.reverse ? sheets - 1 - sheet : sheet;
    const int64_t page = settings.collate ? inOrder % pageCount : inOrder / copies;
    if (sheet > 0 && printing) platform::Printer().NewPage();
    drawPage(static_cast<int32_t>(page + 1));
  }
}

}  // namespace

void SelectTarget(TargetKind kind, platform::TCanvas* canvas) {
  Target().kind = kind;
  Target().previewCanvas = kind == TargetKind::Printer ? nullptr : canvas;
}

void SetPreviewPageSize(int32_t width, int32_t height) { PreviewPageSize() = {width, height}; }

void DrawPage(int32_t pageIndex) {
  TPageList& pages = GetPages();
  if (pageIndex < 0 || static_cast<size_t>(pageIndex) >= pages.size() || !pages[pageIndex]) return;
  platform::TCanvas* canvas = TargetCanvas();
  if (!canvas) return;

  CallResources* call = CurrentCall();
  DeviceTransform transform;
  int32_t resolutionX = 100;
  int32_t resolutionY = 100;
  // The template's paper need not be the printer's: whatever is drawn
  // beyond the sheet the printer holds is lost, and is looked for until one
  // such item is found.
  std::optional<platform::TRect> sheet;
  if (Printing()) {
    const TPrinterMetrics metrics = GetPrinterMetrics();
    transform = {metrics.scaleX, metrics.scaleY, metrics.physicalOffsetX, metrics.physicalOffsetY};
    resolutionX = metrics.pixelsPerInchX;
    resolutionY = metrics.pixelsPerInchY;
    if (call && !call->hostDataOffSheet) sheet = SheetOnDevice(metrics);
  }
  // A page drawn outside a print or preview call reads its own pictures.
  std::optional<JobPictures> ownPictures;
  JobPictures& pictures = call ? call->pictures : ownPictures.emplace();
  std::optional<TemplateNameIndex> ownNames;
  const TemplateNameIndex& names = call ? (call->templateNames ? *call->templateNames
                                                               : call->templateNames.emplace(GetTemplateItems()))
                                        : ownNames.emplace(GetTemplateItems());
  const ItemDrawingContext context{*canvas,     transform,   GetTemplateItems(),
                                   pictures,    call ? &call->hiddenRichText : nullptr,
                                   resolutionX, resolutionY, Counters().number,
                                   Counters().count, pageIndex == 0, &names};
  for (const std::unique_ptr<TPlacedItem>& placed : *pages[pageIndex]) {
    if (!placed) continue;
    if (sheet &&
        !DrawnWithin(*placed, transform, resolutionY, Counters().number, Counters().count, *sheet)) {
      call->hostDataOffSheet = true;
      sheet.reset();
    }
    if (DrawPlacedItem(context, *placed) == ItemResult::EndPage) break;
  }
}

void PrintAllPages() {
  if (ErrorFlag()) return;
  CallScope call;
  const bool layingOut = !LaidOut();
  if (layingOut) RunLayout();
  const TPageList& pages = GetPages();
  // Only a layout that could not even begin leaves no static layer; it has
  // said why.
  if (pages.empty()) return;

  std::optional<platform::PrintJob> job;
  StartJobWhenPrinting(job);
  const int32_t realPages = RealPageCount(pages);
  // The static layer alone is printed as one page, and counted as one.
  DrawSheets(std::max(realPages, 1), [realPages](int32_t page) {
    Counters() = {page, std::max(realPages, 1)};
    DrawPage(0);
    if (realPages > 0) DrawPage(page);
  });
  if (!job) return;
  job->End();
  call.ReportDataOffSheet(layingOut && LayoutReportedLeftOut());
}

void DrawOnePage(int32_t pageNumber) {
  if (ErrorFlag()) return;
  const TPageList& pages = GetPages();
  if (pages.empty()) return;
  CallScope call;
  std::optional<platform::PrintJob> job;
  StartJobWhenPrinting(job);
  const int32_t realPages = RealPageCount(pages);
  DrawSheets(1, [pageNumber, realPages](int32_t) {
    Counters() = {pageNumber, std::max(realPages, 1)};
    DrawPage(0);
    // A page number outside the report draws the static layer alone.
    if (realPages > 0 && pageNumber >= 1 && pageNumber <= realPages) DrawPage(pageNumber);
  });
  if (!job) return;
  job->End();
  call.ReportDataOffSheet(false);
}

}  // namespace engine
