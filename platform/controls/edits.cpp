#include "platform/controls/edits.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "platform/text/win1252.h"

namespace platform {
namespace {

QString ToQString(const std::string& ansi) { return QString::fromStdString(Win1252ToUtf8(ansi)); }
std::string ToAnsi(const QString& text) { return Utf8ToWin1252(text.toStdString()); }

}  // namespace

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  auto* edit = new QLineEdit();
  QObject::connect(edit, &QLineEdit::textChanged, [this] {
    Dispatch([&] {
      if (OnChange) OnChange(this);
    });
  });
  AttachWidget(edit);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
}

std::string TEdit::Text() const { return ToAnsi(static_cast<QLineEdit*>(Widget())->text()); }

std::string TEdit::UnicodeText() const { return static_cast<QLineEdit*>(Widget())->text().toStdString(); }

void TEdit::SetText(const std::string& text) { static_cast<QLineEdit*>(Widget())->setText(ToQString(text)); }

void TEdit::SetReadOnly(bool value) { static_cast<QLineEdit*>(Widget())->setReadOnly(value); }

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  auto* memo = new QPlainTextEdit();
  QObject::connect(memo, &QPlainTextEdit::textChanged, [this, memo] {
    if (maxLength_ <= 0 || memo->document()->characterCount() - 1 <= maxLength_) return;
    // Typing past the limit is refused, as the edit control refuses it.
    const QSignalBlocker block(memo);
    QString text = memo->toPlainText();
    text.truncate(maxLength_);
    memo->setPlainText(text);
    QTextCursor cursor = memo->textCursor();
    cursor.movePosition(QTextCursor::End);
    memo->setTextCursor(cursor);
  });
  AttachWidget(memo);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  const QString text = static_cast<QPlainTextEdit*>(Widget())->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(QChar('\n'))) lines.push_back(ToAnsi(line));
  return lines;
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list.push_back(ToQString(line));
  static_cast<QPlainTextEdit*>(Widget())->setPlainText(list.join(QChar('\n')));
}

std::string TMemo::Text() const { return ToAnsi(static_cast<QPlainTextEdit*>(Widget())->toPlainText()); }

void TMemo::SetWordWrap(bool value) {
  static_cast<QPlainTextEdit*>(Widget())->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth
                                                                : QPlainTextEdit::NoWrap);
}

void TMemo::SetMaxLength(int length) { maxLength_ = length; }

void TMemo::SetBorder(bool value) {
  static_cast<QPlainTextEdit*>(Widget())->setFrameShape(value ? QFrame::StyledPanel : QFrame::NoFrame);
}

}  // namespace platform
