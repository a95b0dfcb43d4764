#include "platform/richtext/rich_text_document.h"

#include <QTextCharFormat>
#include <QTextOption>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/richtext/passive_document_layout.h"
#include "platform/richtext/rich_text_document_impl.h"
#include "platform/richtext/rich_text_writer.h"
#include "platform/richtext/rtf_reader.h"
#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {
namespace {

constexpr int32_t kMinPoints = 1;
constexpr int32_t kMaxPoints = 1638;

QColor ColorOf(TColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QString FaceOf(const TFont& font) { return QString::fromStdString(Win1252ToUtf8(font.Name)); }

QFont QFontOf(const TFont& font) {
  QFont result(FaceOf(font));
  result.setPointSizeF(std::clamp(font.Size, kMinPoints, kMaxPoints));
  result.setBold((font.Style & fsBold) != 0);
  result.setItalic((font.Style & fsItalic) != 0);
  result.setUnderline((font.Style & fsUnderline) != 0);
  result.setStrikeOut((font.Style & fsStrikeOut) != 0);
  return result;
}

QTextCharFormat CharFormatOf(const TFont& font) {
  QTextCharFormat format;
  format.setFontFamilies(QStringList{FaceOf(font)});
  format.setFontPointSize(std::clamp(font.Size, kMinPoints, kMaxPoints));
  format.setFontWeight((font.Style & fsBold) != 0 ? QFont::Bold : QFont::Normal);
  format.setFontItalic((font.Style & fsItalic) != 0);
  format.setFontUnderline((font.Style & fsUnderline) != 0);
  format.setFontStrikeOut((font.Style & fsStrikeOut) != 0);
  format.setForeground(ColorOf(font.Color));
  return format;
}

bool IsRtf(const std::string& bytes) { return bytes.starts_with("{\\rtf"); }

// Lines end at CR LF, CR or LF; a break at the very end starts no new line.
void WritePlainText(const std::string& bytes, const TFont& font, QTextDocument& document) {
  RichTextWriter writer(document);
  writer.SetCharFormat(CharFormatOf(font));
  bool breakPending = false;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char byte = bytes[i];
    if (byte == '\r' || byte == '\n') {
      if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      if (breakPending) writer.EndParagraph();
      breakPending = true;
      continue;
    }
    if (breakPending) {
      writer.EndParagraph();
      breakPending = false;
    }
    writer.Append(Win1252ToCodePoint(static_cast<unsigned char>(byte)));
  }
}

}  // namespace

RichTextDocument::Impl::Impl() : layoutDevice(1, 1, QImage::Format_RGB32) {
  const int dotsPerMeter = qRound(kLayoutUnitsPerInch / 0.0254);
  layoutDevice.setDotsPerMeterX(dotsPerMeter);
  layoutDevice.setDotsPerMeterY(dotsPerMeter);
  document.setUndoRedoEnabled(false);
  document.setDocumentMargin(0);
  // Unhinted advances: the same line breaks whatever device draws them.
  document.setUseDesignMetrics(true);
  QTextOption option = document.defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document.setDefaultTextOption(option);
  document.setDocumentLayout(new PassiveDocumentLayout(document, layoutDevice));
  document.setDefaultFont(QFontOf(defaultFont));
}

RichTextDocument::RichTextDocument() {
  EnsureApplication();  // fonts need the application object
  impl_ = std::make_unique<Impl>();
}

RichTextDocument::~RichTextDocument() = default;

void RichTextDocument::LoadFromBytes(const std::string& bytes) {
  Clear();
  if (IsRtf(bytes)) {
    ReadRtf(bytes, impl_->document);
  } else {
    WritePlainText(bytes, impl_->defaultFont, impl_->document);
  }
  impl_->hasContent = !impl_->document.isEmpty();
}

bool RichTextDocument::LoadFromFile(const std::string& nativePath) {
  Clear();
  std::error_code error;
  // Only plain files: a device or a pipe could block or never end.
  if (!std::filesystem::is_regular_file(nativePath, error)) return false;
  std::ifstream file(nativePath, std::ios::binary);
  if (!file) return false;
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return false;
  LoadFromBytes(bytes);
  return true;
}

void RichTextDocument::Clear() {
  impl_->document.clear();
  impl_->lines.Reset();
  impl_->hasContent = false;
}

void RichTextDocument::SetDefaultFont(const TFont& font) {
  impl_->defaultFont = font;
  impl_->lines.Reset();
  impl_->document.setDefaultFont(QFontOf(font));
}

void RichTextDocument::AddLine(const std::string& ansiLine) {
  impl_->lines.Reset();
  RichTextWriter writer(impl_->document);
  writer.SetCharFormat(CharFormatOf(impl_->defaultFont));
  if (impl_->hasContent) writer.EndParagraph();
  for (const char byte : ansiLine) writer.Append(Win1252ToCodePoint(static_cast<unsigned char>(byte)));
  impl_->hasContent = true;
}

std::string RichTextDocument::PlainText() const {
  QString text = impl_->document.toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  return text.toStdString();
}

int32_t RichTextDocument::CharacterCount() const {
  // Without the paragraph mark that closes every QTextDocument.
  return impl_->document.characterCount() - 1;
}

}  // namespace platform
