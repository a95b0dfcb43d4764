#include "designer/template_io/control_properties.h"

#include <algorithm>

#include "designer/objects/image_region.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"
#include "designer/styles/style_record.h"
#include "designer/template_io/files_to_show.h"
#include "platform/controls/exceptions.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/ini/ini_file.h"
#include "platform/text/win1252.h"

namespace designer {
namespace {

using platform::TIniFile;

// The readers take at most this much of a value; a longer direct-text
// line goes on in the next LINE key instead of being cut.
constexpr std::size_t kValueLimit = 1023;
// The first eight keys of a rich-text section are no text lines.
constexpr std::size_t kRichTextKeysBeforeLines = 8;

// A label or variable that names no style is written naming the default
// style, and the engine prints it so: it is shown so from the start, and
// does not change its size when the template is opened again.
const std::string& OrDefaultStyle(const std::string& styleName) {
  static const std::string kDefault = "DEFAULTSTYLE";
  return styleName.empty() ? kDefault : styleName;
}

void WriteBorder(TIniFile& file, const std::string& section, const TBorderRecord& border) {
  file.WriteInteger(section, "BORDERSTYLE", border.Sides);
  file.WriteInteger(section, "BORDERTHICKNESS", border.Width);
  file.WriteInteger(section, "BORDERCOLOR", border.Color);
  file.WriteInteger(section, "BORDERLINESTYLE", border.LineStyle);
}

TBorderRecord ReadBorder(const TIniFile& file, const std::string& section) {
  return TBorderRecord{file.ReadInteger(section, "BORDERSTYLE", 0), file.ReadInteger(section, "BORDERTHICKNESS", 0),
                       file.ReadInteger(section, "BORDERCOLOR", 0), file.ReadInteger(section, "BORDERLINESTYLE", 0)};
}

void WriteDirectText(TIniFile& file, const std::string& section, const TRichTextRegion& region) {
  file.WriteString(section, "STYLE", region.FStyleName);
  file.WriteString(section, "RTFFILE", "");
  int number = 0;
  for (const std::string& line : region.FRichEdit->Lines()) {
    std::size_t from = 0;
    do {
      file.WriteString(section, "LINE" + std::to_string(++number), line.substr(from, kValueLimit));
      from += kValueLimit;
    } while (from < line.size());
  }
}

// A style holds at most 20 characters of its name. A longer name that a
// style of the file answers to has become that style's name already; one
// that none answers to is cut to what a style can hold, so that the style a
// save writes for it reads back under the name the object keeps.
std::string StoredStyleName(const std::string& name) { return name.substr(0, kStyleNameLength); }

// One damaged file must not stop the template from opening.
// The file is a system path, as FileToShow gives it.
template <class Load>
void LoadOrTell(const std::string& fileName, Load load) {
  try {
    load();
  } catch (const platform::Exception& error) {
    // The picture readers' reasons end in a full stop of their own.
    std::string reason = error.UnicodeMessage() ? error.Message() : platform::Win1252ToUtf8(error.Message());
    if (reason.ends_with('.')) reason.pop_back();
    platform::ShowUnicodeMessage("\"" + fileName + "\" could not be read: " + reason + ". Its region stays empty.");
  }
}

}  // namespace

void WriteKindKeys(TIniFile& file, const std::string& section, TControl* control, const std::string& typeWord) {
  if (typeWord == "LABEL") {
    auto* label = static_cast<TStyledLabel*>(control);
    file.WriteString(section, "TEXT", label->Caption());
    file.WriteString(section, "STYLE", OrDefaultStyle(label->StyleName));
  } else if (typeWord == "VARIABLE") {
    auto* variable = static_cast<TVariableLabel*>(control);
    file.WriteString(section, "NAME", variable->Caption());
    file.WriteString(section, "VARTYPE", variable->VariableTypeName());
    file.WriteString(section, "HLWHEN", variable->HighlightWhenName());
    file.WriteString(section, "HLVALUE", variable->HighlightValueText());
    file.WriteInteger(section, "MASTERVARIABLE", variable->MasterVariable != 0 ? 1 : 0);
    file.WriteString(section, "STYLE", OrDefaultStyle(variable->StyleName));
    file.WriteString(section, "HLSTYLE", OrDefaultStyle(variable->HighlightStyle));
  } else if (typeWord == "IMAGEREGION") {
    auto* image = static_cast<TImageRegion*>(control);
    file.WriteString(section, "IMAGEFILE", image->FImageFile);
    file.WriteString(section, "FILELOCATION", image->FFileLocation);
  } else if (typeWord == "SHAPEREGION") {
    auto* shape = static_cast<TShapeRegion*>(control);
    file.WriteInteger(section, "SHAPE", shape->Shape);
    file.WriteInteger(section, "FILLCOLOR", shape->FillColor);
    file.WriteInteger(section, "FILLPATTERN", shape->FillPattern);
    file.WriteInteger(section, "BORDERCOLOR", shape->BorderColor);
    file.WriteInteger(section, "BORDERTHICKNESS", shape->BorderThickness);
    file.WriteInteger(section, "BORDERPATTERN", shape->BorderPattern);
  } else if (typeWord == "RICHTEXTREGION") {
    auto* richText = static_cast<TRichTextRegion*>(control);
    if (richText->FRtfFile.empty()) {
      WriteDirectText(file, section, *richText);
    } else {
      file.WriteString(section, "RTFFILE", richText->FRtfFile);
      file.WriteString(section, "FILELOCATION", richText->FFileLocation);
    }
  } else if (typeWord == "FIXEDREGION" || typeWord == "TITLEREGION" || typeWord == "REPEATREGION") {
    // Any other panel counts as a fixed region but has no border to write.
    auto* region = dynamic_cast<TRegion*>(control);
    WriteBorder(file, section, region ? region->FBorder : TBorderRecord{});
    if (typeWord == "FIXEDREGION") file.WriteInteger(section, "ABSOLUTE", region ? region->FAbsolute : 0);
    if (typeWord == "REPEATREGION") file.WriteString(section, "MULTIPAGE", region && region->MultiPage ? "TRUE" : "FALSE");
  }
}

void ReadKindKeys(TForm1& form, const TIniFile& file, const std::string& section, TControl* control,
                  const std::string& typeWord) {
  if (typeWord == "LABEL") {
    auto* label = static_cast<TStyledLabel*>(control);
    label->SetCaption(file.ReadString(section, "TEXT", ""));
    label->StyleName = file.ReadString(section, "STYLE", "");
    form.ApplyStyleToLabel(label, OrDefaultStyle(label->StyleName));
    label->StyleName = StoredStyleName(label->StyleName);
  } else if (typeWord == "VARIABLE") {
    auto* variable = static_cast<TVariableLabel*>(control);
    variable->StyleName = file.ReadString(section, "STYLE", "");
    form.FVariableTypeWord = file.ReadString(section, "VARTYPE", "");
    variable->SetVariableTypeByName(form.FVariableTypeWord);
    variable->HighlightStyle = StoredStyleName(file.ReadString(section, "HLSTYLE", ""));
    variable->HighlightValue = file.ReadString(section, "HLVALUE", "");
    variable->SetHighlightWhenByName(file.ReadString(section, "HLWHEN", ""));
    variable->MasterVariable = file.ReadInteger(section, "MASTERVARIABLE", 0);
    form.ApplyStyleToLabel(variable, OrDefaultStyle(variable->StyleName));
    variable->StyleName = StoredStyleName(variable->StyleName);
  } else if (typeWord == "IMAGEREGION") {
    auto* image = static_cast<TImageRegion*>(control);
    image->FImageFile = file.ReadString(section, "IMAGEFILE", "");
    image->FFileLocation = file.ReadString(section, "FILELOCATION", "");
    LoadOrTell(FileToShow(form, image->FImageFile, image->FFileLocation), [&] { ShowFileToPrint(form, *image); });
  } else if (typeWord == "SHAPEREGION") {
    auto* shape = static_cast<TShapeRegion*>(control);
    const int32_t fillColor = file.ReadInteger(section, "FILLCOLOR", 0);
    shape->SetShape(file.ReadInteger(section, "SHAPE", 0));
    shape->SetFillPattern(file.ReadInteger(section, "FILLPATTERN", 0));
    shape->SetBorderColor(file.ReadInteger(section, "BORDERCOLOR", 0));
    shape->SetBorderThickness(file.ReadInteger(section, "BORDERTHICKNESS", 0));
    shape->SetBorderPattern(file.ReadInteger(section, "BORDERPATTERN", 0));
    // A line is drawn in its border colour: giving it the fill colour (white
    // for a new shape) would make it vanish in print after the next save.
    if (shape->IsLine()) {
      shape->FillColor = fillColor;
    } else {
      shape->SetFillColor(fillColor);
    }
  } else if (typeWord == "RICHTEXTREGION") {
    auto* richText = static_cast<TRichTextRegion*>(control);
    richText->FRtfFile = file.ReadString(section, "RTFFILE", "");
    richText->FFileLocation = file.ReadString(section, "FILELOCATION", "");
    richText->FStyleName = file.ReadString(section, "STYLE", "");
    const std::string fileName = richText->FRtfFile;
    if (!fileName.empty() && fileName != "DYNAMIC") {
      LoadOrTell(FileToShow(form, fileName, richText->FFileLocation), [&] { ShowFileToPrint(form, *richText); });
      return;
    }
    // Direct text stores no folder; it gets the one new regions get.
    if (fileName.empty()) richText->FFileLocation = form.Program().ReportStyle.RtfDirectory;
    form.ApplyStyleToRichText(richText, richText->FStyleName);
    richText->FStyleName = StoredStyleName(richText->FStyleName);
    const std::vector<std::string> keys = file.ReadSection(section);
    if (keys.size() <= kRichTextKeysBeforeLines) return;
    std::vector<std::string> lines = richText->FRichEdit->Lines();
    for (std::size_t i = kRichTextKeysBeforeLines; i < keys.size(); ++i)
      lines.push_back(file.ReadString(section, keys[i], ""));
    richText->FRichEdit->SetLines(std::move(lines));
  } else if (typeWord == "FIXEDREGION" || typeWord == "TITLEREGION" || typeWord == "REPEATREGION") {
    auto* region = static_cast<TRegion*>(control);
    region->RegionType = typeWord == "FIXEDREGION"   ? TRegionType::fixedRegion
                         : typeWord == "TITLEREGION" ? TRegionType::titleRegion
                                                     : TRegionType::repeatRegion;
    if (typeWord == "REPEATREGION") {
      region->MultiPage = file.ReadString(section, "MULTIPAGE", "") == "TRUE";
      form.AllowMultiplePages1->SetChecked(region->MultiPage);
    }
    if (typeWord == "FIXEDREGION") region->FAbsolute = file.ReadInteger(section, "ABSOLUTE", 0);
    region->SetCaption("");
    region->FBorder = ReadBorder(file, section);
  }
}

}  // namespace designer
