#pragma once
// The paging and zoom state of the preview, kept apart from the window so
// that it can be driven and tested without one. The window (TPrev) is a thin
// shell that forwards its events here and shows what this holds.
#include <cstdint>
#include <optional>
#include <string>

namespace engine {

class PreviewState {
 public:
  // Zoom In and Zoom Out keep the shown page between these many pixels on its
  // longer side: below the minimum a page could never be zoomed back, above
  // the maximum every step would allocate without bound.
  static constexpr int32_t kMinShownSide = 40;
  static constexpr int32_t kMaxShownSide = 20000;

  PreviewState(int32_t pageCount, int32_t pageWidth, int32_t pageHeight);

  int32_t CurrentPage() const { return current_; }
  int32_t LastPage() const { return last_; }
  int32_t PageWidth() const { return pageWidth_; }
  int32_t PageHeight() const { return pageHeight_; }
  // Size of the shown page (previewpanel) in pixels.
  int32_t ShownWidth() const { return shownWidth_; }
  int32_t ShownHeight() const { return shownHeight_; }
  double ZoomFactor() const { return zoomFactor_; }
  bool PrevEnabled() const { return prevEnabled_; }
  bool NextEnabled() const { return nextEnabled_; }

  // "Page " + current + " of " + last.
  std::string StatusText() const;

  // The four paging buttons; each runs the common tail (enabled states).
  void GoFirst();
  void GoPrevious();
  void GoNext();
  void GoLast();

  // The page box changed. Not a whole number: nothing (nullopt). Otherwise
  // the page to show, and in correctedText the text the box must now hold
  // when the number was out of range.
  struct EditResult {
    int32_t page;
    std::optional<std::string> correctedText;
  };
  std::optional<EditResult> EditChanged(const std::string& text);
  // The up-down is about to move: the page typed in the box becomes current
  // (a text that is no number is ignored, as by the edit handler).
  bool UpDownChanging(const std::string& text);

  void ZoomIn();
  void ZoomOut();
  // The zoom list's text, compared exactly; an unknown text keeps the last
  // factor. The scroll area's size serves "Page Width" and "Full Page".
  void ComboChanged(const std::string& text, int32_t scrollWidth, int32_t scrollHeight);

 private:
  void ShowCurrent();
  void ZoomBy(double step);

  int32_t current_ = 1;
  int32_t last_ = 1;
  int32_t pageWidth_;
  int32_t pageHeight_;
  int32_t shownWidth_;
  int32_t shownHeight_;
  double zoomFactor_ = 0;
  bool prevEnabled_ = true;
  bool nextEnabled_ = true;
};

}  // namespace engine
