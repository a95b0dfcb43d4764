// The head of a template: the report style in [RR0] and the text styles in
// [STYLES] and [RS0], [RS1], ...
#include <algorithm>

#include "designer/main_window/form1.h"
#include "designer/objects/regions.h"
#include "designer/styles/style_section.h"
#include "designer/main_window/page_layout.h"
#include "designer/template_io/style_list_state.h"
#include "designer/template_io/style_names_used.h"
#include "platform/controls/exceptions.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/ini/ini_file.h"
#include "platform/system/locale_settings.h"
#include "platform/text/number_text.h"

namespace designer {
namespace {

using platform::TIniFile;

void WriteStyle(TIniFile& file, int index, const TStyleRecord& style) {
  const std::string section = "RS" + std::to_string(index);
  file.WriteString("STYLES", section, "LABELSTYLE");
  WriteStyleSection(file, section, style);
}

}  // namespace

double TForm1::StrToFloatAnySep(const std::string& text) {
  const std::optional<double> value = platform::TryStrToFloatEitherSeparator(text, platform::DecimalSeparator());
  if (!value) throw platform::EConvertError("'" + text + "' is not a valid floating point value");
  return *value;
}

void TForm1::WriteReportStyle() {
  TIniFile& file = *FIniFile;
  const TReportStyle& style = program_.ReportStyle;
  const char separator = platform::DecimalSeparator();
  auto real = [&](const char* key, double value) {
    file.WriteString("RR0", key, platform::FloatToStr(value, separator));
  };
  file.WriteString("RSTYLES", "RR0", "REPORTSTYLE");
  real("REPORTWIDTH", style.ReportWidth);
  real("REPORTHEIGHT", style.ReportHeight);
  real("PAPERWIDTH", style.PaperWidth);
  real("PAPERHEIGHT", style.PaperHeight);
  real("PLACELEFT", style.PlaceLeft);
  real("PLACETOP", style.PlaceTop);
  file.WriteInteger("RR0", "ORIENTATION", style.Orientation);
  file.WriteInteger("RR0", "BORDERSTYLE", style.PageBorder.Sides);
  file.WriteInteger("RR0", "BORDERTHICKNESS", style.PageBorder.Width);
  file.WriteInteger("RR0", "BORDERCOLOR", style.PageBorder.Color);
  file.WriteInteger("RR0", "BORDERLINETYPE", style.PageBorder.LineStyle);
  file.WriteString("RR0", "IMAGEFILELOCATION", style.ImageDirectory);
  file.WriteString("RR0", "RTFFILELOCATION", style.RtfDirectory);

  const std::vector<TStyleRecord*>& list = program_.StyleList;
  const int count = std::min(FStyleCount, static_cast<int>(list.size()));
  std::vector<std::string> written;
  for (int i = 0; i < count; ++i) {
    WriteStyle(file, i, *list[static_cast<std::size_t>(i)]);
    written.push_back(list[static_cast<std::size_t>(i)]->Name);
  }
  // The engine refuses a template whose objects name a style it lacks (a
  // deleted one, or "DEFAULTSTYLE" for objects that name none): such a
  // style is written after the list, in the default font.
  int index = count;
  for (const std::string& name : StyleNamesUsed(*this, REPORT)) {
    if (std::find(written.begin(), written.end(), name) != written.end()) continue;
    WriteStyle(file, index++, TStyleRecord{0, name, 0, 8, 0, "Arial", "NONE"});
  }
}

void TForm1::ReadReportStyle() {
  const TIniFile& file = *FIniFile;
  TReportStyle& style = program_.ReportStyle;
  // Without its page the template would open on a page of no size, which
  // nothing can be placed on and the report style dialog refuses: it
  // gets a fresh one.
  if (!file.SectionExists("RR0")) {
    style = TReportStyle{};
    CentrePlacement(style);
  } else {
    style.ReportWidth = StrToFloatAnySep(file.ReadString("RR0", "REPORTWIDTH", "0"));
    style.ReportHeight = StrToFloatAnySep(file.ReadString("RR0", "REPORTHEIGHT", "0"));
    style.PaperWidth = StrToFloatAnySep(file.ReadString("RR0", "PAPERWIDTH", "0"));
    style.PaperHeight = StrToFloatAnySep(file.ReadString("RR0", "PAPERHEIGHT", "0"));
    style.PlaceLeft = StrToFloatAnySep(file.ReadString("RR0", "PLACELEFT", "0"));
    style.PlaceTop = StrToFloatAnySep(file.ReadString("RR0", "PLACETOP", "0"));
    style.Orientation = file.ReadInteger("RR0", "ORIENTATION", 0);
    style.PageBorder = TBorderRecord{file.ReadInteger("RR0", "BORDERSTYLE", 0), file.ReadInteger("RR0", "BORDERTHICKNESS", 0),
                                     file.ReadInteger("RR0", "BORDERCOLOR", 0), file.ReadInteger("RR0", "BORDERLINETYPE", 0)};
    style.ImageDirectory = file.ReadString("RR0", "IMAGEFILELOCATION", "");
    style.RtfDirectory = file.ReadString("RR0", "RTFFILELOCATION", "");
  }
  LayOutPage(*this);

  RemoveAllStyleMenuItems(*this);
  EnsureStyleRecords(*this);
  FStyleCount = 0;
  const std::vector<std::string> keys = file.ReadSection("STYLES");
  // The style list has a fixed number of records; the rest of a longer
  // list is left out rather than written past the list.
  const std::size_t kept = std::min(keys.size(), program_.StyleList.size());
  for (std::size_t i = 0; i < kept; ++i) {
    *program_.StyleList[i] = ReadStyleSection(file, keys[i]);
    ++FStyleCount;
    CreateStyleMenuItems(static_cast<int>(i));
  }
  if (keys.size() > kept)
    platform::ShowMessage("The template holds " + std::to_string(keys.size()) + " styles; only the first " +
                          std::to_string(kept) + " were read, the others were left out.");
}

}  // namespace designer
