#pragma once
// Appends formatted text to the end of a QTextDocument in one edit block:
// runs of one character format are inserted together, paragraphs are closed
// with their block format, and characters the document would take as
// structure (frame markers, object placeholders, control codes) never reach
// it, so that no input can corrupt the document.
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <optional>

class QTextDocument;

namespace platform {

class RichTextWriter {
 public:
  explicit RichTextWriter(QTextDocument& document);
  ~RichTextWriter();  // closes the last paragraph and the edit block
  RichTextWriter(const RichTextWriter&) = delete;
  RichTextWriter& operator=(const RichTextWriter&) = delete;

  // For the characters appended from now on, and for the mark of the
  // paragraph being written.
  void SetCharFormat(const QTextCharFormat& format);
  // For the paragraph being written, taken when it is closed.
  void SetBlockFormat(const QTextBlockFormat& format);

  void Append(char32_t codePoint);
  // One UTF-16 unit; surrogate pairs are joined, lone halves become U+FFFD.
  void AppendUtf16(char16_t unit);
  void EndParagraph();

 private:
  void Flush();
  void DropLoneHighSurrogate();
  void ApplyParagraphFormats();

  QTextCursor cursor_;
  QString pending_;
  QTextCharFormat charFormat_;
  std::optional<QTextBlockFormat> blockFormat_;
  char16_t highSurrogate_ = 0;
};

}  // namespace platform
