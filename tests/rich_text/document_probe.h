#pragma once
// Looks inside a RichTextDocument: the formats Qt holds for its characters
// and paragraphs.
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QString>
#include <memory>
#include <string>

#include "platform/richtext/rich_text_document.h"

namespace tessel_test {

std::unique_ptr<platform::RichTextDocument> LoadDocument(const std::string& bytes);

// The format of the first character of `needle` in the document's text.
QTextCharFormat FormatOf(const platform::RichTextDocument& document, const QString& needle);
QTextBlockFormat BlockFormatAt(const platform::RichTextDocument& document, int blockNumber);
int BlockCount(const platform::RichTextDocument& document);
QString FamilyOf(const QTextCharFormat& format);

}  // namespace tessel_test
