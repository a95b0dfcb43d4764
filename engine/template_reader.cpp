#include "engine/template_reader.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/engine_state.h"
#include "platform/ini/ini_file.h"
#include "platform/system/file_paths.h"
#include "platform/system/locale_settings.h"
#include "platform/text/ansi_text.h"
#include "platform/text/number_text.h"

namespace engine {
namespace {

// Deeper than any report a person lays out, shallow enough for the stack.
constexpr size_t kMaxNesting = 64;
// Containers may share a section, so one load can read a section many times
// over (many containers naming one large section, or sharing at every
// level). Fifty times the largest design a person works on.
constexpr int64_t kMaxEntriesRead = 100000;
// Larger paper, report or offsets than this are typing errors, and their
// 1/100 inch values would no longer fit the engine's 32-bit geometry.
constexpr double kMaxInches = 200.0;

// The open template: its INI reader, the list sections being walked (a
// container naming one of them would make the walk repeat without end), and
// what this load has read so far.
struct TemplateFile {
  std::unique_ptr<platform::TIniFile> ini;
  std::vector<std::string> walkPath;  // upper case: INI names ignore case
  int64_t entriesRead = 0;            // keys of list sections and rich-text lines
  bool entriesBoundReached = false;
};

struct LoadedTemplate {
  TemplateList root;
  TemplateFile file;
};

LoadedTemplate& Loaded() {
  static LoadedTemplate loaded;
  return loaded;
}

class WalkStep {
 public:
  WalkStep(std::vector<std::string>& path, std::string section) : path_(path) {
    path_.push_back(std::move(section));
  }
  ~WalkStep() { path_.pop_back(); }
  WalkStep(const WalkStep&) = delete;
  WalkStep& operator=(const WalkStep&) = delete;

 private:
  std::vector<std::string>& path_;
};

// The values of one section, read as the private-profile functions give them.
class SectionValues {
 public:
  SectionValues(const platform::TIniFile& ini, std::string section)
      : ini_(ini), section_(std::move(section)) {}

  std::string Text(std::string_view key, std::string_view defaultValue = {}) const {
    return ini_.ReadString(section_, key, defaultValue);
  }
  int32_t Integer(std::string_view key, int32_t defaultValue) const {
    return ini_.ReadInteger(section_, key, defaultValue);
  }
  double Real(std::string_view key, std::string_view defaultText) const {
    return StrToFloatLocale(Text(key, defaultText));
  }
  std::vector<std::string> Keys() const { return ini_.ReadSection(section_); }

