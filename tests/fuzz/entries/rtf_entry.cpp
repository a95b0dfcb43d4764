// Rich text (RTF when the input begins "{\rtf", plain text otherwise) loaded
// into a RichTextDocument, then formatted page after page the way rich-text
// regions and zBxPrintFile format it.
#include <QImage>
#include <QPainter>
#include <string>

#include "platform/drawing/qpainter_canvas.h"
#include "platform/richtext/rich_text_document.h"
#include "platform/system/qt_application.h"
#include "tests/fuzz/entries/fuzz_entries.h"
#include "tests/fuzz/entries/invariant.h"

namespace tessel_fuzz::rtf {
namespace {

// A page of one inch by one and a half at 100 pixels per inch: small, so that
// short inputs already run over several pages.
constexpr platform::TRect kPageRect{5, 5, 105, 155};
constexpr int kMaxPages = 40;

}  // namespace

int FuzzOne(const uint8_t* data, size_t size) {
  CheckInvariant(platform::EnsureApplication(), "Qt's application object can be made");
  platform::RichTextDocument document;
  document.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
  const int32_t count = document.CharacterCount();
  CheckInvariant(count >= 0, "a document has no negative length");
  (void)document.PlainText();

  QImage page(110, 160, QImage::Format_RGB32);
  QPainter painter(&page);
  platform::QPainterCanvas canvas(painter, 100);
  int32_t first = 0;
  for (int pageNumber = 0; pageNumber < kMaxPages && first < count; ++pageNumber) {
    const int32_t next = canvas.FormatRichText(document, kPageRect, 100, 100, first);
    CheckInvariant(next >= first && next <= count, "formatting moves forward within the text");
    if (next == first) break;  // a line taller than the page
    first = next;
  }
  return 0;
}

}  // namespace tessel_fuzz::rtf
