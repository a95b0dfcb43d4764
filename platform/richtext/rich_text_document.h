#pragma once
// The stand-in for the rich edit control: a document of formatted text that
// is loaded from an RTF or plain-text file, or built from lines in one font,
// and rendered by a canvas into a rectangle (TCanvas::FormatRichText).
#include <cstdint>
#include <memory>
#include <string>

#include "platform/drawing/canvas.h"

namespace platform {

class RichTextDocument {
 public:
  RichTextDocument();
  ~RichTextDocument();
  RichTextDocument(const RichTextDocument&) = delete;
  RichTextDocument& operator=(const RichTextDocument&) = delete;

  // RTF when the bytes begin with "{\rtf", else Windows-1252 plain text.
  void LoadFromBytes(const std::string& bytes);
  // False when the file cannot be read (the document is then empty).
  bool LoadFromFile(const std::string& nativePath);

  void Clear();
  // Default character format for text added afterwards (SelAttributes of an
  // empty control / DefAttributes).
  void SetDefaultFont(const TFont& font);
  // One paragraph per line, in the default font.
  void AddLine(const std::string& ansiLine);

  // UTF-8; paragraphs, and lines broken inside one, separated by "\n".
  std::string PlainText() const;
  // Every paragraph break counts as one character, as RenderRichText counts.
  int32_t CharacterCount() const;

  struct Impl;  // holds a QTextDocument; defined in rich_text_document_impl.h
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
