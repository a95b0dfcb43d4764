#pragma once
// The box the font dialog shows: Qt's font chooser, which has no colour,
// with a colour button under it as the class library's dialog has, then
// OK and Cancel. Return anywhere in the chooser confirms the box and
// Escape cancels it.
#include <QDialog>

#include "platform/drawing/canvas.h"

class QFontDialog;

namespace platform {

class FontBox : public QDialog {
 public:
  explicit FontBox(const TFont& font);
  // The font chosen, with the colour chosen.
  TFont ChosenFont() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QFontDialog* fonts_;
  TColor color_;
};

}  // namespace platform
