#include <memory>
#include <string>
#include <variant>

#include "engine/engine_state.h"
#include "engine/item_drawing.h"
#include "engine/item_files.h"
#include "platform/richtext/rich_text_document.h"
#include "platform/system/file_paths.h"

namespace engine {

void DrawRichTextRegion(const ItemDrawingContext& context, const TPlacedItem& placed,
                        const platform::TRect& deviceRect) {
  const auto* record = std::get_if<rcRichText>(&placed.entry->item->Data);
  if (!record) return;
  std::unique_ptr<platform::RichTextDocument> ownDocument;
  platform::RichTextDocument* document = context.richText;
  if (!document) {
    ownDocument = std::make_unique<platform::RichTextDocument>();
    document = ownDocument.get();
  }

  const std::string path = ResolveItemFile(*placed.entry);
  if (!path.empty()) {
    // A file that exists but cannot be read is reported and its region left
    // empty; the page goes on.
    if (!document->LoadFromFile(platform::NativePath(path))) {
      ShowMessage("Tessel: Rich text file could not be read: \"" + path + "\" ");
      return;
    }
  } else {
    document->Clear();
    document->SetDefaultFont(record->Style ? record->Style->Font : platform::TFont{});
    for (const std::string& line : record->Lines) document->AddLine(line);
  }
  // Rendered once: what does not fit the rectangle is not shown, and a
  // rich-text region never continues on another page.
  context.canvas.FormatRichText(*document, deviceRect, context.richTextResolutionX,
                                context.richTextResolutionY, 0);
}

}  // namespace engine
