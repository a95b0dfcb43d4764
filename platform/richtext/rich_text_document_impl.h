#pragma once
// The inside of RichTextDocument, shared by the reader, the document and the
// renderer. Text is measured in twips on a device of its own, so that line
// breaks are the same on the screen, a preview bitmap and any printer.
#include <QImage>
#include <QTextDocument>

#include "platform/drawing/canvas.h"
#include "platform/richtext/paragraph_lines.h"
#include "platform/richtext/rich_text_document.h"

namespace platform {

// Layout units per inch: block indents and every text position inside the
// QTextDocument are in these units. Eight to the point keeps positions exact
// enough, and keeps the largest font (1638 points) inside the sizes whose
// vertical metrics FreeType reports correctly (ascents under 2^14 pixels).
inline constexpr int kLayoutUnitsPerInch = 576;

struct RichTextDocument::Impl {
  Impl();
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  // Fonts are measured on this device; it must outlive the document.
  QImage layoutDevice;
  QTextDocument document;
  ParagraphLines lines;
  TFont defaultFont;
  // False until a line or a file has been put in, so that the first AddLine
  // fills the empty first paragraph instead of adding one after it.
  bool hasContent = false;
};

}  // namespace platform
