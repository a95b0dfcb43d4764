#include "platform/richtext/rich_text_writer.h"

#include <QTextDocument>

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Characters QTextDocument reserves for its own structure, and code points
// that are not characters at all.
bool IsReserved(char32_t c) {
  return (c >= 0xD800 && c <= 0xDFFF) || (c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFC ||
         (c & 0xFFFE) == 0xFFFE || c > 0x10FFFF;
}

}  // namespace

RichTextWriter::RichTextWriter(QTextDocument& document) : cursor_(&document) {
  cursor_.movePosition(QTextCursor::End);
  cursor_.beginEditBlock();
  charFormat_ = cursor_.charFormat();
}

RichTextWriter::~RichTextWriter() {
  DropLoneHighSurrogate();
  Flush();
  ApplyParagraphFormats();
  cursor_.endEditBlock();
}

void RichTextWriter::SetCharFormat(const QTextCharFormat& format) {
  if (format == charFormat_) return;
  Flush();
  charFormat_ = format;
}

void RichTextWriter::SetBlockFormat(const QTextBlockFormat& format) { blockFormat_ = format; }

void RichTextWriter::Append(char32_t codePoint) {
  DropLoneHighSurrogate();
  if (codePoint == 0x2029) {  // a paragraph separator is a paragraph end, never raw text
    EndParagraph();
    return;
  }
  if (codePoint < 0x20 && codePoint != '\t') return;
  if (codePoint == 0x7F) return;
  if (IsReserved(codePoint)) codePoint = kReplacement;
  if (codePoint > 0xFFFF) {
    const char32_t offset = codePoint - 0x10000;
    pending_.append(QChar(static_cast<char16_t>(0xD800 + (offset >> 10))));
    pending_.append(QChar(static_cast<char16_t>(0xDC00 + (offset & 0x3FF))));
  } else {
    pending_.append(QChar(static_cast<char16_t>(codePoint)));
  }
}

void RichTextWriter::AppendUtf16(char16_t unit) {
  if (IsHighSurrogate(unit)) {
    DropLoneHighSurrogate();
    highSurrogate_ = unit;
    return;
  }
  if (IsLowSurrogate(unit)) {
    if (highSurrogate_ == 0) {
      Append(kReplacement);
      return;
    }
    const char32_t codePoint =
        0x10000 + ((char32_t{highSurrogate_} - 0xD800) << 10) + (char32_t{unit} - 0xDC00);
    highSurrogate_ = 0;
    Append(codePoint);
    return;
  }
  Append(unit);
}

void RichTextWriter::EndParagraph() {
  DropLoneHighSurrogate();
  Flush();
  ApplyParagraphFormats();
  cursor_.insertBlock(cursor_.blockFormat(), charFormat_);
}

void RichTextWriter::Flush() {
  if (pending_.isEmpty()) return;
  cursor_.insertText(pending_, charFormat_);
  pending_.clear();
}

void RichTextWriter::DropLoneHighSurrogate() {
  if (highSurrogate_ == 0) return;
  highSurrogate_ = 0;
  pending_.append(QChar(static_cast<char16_t>(kReplacement)));
}

void RichTextWriter::ApplyParagraphFormats() {
  if (blockFormat_) cursor_.setBlockFormat(*blockFormat_);
  // The paragraph mark's format gives an empty paragraph its height.
  cursor_.setBlockCharFormat(charFormat_);
}

}  // namespace platform