 private:
  const platform::TIniFile& ini_;
  std::string section_;
};

std::unique_ptr<rcDefItem> MakeItem(std::string name, ItemType type, auto record) {
  auto item = std::make_unique<rcDefItem>();
  item->Name = std::move(name);
  item->ItemType = type;
  item->Data = std::move(record);
  return item;
}

std::string InchesText(double inches) {
  return platform::FloatToStr(inches, platform::DecimalSeparator());
}

bool UsableSize(double inches) { return inches > 0 && inches <= kMaxInches; }
bool UsableOffset(double inches) { return inches >= -kMaxInches && inches <= kMaxInches; }

// Sizes that no page can have never reach the layout: the load fails and the
// record keeps sane values.
void RefuseUnusableSizes(rcReport& report) {
  const rcReport defaults;
  if (!UsableSize(report.PaperWidth) || !UsableSize(report.PaperHeight)) {
    ShowMessage("Tessel: Paper size " + InchesText(report.PaperWidth) + " x " +
                InchesText(report.PaperHeight) + " inches is not usable.");
    SetErrorFlag();
    report.PaperWidth = defaults.PaperWidth;
    report.PaperHeight = defaults.PaperHeight;
  }
  if (!UsableSize(report.ReportWidth) || !UsableSize(report.ReportHeight)) {
    ShowMessage("Tessel: Report size " + InchesText(report.ReportWidth) + " x " +
                InchesText(report.ReportHeight) + " inches is not usable.");
    SetErrorFlag();
    report.ReportWidth = defaults.ReportWidth;
    report.ReportHeight = defaults.ReportHeight;
  }
  if (!UsableOffset(report.PlaceLeft) || !UsableOffset(report.PlaceTop)) {
    ShowMessage("Tessel: Report placement " + InchesText(report.PlaceLeft) + ", " +
                InchesText(report.PlaceTop) + " inches is not usable.");
    SetErrorFlag();
    report.PlaceLeft = defaults.PlaceLeft;
    report.PlaceTop = defaults.PlaceTop;
  }
}

std::unique_ptr<rcDefItem> ReadReportItem(const SectionValues& s) {
  rcReport report;
  report.PaperWidth = s.Real("PAPERWIDTH", "8.5");
  report.PaperHeight = s.Real("PAPERHEIGHT", "11.0");
  report.ReportWidth = s.Real("REPORTWIDTH", "8.0");
  report.ReportHeight = s.Real("REPORTHEIGHT", "10.5");
  report.PlaceLeft = s.Real("PLACELEFT", "0.5");
  report.PlaceTop = s.Real("PLACETOP", "0.5");
  report.ImageFileLocation = s.Text("IMAGEFILELOCATION");
  report.RtfFileLocation = s.Text("RTFFILELOCATION");
  report.Landscape = s.Integer("ORIENTATION", 0) != 0;
  report.BorderSides = MapBorderSides(s.Integer("BORDERSTYLE", 15));
  report.BorderThickness = s.Integer("BORDERTHICKNESS", 1);
  report.BorderColor = s.Integer("BORDERCOLOR", 0);
  report.BorderPenStyle = MapPenStyle(s.Integer("BORDERLINETYPE", 0));
  RefuseUnusableSizes(report);
  return MakeItem(kReportStyleName, kReportStyle, std::move(report));
}

std::unique_ptr<rcDefItem> ReadLabelStyle(const SectionValues& s) {
  rcStyle style;
  const int32_t bits = s.Integer("STYLE", 0);
  style.Font.Style = (bits >= 0 && bits <= 15) ? static_cast<uint8_t>(bits) : 0;
  style.Font.Size = s.Integer("SIZE", 10);
  style.Font.Color = static_cast<platform::TColor>(s.Integer("COLOR", 0));
  style.Font.Name = s.Text("NAME", "ARIAL");
  style.StyleName = s.Text("STYLENAME", "DEFAULTSTYLE");
  std::string name = style.StyleName;
  return MakeItem(std::move(name), kTextStyle, std::move(style));
}

// The six keys every control begins with; returns NAME.
std::string ReadCommonKeys(const SectionValues& s, rcItemBox& box) {
  box.Left = s.Integer("LEFT", 0);
  box.Top = s.Integer("TOP", 0);
  box.Width = s.Integer("WIDTH", 0);
  box.Height = s.Integer("HEIGHT", 0);
  box.Parent = s.Text("PARENT");
  return s.Text("NAME");
}

template <class Region>
void ReadRegionBorder(const SectionValues& s, Region& region) {
  region.BorderSides = MapBorderSides(s.Integer("BORDERSTYLE", 15));
  region.BorderThickness = s.Integer("BORDERTHICKNESS", 1);
  region.BorderColor = s.Integer("BORDERCOLOR", 0);
  region.BorderPenStyle = MapPenStyle(s.Integer("BORDERLINESTYLE", 0));
}

std::unique_ptr<rcDefItem> ReadLabelItem(const SectionValues& s) {
  rcLabel label;
  std::string name = ReadCommonKeys(s, label);
  label.Text = s.Text("TEXT");
  label.Style = FindStyle(s.Text("STYLE"));
  return MakeItem(std::move(name), kLabel, std::move(label));
}

std::unique_ptr<rcDefItem> ReadFixedRegion(const SectionValues& s) {
  rcFixedRegion region;
  std::string name = ReadCommonKeys(s, region);
  region.Flag = s.Integer("ABSOLUTE", 0) != 0;
  ReadRegionBorder(s, region);
  return MakeItem(std::move(name), kFixedRegion, std::move(region));
}

std::unique_ptr<rcDefItem> ReadRepeatRegion(const SectionValues& s) {
  rcRepeatRegion region;
  std::string name = ReadCommonKeys(s, region);
  region.Flag = s.Text("MULTIPAGE", "TRUE") == "TRUE";
  ReadRegionBorder(s, region);
  return MakeItem(std::move(name), kRepeatRegion, std::move(region));
}

std::unique_ptr<rcDefItem> ReadTitleRegion(const SectionValues& s) {
  rcTitleRegion region;
  std::string name = ReadCommonKeys(s, region);
  ReadRegionBorder(s, region);
  return MakeItem(std::move(name), kTitleRegion, std::move(region));
}

std::unique_ptr<rcDefItem> ReadShapeRegion(const SectionValues& s) {
  rcShapeRegion shape;
  std::string name = ReadCommonKeys(s, shape);
  shape.Shape = MapShape(s.Integer("SHAPE", 0));
  shape.FillColor = s.Integer("FILLCOLOR", 0);
  shape.BorderThickness = s.Integer("BORDERTHICKNESS", 1);
  shape.FillPattern = MapFillPattern(s.Integer("FILLPATTERN", 0));
  shape.BorderColor = s.Integer("BORDERCOLOR", 0);
  shape.BorderPattern = MapPenStyle(s.Integer("BORDERPATTERN", 0));
  return MakeItem(std::move(name), kShapeRegion, std::move(shape));
}

std::unique_ptr<rcDefItem> ReadImageRegion(const SectionValues& s) {
  rcGraphicRegion image;
  std::string name = ReadCommonKeys(s, image);
  image.FileName = s.Text("IMAGEFILE");
  image.FileLocation = s.Text("FILELOCATION");
  image.Dynamic = image.FileName == "DYNAMIC";
  return MakeItem(std::move(name), kImageRegion, std::move(image));
}

// Every key after the first eight is a text line, whatever its name.
constexpr size_t kRichTextFixedKeys = 8;

std::unique_ptr<rcDefItem> ReadRichTextRegion(const SectionValues& s) {
  rcRichText text;
  std::string name = ReadCommonKeys(s, text);
  text.FileName = s.Text("RTFFILE");
  text.FileLocation = s.Text("FILELOCATION");
  text.Dynamic = text.FileName == "DYNAMIC";
  text.Style = FindStyle(s.Text("STYLE"));
  const std::vector<std::string> keys = s.Keys();
  for (size_t i = kRichTextFixedKeys; i < keys.size(); ++i) text.Lines.push_back(s.Text(keys[i]));
  return MakeItem(std::move(name), kRichTextRegion, std::move(text));
}

uint8_t VarTypeOfWord(const std::string& word) {
  static constexpr std::pair<std::string_view, VarType> kWords[] = {
      {"string", kVarString},     {"integer", kVarInteger},   {"floatingPoint", kVarFloatingPoint},
      {"Page #", kVarPageNumber}, {"# Pages", kVarPageCount}, {"Date", kVarDate},
      {"Time", kVarTime},         {"DateTime", kVarDateTime}};
  for (const auto& [text, code] : kWords) {
    if (word == text) return code;
  }
  return kVarUnknown;
}

uint8_t HighlightWhenOfWord(const std::string& word) {
  static constexpr std::pair<std::string_view, HighlightWhen> kWords[] = {
      {"lessThan", kHlLessThan},
      {"greaterThan", kHlGreaterThan},
      {"equals", kHlEquals},
      {"notEqual", kHlNotEqual},
      {"lessThanEquals", kHlLessThanEquals},
      {"greaterThanEquals", kHlGreaterThanEquals},
      {"masterHighlighted", kHlMasterHighlighted}};
  for (const auto& [text, code] : kWords) {
    if (word == text) return code;
  }
  return kHlNone;
}

int32_t StrToIntOrThrow(const std::string& text) {
  const std::optional<int32_t> value = platform::TryStrToInt(text);
  if (!value) throw std::invalid_argument("'" + text + "' is not a valid integer value");
  return *value;
}

// The rule value in the variable's own type, so that a rule compares like
// with like.
Variant TypedRuleValue(uint8_t varType, const std::string& text) {
  const std::string number = text.empty() ? std::string("0") : text;
  switch (varType) {
    case kVarString:
      return text;
    case kVarInteger:
      return StrToIntOrThrow(number);
    case kVarFloatingPoint:
      return StrToFloatLocale(number);
    default:
      return {};
  }
}

bool StoresNoValue(uint8_t varType) { return varType >= kVarPageNumber && varType <= kVarDateTime; }

std::unique_ptr<rcDefItem> ReadVariableItem(const SectionValues& s) {
  rcVariable variable;
  std::string name = ReadCommonKeys(s, variable);
  variable.VarType = VarTypeOfWord(s.Text("VARTYPE"));
  variable.HighlightWhen = HighlightWhenOfWord(s.Text("HLWHEN", "none"));
  const std::string ruleText = s.Text("HLVALUE", "0");
  if (variable.HighlightWhen != kHlNone) {
    variable.HighlightValue = TypedRuleValue(variable.VarType, ruleText);
  }
  variable.Style = FindStyle(s.Text("STYLE"));
  variable.HighlightStyle = FindStyle(s.Text("HLSTYLE"));
  variable.IsMaster = s.Integer("MASTERVARIABLE", 0) != 0;
  // A variable that holds no host value has nothing to compare: system
  // variables, and those of a type word the engine does not know.
  if (StoresNoValue(variable.VarType) || variable.VarType == kVarUnknown) {
    variable.HighlightWhen = kHlNone;
    variable.HighlightStyle = variable.Style;
    variable.IsMaster = false;
  }
  return MakeItem(std::move(name), kVariable, std::move(variable));
}

// The item a key of a list section names; nullptr for a word of no kind.
std::unique_ptr<rcDefItem> ReadItemOfKind(const platform::TIniFile& ini, const std::string& word,
                                          const std::string& section) {
  const SectionValues s(ini, section);
  if (word == "REPORTSTYLE") return ReadReportItem(s);
  if (word == "LABELSTYLE") return ReadLabelStyle(s);
  if (word == "LABEL") return ReadLabelItem(s);
  if (word == "FIXEDREGION") return ReadFixedRegion(s);
  if (word == "REPEATREGION") return ReadRepeatRegion(s);
  if (word == "TITLEREGION") return ReadTitleRegion(s);
  if (word == "IMAGEREGION") return ReadImageRegion(s);
  if (word == "VARIABLE") return ReadVariableItem(s);
  if (word == "SHAPEREGION") return ReadShapeRegion(s);
  if (word == "RICHTEXTREGION") return ReadRichTextRegion(s);
  return nullptr;
}

// False once the load has read its bound; says so the first time.
bool MayReadMore(TemplateFile& file) {
  if (file.entriesRead < kMaxEntriesRead) return true;
  if (!file.entriesBoundReached) {
    ShowMessage("Tessel: The template names more than " + std::to_string(kMaxEntriesRead) +
                " controls and text lines; the rest of it is not read.");
    SetErrorFlag();
    file.entriesBoundReached = true;
  }
  return false;
}

template <class List>
auto FindInList(List& list, const std::string& name) -> decltype(list.front().get()) {
  for (auto& item : list) {
    // Styles share the name space with nothing: a region may carry a style's
    // name, and "Report Style" is looked up by its kind.
    if (item->ItemType != kReportStyle && item->ItemType != kTextStyle && item->Name == name) {
      return item.get();
    }
    if (IsContainer(item->ItemType)) {
      if (auto* children = ChildrenOf(*item)) {
        if (auto* found = FindInList(*children, name)) return found;
      }
    }
  }
  return nullptr;
}

}  // namespace

TemplateList& OpenTemplate(const std::string& windowsPath) {
  FreeTemplate();
  Loaded().file.ini = std::make_unique<platform::TIniFile>(platform::NativePath(windowsPath));
  return Loaded().root;
}

void ReadTemplateSection(TemplateList& list, const std::string& section) {
  TemplateFile& file = Loaded().file;
  if (!file.ini || !MayReadMore(file)) return;
  const std::vector<std::string> keys = file.ini->ReadSection(section);
  // An empty section adds nothing however often it is named.
  if (keys.empty()) return;
  std::string walkName = platform::UpperCase(section);
  if (std::find(file.walkPath.begin(), file.walkPath.end(), walkName) != file.walkPath.end()) {
    ShowMessage("Tessel: Section \"" + section +
                "\" is read already; its controls are not read again.");
    SetErrorFlag();
    return;
  }
  if (file.walkPath.size() >= kMaxNesting) {
    ShowMessage("Tessel: Regions are nested deeper than " + std::to_string(kMaxNesting) +
                " levels; the controls of \"" + section + "\" are not read.");
    SetErrorFlag();
    return;
  }
  const WalkStep step(file.walkPath, std::move(walkName));
  for (const std::string& key : keys) {
    if (!MayReadMore(file)) return;
    ++file.entriesRead;
    std::unique_ptr<rcDefItem> item =
        ReadItemOfKind(*file.ini, file.ini->ReadString(section, key, ""), key);
    if (!item) continue;
    if (const auto* text = std::get_if<rcRichText>(&item->Data)) {
      file.entriesRead += static_cast<int64_t>(text->Lines.size());
    }
    rcDefItem& added = *item;
    list.push_back(std::move(item));
    if (TemplateList* children = ChildrenOf(added)) ReadTemplateSection(*children, added.Name);
  }
}

TemplateList& GetTemplateList() { return Loaded().root; }

void FreeTemplate() {
  LoadedTemplate& loaded = Loaded();
  loaded.root.clear();
  loaded.file = TemplateFile{};
}

void EnsureReportItem(TemplateList& list) {
  if (FindReportItem(list) != nullptr) return;
  list.push_back(MakeItem(kReportStyleName, kReportStyle, rcReport{}));
}

const rcDefItem* FindReportItem(const TemplateList& list) {
  for (const auto& item : list) {
    if (item->ItemType == kReportStyle) return item.get();
  }
  return nullptr;
}

const rcStyle* FindStyle(const std::string& styleName) {
  const std::string name = styleName.empty() ? std::string("DEFAULTSTYLE") : styleName;
  for (const auto& item : Loaded().root) {
    if (item->ItemType == kTextStyle && item->Name == name) return &item->As<rcStyle>();
  }
  ShowMessage("Tessel: Style \"" + name + "\" not found");
  SetErrorFlag();
  return nullptr;
}

rcDefItem* FindTemplateItem(TemplateList& list, const std::string& name) {
  return FindInList(list, name);
}

const rcDefItem* FindTemplateItem(const TemplateList& list, const std::string& name) {
  return FindInList(list, name);
}

bool SetHighlightRule(const std::string& variableName, const std::string& valueText,
                      const std::string& conditionWord) {
  rcDefItem* item = FindTemplateItem(Loaded().root, variableName);
  if (item == nullptr || item->ItemType != kVariable) {
    ShowMessage("Tessel: Variable Not found \"" + variableName + "\" in zBXSetHighLight.");
    return false;
  }
  static constexpr std::pair<std::string_view, HighlightWhen> kConditions[] = {
      {"lessthan", kHlLessThan},
      {"greaterthan", kHlGreaterThan},
      {"equals", kHlEquals},
      {"notequal", kHlNotEqual},
      {"lessthanequals", kHlLessThanEquals},
      {"greaterthanequals", kHlGreaterThanEquals},
      {"masterhighlighted", kHlMasterHighlighted}};
  const std::string lowered = platform::LowerCase(conditionWord);
  for (const auto& [word, code] : kConditions) {
    if (lowered == word) {
      rcVariable& variable = item->As<rcVariable>();
      variable.HighlightWhen = code;
      variable.HighlightValue = valueText;
      return true;
    }
  }
  ShowMessage("Tessel: Highlight when \"" + conditionWord + "\" NOT FOUND.");
  return false;
}

double StrToFloatLocale(const std::string& text) {
  const char separator = platform::DecimalSeparator();
  std::string number = text;
  if (number.find(separator) == std::string::npos) {
    const char other = separator == ',' ? '.' : separator == '.' ? ',' : '\0';
    if (other != '\0') {
      if (const size_t at = number.find(other); at != std::string::npos) number[at] = separator;
    }
  }
  const std::optional<double> value = platform::TryStrToFloat(number, separator);
  if (!value) throw std::invalid_argument("'" + number + "' is not a valid floating point value");
  return *value;
}

uint8_t MapBorderSides(int32_t fileBits) {
  if (fileBits < 1 || fileBits > 15) return 0;
  uint8_t sides = 0;
  if (fileBits & 1) sides |= kSideBottom;
  if (fileBits & 2) sides |= kSideTop;
  if (fileBits & 4) sides |= kSideRight;
  if (fileBits & 8) sides |= kSideLeft;
  return sides;
}

uint8_t MapFillPattern(int32_t value) {
  return (value >= 1 && value <= 7) ? static_cast<uint8_t>(value) : 0;
}

uint8_t MapPenStyle(int32_t value) {
  return (value >= 1 && value <= 6) ? static_cast<uint8_t>(value) : 0;
}

uint8_t MapShape(int32_t value) {
  return (value >= 1 && value <= 4) ? static_cast<uint8_t>(value) : 0;
}

}  // namespace engine
