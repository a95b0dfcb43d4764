#pragma once
// A reader of our own for RTF into Qt's text document: groups, font and
// colour tables, \b \i \ul \strike \fs \f \cf \par \line \tab, paragraph
// alignment and indents, \'hh and plain bytes in the code page of the
// current font's character set or of \ansicpg, \uN with \ucN, skipped
// destinations and \*, \bin bounded. Group depth is bounded and the parser
// never recurses on its input.
#include <string_view>

class QTextDocument;

namespace platform {

// Replaces the document's content. Malformed input gives whatever text was
// read up to the fault; it never throws.
void ReadRtf(std::string_view rtf, QTextDocument& document);

}  // namespace platform
