#pragma once
// TLabel: a non-windowed text. A self-sizing label takes the size of its
// text in its font (at every view scale, so that its design size is that of
// its design font); a transparent one shows what lies under it. With
// accelerator characters on, "&" marks the next character and "&&" shows
// one "&".
#include <QString>
#include <string>

#include "platform/controls/control.h"

namespace platform {

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* owner);

  // The caption as it was set: Windows text, or UTF-8 when set as such.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // A caption in UTF-8, for text the code page may not hold (a file's path).
  void SetUnicodeCaption(const std::string& caption);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);

  // A self-sizing label takes the place it is given and keeps its size.
  void SetBounds(int left, int top, int width, int height) override;

  // The caption as shown, with accelerator marks taken out.
  std::string DisplayText() const;
  void Paint(QPainter& painter) override;

 protected:
  // Scaling changes the font, so this also runs at every view scale.
  void FontChanged() override;

 private:
  void AdjustBounds();
  QString ShownText() const;
  std::string caption_;
  bool unicodeCaption_ = false;
  bool autoSize_ = true;
  bool transparent_ = false;
  bool showAccelChar_ = true;
};

// Width and height of one line of text in a font, in screen pixels.
TPoint TextExtent(const TFont& font, const std::string& ansiText);

}  // namespace platform
