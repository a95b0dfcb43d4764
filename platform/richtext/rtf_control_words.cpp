#include "platform/richtext/rtf_control_words.h"

#include <algorithm>
#include <array>

namespace platform {
namespace {

struct Entry {
  std::string_view name;
  RtfWord word;
  char16_t character;
};

// Kept sorted by name for the binary search below.
constexpr std::array kEntries = std::to_array<Entry>({
    {"aftncn", RtfWord::SkippedDestination, 0},
    {"aftnsep", RtfWord::SkippedDestination, 0},
    {"aftnsepc", RtfWord::SkippedDestination, 0},
    {"annotation", RtfWord::SkippedDestination, 0},
    {"ansicpg", RtfWord::AnsiCodePage, 0},
    {"atnauthor", RtfWord::SkippedDestination, 0},
    {"atnid", RtfWord::SkippedDestination, 0},
    {"author", RtfWord::SkippedDestination, 0},
    {"b", RtfWord::Bold, 0},
    {"bin", RtfWord::Binary, 0},
    {"bkmkend", RtfWord::SkippedDestination, 0},
    {"bkmkstart", RtfWord::SkippedDestination, 0},
    {"blue", RtfWord::Blue, 0},
    {"bullet", RtfWord::Character, u'\u2022'},
    {"buptim", RtfWord::SkippedDestination, 0},
    {"category", RtfWord::SkippedDestination, 0},
    {"cell", RtfWord::Character, u'\t'},
    {"cf", RtfWord::Color, 0},
    {"colorschememapping", RtfWord::SkippedDestination, 0},
    {"colortbl", RtfWord::ColorTable, 0},
    {"column", RtfWord::Paragraph, 0},
    {"comment", RtfWord::SkippedDestination, 0},
    {"company", RtfWord::SkippedDestination, 0},
    {"creatim", RtfWord::SkippedDestination, 0},
    {"datastore", RtfWord::SkippedDestination, 0},
    {"deff", RtfWord::DefaultFont, 0},
    {"doccomm", RtfWord::SkippedDestination, 0},
    {"docvar", RtfWord::SkippedDestination, 0},
    {"emdash", RtfWord::Character, u'\u2014'},
    {"emspace", RtfWord::Character, u'\u2003'},
    {"endash", RtfWord::Character, u'\u2013'},
    {"enspace", RtfWord::Character, u'\u2002'},
    {"f", RtfWord::Font, 0},
    {"falt", RtfWord::SkippedDestination, 0},
    {"fcharset", RtfWord::FontCharset, 0},
    {"fi", RtfWord::FirstIndent, 0},
    {"filetbl", RtfWord::SkippedDestination, 0},
    {"fldinst", RtfWord::SkippedDestination, 0},
    {"fonttbl", RtfWord::FontTable, 0},
    {"footer", RtfWord::SkippedDestination, 0},
    {"footerf", RtfWord::SkippedDestination, 0},
    {"footerl", RtfWord::SkippedDestination, 0},
    {"footerr", RtfWord::SkippedDestination, 0},
    {"footnote", RtfWord::SkippedDestination, 0},
    {"fs", RtfWord::FontSize, 0},
    {"ftncn", RtfWord::SkippedDestination, 0},
    {"ftnsep", RtfWord::SkippedDestination, 0},
    {"ftnsepc", RtfWord::SkippedDestination, 0},
    {"generator", RtfWord::SkippedDestination, 0},
    {"green", RtfWord::Green, 0},
    {"header", RtfWord::SkippedDestination, 0},
    {"headerf", RtfWord::SkippedDestination, 0},
    {"headerl", RtfWord::SkippedDestination, 0},
    {"headerr", RtfWord::SkippedDestination, 0},
    {"i", RtfWord::Italic, 0},
    {"info", RtfWord::SkippedDestination, 0},
    {"keywords", RtfWord::SkippedDestination, 0},
    {"latentstyles", RtfWord::SkippedDestination, 0},
    {"ldblquote", RtfWord::Character, u'\u201C'},
    {"li", RtfWord::LeftIndent, 0},
    {"line", RtfWord::Character, u'\u2028'},
    {"listoverridetable", RtfWord::SkippedDestination, 0},
    {"listtable", RtfWord::SkippedDestination, 0},
    {"lquote", RtfWord::Character, u'\u2018'},
    {"manager", RtfWord::SkippedDestination, 0},
    // A nested table's cells and rows stand apart as the outer table's do.
    {"nestcell", RtfWord::Character, u'\t'},
    {"nestrow", RtfWord::Paragraph, 0},
    {"nonshppict", RtfWord::SkippedDestination, 0},
    {"object", RtfWord::SkippedDestination, 0},
    {"operator", RtfWord::SkippedDestination, 0},
    {"page", RtfWord::Paragraph, 0},
    {"panose", RtfWord::SkippedDestination, 0},
    {"par", RtfWord::Paragraph, 0},
    {"pard", RtfWord::ParagraphDefault, 0},
    {"pgdsctbl", RtfWord::SkippedDestination, 0},
    {"pict", RtfWord::SkippedDestination, 0},
    {"plain", RtfWord::Plain, 0},
    {"printim", RtfWord::SkippedDestination, 0},
    {"qc", RtfWord::AlignCenter, 0},
    {"qj", RtfWord::AlignJustify, 0},
    {"ql", RtfWord::AlignLeft, 0},
    {"qmspace", RtfWord::Character, u'\u2005'},
    {"qr", RtfWord::AlignRight, 0},
    {"rdblquote", RtfWord::Character, u'\u201D'},
    {"red", RtfWord::Red, 0},
    {"revtbl", RtfWord::SkippedDestination, 0},
    {"revtim", RtfWord::SkippedDestination, 0},
    {"ri", RtfWord::RightIndent, 0},
    {"row", RtfWord::Paragraph, 0},
    {"rquote", RtfWord::Character, u'\u2019'},
    {"rsidtbl", RtfWord::SkippedDestination, 0},
    {"rxe", RtfWord::SkippedDestination, 0},
    {"sect", RtfWord::Paragraph, 0},
    {"shpinst", RtfWord::SkippedDestination, 0},
    {"strike", RtfWord::Strike, 0},
    {"striked", RtfWord::Strike, 0},
    {"stylesheet", RtfWord::SkippedDestination, 0},
    {"subject", RtfWord::SkippedDestination, 0},
    {"tab", RtfWord::Character, u'\t'},
    {"tc", RtfWord::SkippedDestination, 0},
    {"template", RtfWord::SkippedDestination, 0},
    {"themedata", RtfWord::SkippedDestination, 0},
    {"title", RtfWord::SkippedDestination, 0},
    {"txe", RtfWord::SkippedDestination, 0},
    {"u", RtfWord::Unicode, 0},
    {"uc", RtfWord::UnicodeSkip, 0},
    {"ul", RtfWord::Underline, 0},
    {"uld", RtfWord::Underline, 0},
    {"uldash", RtfWord::Underline, 0},
    {"uldashd", RtfWord::Underline, 0},
    {"uldashdd", RtfWord::Underline, 0},
    {"uldb", RtfWord::Underline, 0},
    {"ulhwave", RtfWord::Underline, 0},
    {"ulldash", RtfWord::Underline, 0},
    {"ulnone", RtfWord::UnderlineNone, 0},
    {"ulth", RtfWord::Underline, 0},
    {"ulthd", RtfWord::Underline, 0},
    {"ulthdash", RtfWord::Underline, 0},
    {"ulthdashd", RtfWord::Underline, 0},
    {"ulthdashdd", RtfWord::Underline, 0},
    {"ulthldash", RtfWord::Underline, 0},
    {"ululdbwave", RtfWord::Underline, 0},
    {"ulw", RtfWord::Underline, 0},
    {"ulwave", RtfWord::Underline, 0},
    {"userprops", RtfWord::SkippedDestination, 0},
    {"xe", RtfWord::SkippedDestination, 0},
    {"xmlnsdecl", RtfWord::SkippedDestination, 0},
});

constexpr bool IsSorted() {
  for (size_t i = 1; i < kEntries.size(); ++i) {
    if (!(kEntries[i - 1].name < kEntries[i].name)) return false;
  }
  return true;
}
static_assert(IsSorted(), "control words must stay sorted by name");

}  // namespace

RtfWordInfo LookUpRtfWord(std::string_view name) {
  const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), name,
                                   [](const Entry& e, std::string_view n) { return e.name < n; });
  if (it == kEntries.end() || it->name != name) return {};
  return {it->word, it->character};
}

}  // namespace platform
