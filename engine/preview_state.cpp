#include "engine/preview_state.h"

#include <algorithm>
#include <cmath>

#include "platform/text/number_text.h"

namespace engine {
namespace {

int32_t TruncTimes(int32_t value, double factor) {
  const double product = std::trunc(static_cast<double>(value) * factor);
  return static_cast<int32_t>(std::clamp(product, -2147483648.0, 2147483647.0));
}

}  // namespace

PreviewState::PreviewState(int32_t pageCount, int32_t pageWidth, int32_t pageHeight)
    : last_(pageCount < 1 ? 1 : pageCount),
      pageWidth_(pageWidth),
      pageHeight_(pageHeight),
      shownWidth_(pageWidth),
      shownHeight_(pageHeight) {}

std::string PreviewState::StatusText() const {
  return "Page " + std::to_string(current_) + " of " + std::to_string(last_);
}

void PreviewState::GoFirst() {
  current_ = 1;
  ShowCurrent();
}

void PreviewState::GoPrevious() {
  if (current_ != 1) --current_;
  ShowCurrent();
}

void PreviewState::GoNext() {
  if (current_ != last_) ++current_;
  ShowCurrent();
}

void PreviewState::GoLast() {
  current_ = last_;
  ShowCurrent();
}

void PreviewState::ShowCurrent() {
  prevEnabled_ = current_ != 1;
  nextEnabled_ = current_ != last_;
}

std::optional<PreviewState::EditResult> PreviewState::EditChanged(const std::string& text) {
  const std::optional<int32_t> number = platform::TryStrToInt(text);
  if (!number) return std::nullopt;
  EditResult result{*number, std::nullopt};
  if (*number > last_) {
    result.page = last_;
    result.correctedText = std::to_string(last_);
  } else if (*number < 1) {
    result.page = 1;
    result.correctedText = "1";
  }
  current_ = result.page;
  return result;
}

bool PreviewState::UpDownChanging(const std::string& text) {
  const std::optional<int32_t> number = platform::TryStrToInt(text);
  if (!number) return false;
  current_ = std::clamp(*number, 1, last_);
  return true;
}

void PreviewState::ZoomBy(double step) {
  const int32_t width = TruncTimes(shownWidth_, step);
  const int32_t height = TruncTimes(shownHeight_, step);
  const int32_t longer = std::max(width, height);
  if (longer < kMinShownSide || longer > kMaxShownSide) return;
  shownWidth_ = width;
  shownHeight_ = height;
}

void PreviewState::ZoomIn() { ZoomBy(1.2); }
void PreviewState::ZoomOut() { ZoomBy(0.8); }

void PreviewState::ComboChanged(const std::string& text, int32_t scrollWidth,
                                int32_t scrollHeight) {
  if (text == "200%") zoomFactor_ = 2.0;
  else if (text == "150%") zoomFactor_ = 1.5;
  else if (text == "100%") zoomFactor_ = 1.0;
  else if (text == "75%") zoomFactor_ = 0.75;
  else if (text == "50%") zoomFactor_ = 0.5;
  else if (text == "25%") zoomFactor_ = 0.25;
  else if (text == "10%") zoomFactor_ = 0.1;
  else if (text == "Page Width") zoomFactor_ = static_cast<double>(scrollWidth) / (pageWidth_ + 60);
  else if (text == "Full Page") zoomFactor_ = static_cast<double>(scrollHeight) / (pageHeight_ + 60);
  shownWidth_ = TruncTimes(pageWidth_, zoomFactor_);
  shownHeight_ = TruncTimes(pageHeight_, zoomFactor_);
}

}  // namespace engine
