// The placement worker: what a click does in each tool mode. The template
// reader makes every object through it too, so what a new object gets here
// is what a loaded object starts from.
#include "designer/editing/undo.h"
#include "designer/main_window/form1.h"
#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"
#include "designer/placement/object_names.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/text/number_text.h"

namespace designer {
namespace {

const char* PrefixOf(int mode) {
  switch (mode) {
    case kModeFixed:
    case kModeTitle:
    case kModeRepeat: return "Region";
    case kModeText: return "TEXT";
    case kModeRichText: return "RichTextRegion";
    case kModeImage: return "ImageRegion";
    case kModeVariable: return "VAR";
    case kModeShape: return "SHAPE";
    default: return "";
  }
}

bool IsRegionMode(int mode) {
  return mode == kModeFixed || mode == kModeTitle || mode == kModeRepeat || mode == kModeRichText ||
         mode == kModeImage;
}

bool IsTitleRegion(const TControl* control) {
  if (dynamic_cast<const TTitleRegion*>(control)) return true;
  const auto* region = dynamic_cast<const TRegion*>(control);
  return region && region->RegionType == TRegionType::titleRegion && !dynamic_cast<const TShapeRegion*>(control) &&
         !dynamic_cast<const TImageRegion*>(control) && !dynamic_cast<const TRichTextRegion*>(control);
}

// The placing mode that pastes a copy of the source; none for what no mode
// places (the report area itself).
int PasteModeOf(const TControl* source, const TReportRegion* report) {
  if (!source || source == report) return kModeNone;
  if (dynamic_cast<const TStyledLabel*>(source)) return kModeText;
  if (dynamic_cast<const TVariableLabel*>(source)) return kModeVariable;
  if (dynamic_cast<const TShapeRegion*>(source)) return kModeShape;
  if (dynamic_cast<const TImageRegion*>(source)) return kModeImage;
  if (dynamic_cast<const TRichTextRegion*>(source)) return kModeRichText;
  if (const auto* region = dynamic_cast<const TRegion*>(source)) {
    switch (region->RegionType) {
      case TRegionType::fixedRegion: return kModeFixed;
      case TRegionType::repeatRegion: return kModeRepeat;
      case TRegionType::titleRegion: return kModeTitle;
    }
  }
  return kModeNone;
}

}  // namespace

void TForm1::ClickHandler(TObject* Sender) { PlaceObject(Sender); }

bool TForm1::HasRepeatRegion(TWinControl* container) {
  const int first = container == REPORT ? 0 : (dynamic_cast<TShapeRegion*>(container) ? 2 : 1);
  for (int i = first; i < container->ControlCount(); ++i)
    if (ControlTypeName(container->Controls(i)) == "REPEATREGION") return true;
  return false;
}

bool TForm1::HasTitleRegion(TWinControl* container) {
  const int first = container == REPORT ? 0 : (dynamic_cast<TShapeRegion*>(container) ? 2 : 1);
  for (int i = first; i < container->ControlCount(); ++i)
    if (ControlTypeName(container->Controls(i)) == "TITLEREGION") return true;
  return false;
}

bool TForm1::AcceptsPlacement(TControl* target, int mode) {
  auto* region = dynamic_cast<TRegion*>(target);
  if (!region) return false;
  // Image and rich-text regions hold no design objects: whatever was put
  // into them would never be saved.
  if (dynamic_cast<TImageRegion*>(region) || dynamic_cast<TRichTextRegion*>(region)) return false;
  if (mode == kModeFixed) return true;
  return region != REPORT;
}

void TForm1::BindObjectHandlers(TControl* object, int mode) {
  object->OnClick = [this](TObject* sender) { ClickHandler(sender); };
  auto mouseDown = [this](void (TForm1::*handler)(TObject*, TMouseButton, TShiftState, int, int)) {
    return [this, handler](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { (this->*handler)(s, b, sh, x, y); };
  };
  auto dragOver = [this](void (TForm1::*handler)(TObject*, TObject*, int, int, platform::TDragState, bool&)) {
    return [this, handler](TObject* s, TObject* src, int x, int y, platform::TDragState st, bool& a) {
      (this->*handler)(s, src, x, y, st, a);
    };
  };
  auto panelMove = [this](TObject* s, TShiftState sh, int x, int y) { PanelMouseMove(s, sh, x, y); };
  auto textMove = [this](TObject* s, TShiftState sh, int x, int y) { TextMouseMove(s, sh, x, y); };
  auto endDrag = [this](TObject* s, TObject* t, int x, int y) { testMinSize(s, t, x, y); };
  auto dblClick = [this](TObject* s) { TextDblClick(s); };
  switch (mode) {
    case kModeFixed:
    case kModeTitle:
    case kModeRepeat:
      object->OnMouseDown = mouseDown(mode == kModeFixed   ? &TForm1::PanelMouseDown
                                      : mode == kModeTitle ? &TForm1::TitleRegMouseDown
                                                           : &TForm1::RptRegMouseDown);
      object->OnDragOver = dragOver(&TForm1::PanelDragOver);
      object->OnMouseMove = panelMove;
      object->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        PanelMouseUp(s, b, sh, x, y);
      };
      object->OnEndDrag = endDrag;
      break;
    case kModeText:
      object->SetPopupMenu(LabelPopup);
      object->OnMouseDown = mouseDown(&TForm1::TextMouseDown);
      object->OnDblClick = dblClick;
      object->OnDragOver = dragOver(&TForm1::TextDragOver);
      object->OnMouseMove = textMove;
      break;
    case kModeRichText:
    case kModeImage:
      object->SetPopupMenu(mode == kModeRichText ? RichTextPopup : ImagePopup);
      object->OnMouseDown =
          mouseDown(mode == kModeRichText ? &TForm1::RichTextMouseDown : &TForm1::ImageRegMouseDown);
      object->OnDragOver = dragOver(&TForm1::PanelDragOver);
      object->OnMouseMove = panelMove;
      object->OnEndDrag = endDrag;
      break;
    case kModeVariable:
      object->SetPopupMenu(VariablePopup);
      object->OnMouseDown = mouseDown(&TForm1::VarMouseDown);
      object->OnDblClick = dblClick;
      object->OnDragOver = dragOver(&TForm1::VarDragOver);
      object->OnMouseMove = textMove;
      break;
    case kModeShape:
      object->SetPopupMenu(ShapePopup);
      object->OnMouseDown = mouseDown(&TForm1::ShapeRegMouseDown);
      object->OnDblClick = dblClick;
      object->OnDragOver = dragOver(&TForm1::PanelDragOver);
      object->OnMouseMove = panelMove;
      object->OnEndDrag = endDrag;
      break;
    default:
      break;
  }
}

TControl* TForm1::PlaceObject(TObject* targetObject) {
  auto* target = dynamic_cast<TControl*>(targetObject);
  const int mode = FMode;
  if (!target) return nullptr;

  switch (mode) {
    case kModeCut:
      RecordUndo(program_, target, kUndoCut);
      FPickedObject = target;
      FCopySource = target;
      return nullptr;
    case kModeMove:
      program_.CurrentObject = target;
      RecordUndo(program_, target, kUndoPosition);
      return nullptr;
    case kModeSize:
      RecordUndo(program_, target, kUndoSize);
      return nullptr;
    case kModeCopy:
      FCopySource = target;
      SetMode(kModeNone);
      SpeedButton15->SetDown(false);
      return nullptr;
    case kModePaste: {
      const int pasteMode = PasteModeOf(FCopySource, REPORT);
      if (pasteMode == kModeNone || !AcceptsPlacement(target, kModePaste)) return nullptr;
      FMode = pasteMode;
      TControl* pasted = PlaceObject(target);
      // Labels, variables and shapes stay pasting at each further click, as
      // they stay placing; a region pasted (or refused as a second repeat
      // region) ends the mode as placing one does, and Paste is chosen again
      // for the next copy.
      if (FMode == pasteMode) {
        SetMode(kModePaste);
        SpeedButton16->SetDown(true);
      }
      return pasted;
    }
    default:
      break;
  }
  if (mode < kModeFixed || mode > kModeShape || mode == kModeReserved) return nullptr;
  if (!AcceptsPlacement(target, mode)) return nullptr;
  auto* container = static_cast<TWinControl*>(target);

  if (mode == kModeRepeat && HasRepeatRegion(container)) {
    platform::ShowMessage("Only one Repeat Region allowed");
    SetMode(kModeNone);
    return nullptr;
  }
  // The engine prints only the first title region of a container, so a
  // second one would never appear.
  if (mode == kModeTitle && (IsTitleRegion(target) || HasTitleRegion(container))) {
    if (!IsTitleRegion(target)) {
      platform::ShowMessage("Only one Title Region allowed");
      SetMode(kModeNone);
    }
    return nullptr;
  }

  TControl* source = FCopySource;
  TControl* object = nullptr;
  const bool labelKind = mode == kModeText || mode == kModeVariable;
  // Labels and variables are made at zoom level 0 (their fonts are given at
  // that scale) and shown at the present level afterwards.
  const int notedZoom = program_.ZoomLevel;
  const int notedHorizontal = ScrollBox1->HorzPosition();
  const int notedVertical = ScrollBox1->VertPosition();
  if (labelKind) SetZoom(0);

  if (source) {
    object = DuplicateComponent(source);
    if (!object) {
      if (labelKind) SetZoom(notedZoom);
      return nullptr;
    }
  } else {
    switch (mode) {
      case kModeFixed:
      case kModeRepeat: object = new TRegion(REPORT); break;
      case kModeTitle: object = new TTitleRegion(REPORT); break;
      case kModeText: object = new TStyledLabel(REPORT); break;
      case kModeRichText: object = new TRichTextRegion(REPORT); break;
      case kModeImage: object = new TImageRegion(REPORT); break;
      case kModeVariable: object = new TVariableLabel(REPORT); break;
      case kModeShape: object = new TShapeRegion(REPORT); break;
      default: return nullptr;
    }
  }
  FNewObject = object;
  object->SetParent(container);
  if (labelKind) {
    object->SetParentColor(true);
    SetZoom(notedZoom);
    ScrollBox1->SetHorzPosition(notedHorizontal);
    ScrollBox1->SetVertPosition(notedVertical);
  }
  object->SetLeft(FRegionGrabX);
  object->SetTop(FRegionGrabY);

  switch (mode) {
    case kModeFixed:
    case kModeTitle:
    case kModeRepeat: {
      auto* region = static_cast<TRegion*>(object);
      if (!source) {
        region->SetHeight(platform::Round(container->Height() * 0.75));
        region->SetWidth(platform::Round(container->Width() * 0.75));
      }
      region->SetParentColor(true);
      region->SetBevelOuter(platform::TBevelCut::bvLowered);
      region->RegionType = mode == kModeFixed   ? TRegionType::fixedRegion
                           : mode == kModeTitle ? TRegionType::titleRegion
                                                : TRegionType::repeatRegion;
      // A copy keeps what its source was set to.
      if (!source) region->MultiPage = mode != kModeTitle;
      break;
    }
    case kModeText: {
      auto* label = static_cast<TStyledLabel*>(object);
      label->SetParentColor(true);
      label->SetTransparent(true);
      break;
    }
    case kModeRichText:
    case kModeImage: {
      auto* region = static_cast<TRegion*>(object);
      if (!source) {
        region->SetHeight(container->Height() > 400 ? 300 : 80);
        region->SetWidth(120);
      }
      region->SetBevelOuter(platform::TBevelCut::bvLowered);
      if (auto* richText = dynamic_cast<TRichTextRegion*>(region)) {
        richText->FRichEdit->SetParentColor(true);
        if (!source) richText->FFileLocation = program_.ReportStyle.RtfDirectory;
      } else if (auto* image = dynamic_cast<TImageRegion*>(region); image && !source) {
        image->FFileLocation = program_.ReportStyle.ImageDirectory;
      }
      break;
    }
    case kModeVariable: {
      auto* variable = static_cast<TVariableLabel*>(object);
      variable->SetParentColor(true);
      variable->SetTransparent(true);
      variable->SetVariableTypeByName(FVariableTypeWord);
      variable->MasterVariable = 0;
      // A copy keeps its source's highlight rule; it is no master, as a
      // container has one.
      if (!source) variable->HighlightWhen = hlType::none;
      break;
    }
    case kModeShape: {
      auto* shape = static_cast<TShapeRegion*>(object);
      shape->SetParentColor(true);
      shape->SetCaption("");
      shape->SetBevelInner(platform::TBevelCut::bvNone);
      shape->SetBevelOuter(platform::TBevelCut::bvNone);
      if (auto* from = dynamic_cast<TShapeRegion*>(source)) {
        shape->SetShape(from->Shape);
        shape->SetFillColor(from->FillColor);
        shape->SetFillPattern(from->FillPattern);
        shape->SetBorderColor(from->BorderColor);
        shape->SetBorderThickness(from->BorderThickness);
        shape->SetBorderPattern(from->BorderPattern);
      }
      break;
    }
    default:
      break;
  }

  // A copy of a region has its source's design size, whatever the zoom
  // showed the source at: a cut source waits unscaled on the scratch pad,
  // and a screen size taken back to the design through rounding need not
  // come out as it went in. A line's setter sizes it in screen pixels, so
  // this comes after the kind's own properties.
  if (source && mode != kModeText && mode != kModeVariable) {
    platform::TBounds bounds = object->DesignBounds();
    bounds.Width = source->DesignBounds().Width;
    bounds.Height = source->DesignBounds().Height;
    object->SetDesignBounds(bounds);
  }

  BindObjectHandlers(object, mode);

  // Named by the kind's prefix and the next free number of its counter.
  int* counter = mode == kModeText       ? &FTextCount
                 : mode == kModeVariable ? &FVarCount
                 : mode == kModeRichText ? &FRichTextCount
                 : mode == kModeImage    ? &FImageCount
                 : mode == kModeShape    ? &FShapeCount
                                         : &FRegionCount;
  if (mode == kModeVariable && source) {
    // A pasted variable keeps the unique name its copy was given.
    ++*counter;
  } else {
    object->SetName(NextCountedName(*REPORT, PrefixOf(mode), *counter, object));
  }
  if (IsRegionMode(mode)) {
    object->SetHint(object->Name());
    static_cast<platform::TPanel*>(object)->SetCaption("");
  }
  if (mode == kModeVariable) static_cast<TVariableLabel*>(object)->SetCaption(object->Name());
  if (mode == kModeText && !source) static_cast<TStyledLabel*>(object)->SetCaption(object->Name());
  object->SetVisible(true);

  if (IsRegionMode(mode)) SetMode(kModeNone);
  REPORT->Repaint();
  return object;
}

}  // namespace designer
