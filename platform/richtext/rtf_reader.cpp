#include "platform/richtext/rtf_reader.h"

#include <QTextDocument>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/richtext/rich_text_document_impl.h"
#include "platform/richtext/rich_text_writer.h"
#include "platform/richtext/rtf_code_page.h"
#include "platform/richtext/rtf_color_table.h"
#include "platform/richtext/rtf_control_words.h"
#include "platform/richtext/rtf_font_table.h"
#include "platform/richtext/rtf_tokenizer.h"
#include "platform/text/windows_code_page.h"

namespace platform {
namespace {

// Real documents nest a dozen groups at most; deeper groups are dropped whole
// so that the state stack stays small whatever the input.
constexpr size_t kMaxGroupDepth = 100;
constexpr int32_t kDefaultHalfPoints = 24;  // RTF's default size: 12 points
constexpr int32_t kMinHalfPoints = 2;
constexpr int32_t kMaxHalfPoints = 3276;    // 1638 points, the rich edit's largest
constexpr int32_t kMaxUnicodeSkip = 16;
constexpr int32_t kMaxIndentTwips = 31680;  // 22 inches
constexpr int32_t kUseDefaultFont = -1;     // \plain: the \deff font
constexpr int32_t kAutomaticColor = -1;

struct CharacterState {
  int32_t font = kUseDefaultFont;
  int32_t halfPoints = kDefaultHalfPoints;
  int32_t color = kAutomaticColor;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
};

struct ParagraphState {
  Qt::Alignment alignment = Qt::AlignLeft;
  int32_t leftTwips = 0;
  int32_t rightTwips = 0;
  int32_t firstTwips = 0;
};

enum class Destination : uint8_t { Text, Skip, FontTable, ColorTable };

struct GroupState {
  CharacterState characters;
  ParagraphState paragraph;
  Destination destination = Destination::Text;
  int32_t unicodeSkip = 1;
};

// The bytes of text a token stands for; they live as long as the token.
std::optional<std::string_view> TextBytesOf(const RtfToken& token) {
  switch (token.kind) {
    case RtfToken::Kind::Text:
      return token.word;
    case RtfToken::Kind::HexByte:
      return std::string_view(reinterpret_cast<const char*>(&token.byte), 1);
    case RtfToken::Kind::ControlSymbol:
      if (token.symbol == '\\' || token.symbol == '{' || token.symbol == '}') {
        return std::string_view(&token.symbol, 1);
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool TurnsOn(const RtfToken& token) { return !token.hasParameter || token.parameter != 0; }

int32_t ClampIndent(int32_t twips) { return std::clamp(twips, -kMaxIndentTwips, kMaxIndentTwips); }

qreal TwipsToLayoutUnits(int32_t twips) {
  return static_cast<qreal>(twips) * kLayoutUnitsPerInch / 1440.0;
}

class RtfReader {
 public:
  RtfReader(std::string_view rtf, QTextDocument& document)
      : tokenizer_(rtf), writer_(document), fallbackFace_(document.defaultFont().family()) {}

  void Read();

 private:
  void OpenGroup();
  // False once the document's outermost group has closed.
  bool CloseGroup();
  void ControlWord(const RtfToken& token);
  void TextControlWord(const RtfToken& token, const RtfWordInfo& info);
  void ControlSymbol(char symbol);
  // Bytes of text in the current code page: plain text, \'hh and the
  // escaped \\ \{ \}. They are read together when anything else comes, so
  // that a double-byte character may be written as two escapes.
  void TextBytes(std::string_view bytes);
  void ReadPendingBytes();
  int32_t CurrentCodePage() const;
  // Null when the font table has none of that number.
  const RtfFont* FontOf(const CharacterState& characters) const;
  void Character(char32_t codePoint);
  void Emit(char32_t codePoint);
  void UnicodeCharacter(int32_t value);
  void EndParagraph();
  void Finish();
  void SyncCharFormat();
  QTextCharFormat CharFormat() const;
  QTextBlockFormat BlockFormat() const;
  // True when this character is the fallback of a \uN and is to be dropped.
  bool SkipsFallback();
  bool Ignoring() const {
    return groups_.empty() || droppedDepth_ > 0 || groups_.back().destination == Destination::Skip;
  }

  const GroupState& Current() const { return groups_.empty() ? lastClosed_ : groups_.back(); }
  CharacterState& Characters() {
    formatDirty_ = true;
    return groups_.back().characters;
  }
  ParagraphState& Paragraph() { return groups_.back().paragraph; }

  RtfTokenizer tokenizer_;
  RichTextWriter writer_;
  QString fallbackFace_;
  std::vector<GroupState> groups_;
  GroupState lastClosed_;    // the outermost group, once it has closed
  size_t droppedDepth_ = 0;  // groups open beyond kMaxGroupDepth
  int32_t fallbackToSkip_ = 0;
  int32_t defaultFont_ = 0;
  int32_t documentCodePage_ = kWindows1252;
  bool formatDirty_ = true;
  std::string pendingBytes_;
  WindowsCodePageDecoder decoder_;
  RtfFontTable fonts_;
  RtfColorTable colors_;
};

void RtfReader::Read() {
  for (;;) {
    const RtfToken token = tokenizer_.Next();
    if (const std::optional<std::string_view> bytes = TextBytesOf(token)) {
      TextBytes(*bytes);
      continue;
    }
    ReadPendingBytes();
    switch (token.kind) {
      case RtfToken::Kind::End:
        Finish();
        return;
      case RtfToken::Kind::GroupOpen:
        OpenGroup();
        break;
      case RtfToken::Kind::GroupClose:
        if (!CloseGroup()) {
          Finish();
          return;
        }
        break;
      case RtfToken::Kind::ControlWord:
        ControlWord(token);
        break;
      case RtfToken::Kind::ControlSymbol:
        ControlSymbol(token.symbol);
        break;
      case RtfToken::Kind::HexByte:
      case RtfToken::Kind::Text:
        break;  // bytes of text, taken above
    }
  }
}

void RtfReader::OpenGroup() {
  fallbackToSkip_ = 0;
  if (droppedDepth_ > 0 || groups_.size() >= kMaxGroupDepth) {
    ++droppedDepth_;
    return;
  }
  groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
}

bool RtfReader::CloseGroup() {
  fallbackToSkip_ = 0;
  if (droppedDepth_ > 0) {
    --droppedDepth_;
    return true;
  }
  if (groups_.empty()) return false;  // a "}" before any "{"
  if (groups_.back().destination == Destination::FontTable) fonts_.EndEntry();
  if (groups_.size() == 1) {
    lastClosed_ = groups_.back();
    groups_.pop_back();
    return false;
  }
  groups_.pop_back();
  formatDirty_ = true;
  return true;
}

void RtfReader::ControlWord(const RtfToken& token) {
  const RtfWordInfo info = LookUpRtfWord(token.word);
  if (info.word == RtfWord::Binary) {
    // The data is skipped wherever it stands: it is never text.
    tokenizer_.SkipBytes(token.hasParameter ? token.parameter : 0);
    if (fallbackToSkip_ > 0) --fallbackToSkip_;
    return;
  }
  if (Ignoring()) return;
  GroupState& state = groups_.back();
  switch (info.word) {
    case RtfWord::SkippedDestination:
      state.destination = Destination::Skip;
      return;
    case RtfWord::FontTable:
      state.destination = Destination::FontTable;
      return;
    case RtfWord::ColorTable:
      state.destination = Destination::ColorTable;
      return;
    case RtfWord::UnicodeSkip:
      state.unicodeSkip = std::clamp(token.hasParameter ? token.parameter : 1, 0, kMaxUnicodeSkip);
      return;
    case RtfWord::AnsiCodePage:
      if (token.hasParameter) documentCodePage_ = DocumentCodePage(token.parameter);
      return;
    default:
      break;
  }
  switch (state.destination) {
    case Destination::FontTable:
      if (info.word == RtfWord::Font && token.hasParameter) fonts_.BeginEntry(token.parameter);
      if (info.word == RtfWord::FontCharset && token.hasParameter) {
        fonts_.SetCharset(token.parameter);
      }
      if (info.word == RtfWord::Unicode && token.hasParameter) UnicodeCharacter(token.parameter);
      return;
    case Destination::ColorTable:
      if (info.word == RtfWord::Red) colors_.SetRed(token.parameter);
      if (info.word == RtfWord::Green) colors_.SetGreen(token.parameter);
      if (info.word == RtfWord::Blue) colors_.SetBlue(token.parameter);
      return;
    case Destination::Text:
      if (SkipsFallback()) return;
      TextControlWord(token, info);
      return;
    case Destination::Skip:
      return;
  }
}

void RtfReader::TextControlWord(const RtfToken& token, const RtfWordInfo& info) {
  switch (info.word) {
    case RtfWord::DefaultFont:
      if (token.hasParameter) defaultFont_ = token.parameter;
      formatDirty_ = true;
      break;
    case RtfWord::Unicode:
      if (token.hasParameter) UnicodeCharacter(token.parameter);
      break;
    case RtfWord::Plain:
      Characters() = CharacterState{};
      break;
    case RtfWord::Bold:
      Characters().bold = TurnsOn(token);
      break;
    case RtfWord::Italic:
      Characters().italic = TurnsOn(token);
      break;
    case RtfWord::Underline:
      Characters().underline = TurnsOn(token);
      break;
    case RtfWord::UnderlineNone:
      Characters().underline = false;
      break;
    case RtfWord::Strike:
      Characters().strike = TurnsOn(token);
      break;
    case RtfWord::FontSize:
      Characters().halfPoints = token.hasParameter
                                    ? std::clamp(token.parameter, kMinHalfPoints, kMaxHalfPoints)
                                    : kDefaultHalfPoints;
      break;
    case RtfWord::Font:
      // A font the table does not name leaves the face as it was.
      if (token.hasParameter && fonts_.Find(token.parameter)) Characters().font = token.parameter;
      break;
    case RtfWord::Color: {
      const int32_t index = token.hasParameter ? token.parameter : 0;
      if (colors_.Contains(index)) Characters().color = index;
      break;
    }
    case RtfWord::ParagraphDefault:
      Paragraph() = ParagraphState{};
      break;
    case RtfWord::AlignLeft:
      Paragraph().alignment = Qt::AlignLeft;
      break;
    case RtfWord::AlignRight:
      Paragraph().alignment = Qt::AlignRight;
      break;
    case RtfWord::AlignCenter:
      Paragraph().alignment = Qt::AlignHCenter;
      break;
    case RtfWord::AlignJustify:
      Paragraph().alignment = Qt::AlignJustify;
      break;
    case RtfWord::LeftIndent:
      Paragraph().leftTwips = ClampIndent(token.parameter);
      break;
    case RtfWord::RightIndent:
      Paragraph().rightTwips = ClampIndent(token.parameter);
      break;
    case RtfWord::FirstIndent:
      Paragraph().firstTwips = ClampIndent(token.parameter);
      break;
    case RtfWord::Paragraph:
      EndParagraph();
      break;
    case RtfWord::Character:
      Character(info.character);
      break;
    default:
      break;
  }
}

void RtfReader::ControlSymbol(char symbol) {
  if (Ignoring()) return;
  if (symbol == '*') {
    // An optional destination: this reader knows none of them.
    groups_.back().destination = Destination::Skip;
    return;
  }
  if (groups_.back().destination != Destination::Text) return;
  if (SkipsFallback()) return;
  switch (symbol) {
    case '~':
      Character(0x00A0);
      break;
    case '-':
      Character(0x00AD);
      break;
    case '_':
      Character(0x2011);
      break;
    case '\r':
    case '\n':
      EndParagraph();
      break;
    default:
      break;
  }
}

void RtfReader::TextBytes(std::string_view bytes) {
  if (Ignoring()) return;
  for (const char byte : bytes) {
    if (!SkipsFallback()) pendingBytes_.push_back(byte);
  }
}

void RtfReader::ReadPendingBytes() {
  if (pendingBytes_.empty()) return;
  const QString text = decoder_.Decode(CurrentCodePage(), pendingBytes_);
  pendingBytes_.clear();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar unit = text[i];
    if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      Emit(QChar::surrogateToUcs4(unit, text[i + 1]));
      ++i;
    } else {
      Emit(unit.unicode());
    }
  }
}

int32_t RtfReader::CurrentCodePage() const {
  switch (groups_.back().destination) {
    case Destination::FontTable:
      return CodePageOfCharset(fonts_.EntryCharset(), documentCodePage_);
    case Destination::Text: {
      const RtfFont* font = FontOf(groups_.back().characters);
      return font ? CodePageOfCharset(font->charset, documentCodePage_) : documentCodePage_;
    }
    default:
      return documentCodePage_;
  }
}

const RtfFont* RtfReader::FontOf(const CharacterState& characters) const {
  return fonts_.Find(characters.font == kUseDefaultFont ? defaultFont_ : characters.font);
}

void RtfReader::Character(char32_t codePoint) {
  if (Ignoring() || SkipsFallback()) return;
  Emit(codePoint);
}

void RtfReader::Emit(char32_t codePoint) {
  switch (groups_.back().destination) {
    case Destination::Text:
      SyncCharFormat();
      writer_.Append(codePoint);
      return;
    case Destination::FontTable:
      if (codePoint == ';') {
        fonts_.EndEntry();
      } else {
        fonts_.AppendToName(codePoint);
      }
      return;
    case Destination::ColorTable:
      if (codePoint == ';') colors_.EndEntry();
      return;
    case Destination::Skip:
      return;
  }
}

void RtfReader::UnicodeCharacter(int32_t value) {
  if (value < 0) value += 0x10000;  // written as a signed 16-bit number
  const int32_t skip = groups_.back().unicodeSkip;
  if (value >= 0 && value <= 0xFFFF) {
    if (groups_.back().destination == Destination::Text) {
      SyncCharFormat();
      writer_.AppendUtf16(static_cast<char16_t>(value));
    } else {
      Character(static_cast<char32_t>(value));
    }
  } else if (value > 0xFFFF && value <= 0x10FFFF) {
    Character(static_cast<char32_t>(value));
  }
  fallbackToSkip_ = skip;
}

bool RtfReader::SkipsFallback() {
  if (fallbackToSkip_ == 0) return false;
  --fallbackToSkip_;
  return true;
}

void RtfReader::EndParagraph() {
  SyncCharFormat();
  writer_.SetBlockFormat(BlockFormat());
  writer_.EndParagraph();
}

void RtfReader::Finish() { writer_.SetBlockFormat(BlockFormat()); }

void RtfReader::SyncCharFormat() {
  if (!formatDirty_) return;
  formatDirty_ = false;
  writer_.SetCharFormat(CharFormat());
}

QTextCharFormat RtfReader::CharFormat() const {
  const CharacterState& chars = Current().characters;
  const RtfFont* font = FontOf(chars);
  QTextCharFormat format;
  format.setFontFamilies(QStringList{font ? font->face : fallbackFace_});
  format.setFontPointSize(chars.halfPoints / 2.0);
  format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(chars.italic);
  format.setFontUnderline(chars.underline);
  format.setFontStrikeOut(chars.strike);
  if (chars.color != kAutomaticColor && colors_.Contains(chars.color)) {
    if (const auto color = colors_.At(chars.color)) format.setForeground(*color);
  }
  return format;
}

QTextBlockFormat RtfReader::BlockFormat() const {
  const ParagraphState& paragraph = Current().paragraph;
  QTextBlockFormat format;
  format.setAlignment(paragraph.alignment);
  format.setLeftMargin(TwipsToLayoutUnits(paragraph.leftTwips));
  format.setRightMargin(TwipsToLayoutUnits(paragraph.rightTwips));
  format.setTextIndent(TwipsToLayoutUnits(paragraph.firstTwips));
  return format;
}

}  // namespace

void ReadRtf(std::string_view rtf, QTextDocument& document) {
  document.clear();
  RtfReader reader(rtf, document);
  reader.Read();
}

}  // namespace platform
