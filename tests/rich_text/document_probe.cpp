#include "tests/rich_text/document_probe.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/richtext/rich_text_document_impl.h"

namespace tessel_test {

std::unique_ptr<platform::RichTextDocument> LoadDocument(const std::string& bytes) {
  auto document = std::make_unique<platform::RichTextDocument>();
  document->LoadFromBytes(bytes);
  return document;
}

QTextCharFormat FormatOf(const platform::RichTextDocument& document, const QString& needle) {
  QTextDocument& text = document.impl().document;
  const int at = text.toRawText().indexOf(needle);
  if (at < 0) return {};
  QTextCursor cursor(&text);
  cursor.setPosition(at + 1);  // a cursor reports the format of the character before it
  return cursor.charFormat();
}

QTextBlockFormat BlockFormatAt(const platform::RichTextDocument& document, int blockNumber) {
  return document.impl().document.findBlockByNumber(blockNumber).blockFormat();
}

int BlockCount(const platform::RichTextDocument& document) {
  return document.impl().document.blockCount();
}

QString FamilyOf(const QTextCharFormat& format) {
  const QStringList families = format.fontFamilies().toStringList();
  return families.isEmpty() ? QString() : families.front();
}

}  // namespace tessel_test
