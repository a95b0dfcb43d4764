#include "platform/dialogs/font_box.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/drawing/qt_drawing_tools.h"
#include "platform/text/win1252.h"

namespace platform {

FontBox::FontBox(const TFont& font) : fonts_(new QFontDialog(this)), color_(font.Color) {
  setWindowTitle("Font");
  auto* layout = new QVBoxLayout(this);
  fonts_->setWindowFlags(Qt::Widget);
  fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  // Return and Escape reach the embedded chooser first, which would end
  // and hide only itself, leaving an empty box with the colour button:
  // they end the box.
  connect(fonts_, &QDialog::accepted, this, &QDialog::accept);
  connect(fonts_, &QDialog::rejected, this, &QDialog::reject);
  // In the name, style and size fields and lists Return is taken before
  // the chooser sees it, wherever the focus is.
  for (QLineEdit* field : fonts_->findChildren<QLineEdit*>()) field->installEventFilter(this);
  for (QAbstractItemView* list : fonts_->findChildren<QAbstractItemView*>()) list->installEventFilter(this);
  QFont initial(QString::fromStdString(Win1252ToUtf8(font.Name)));
  initial.setPointSize(std::max(1, font.Size));
  initial.setBold(font.Style & fsBold);
  initial.setItalic(font.Style & fsItalic);
  initial.setUnderline(font.Style & fsUnderline);
  initial.setStrikeOut(font.Style & fsStrikeOut);
  fonts_->setCurrentFont(initial);
  layout->addWidget(fonts_);
  auto* colorButton = new QPushButton("Color...", this);
  colorButton->setAutoDefault(false);
  connect(colorButton, &QPushButton::clicked, this, [this] {
    const QColor chosen = QColorDialog::getColor(ToQColor(color_), this);
    if (chosen.isValid()) color_ = FromQColor(chosen);
  });
  layout->addWidget(colorButton);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  // Return in a field of the chooser comes up to the box.
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool FontBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      accept();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

TFont FontBox::ChosenFont() const {
  const QFont chosen = fonts_->currentFont();
  TFont font;
  font.Name = Utf8ToWin1252(chosen.family().toStdString());
  font.Size = chosen.pointSize();
  font.Style = static_cast<uint8_t>((chosen.bold() ? fsBold : 0) | (chosen.italic() ? fsItalic : 0) |
                                    (chosen.underline() ? fsUnderline : 0) | (chosen.strikeOut() ? fsStrikeOut : 0));
  font.Color = color_;
  return font;
}

}  // namespace platform
