#include "bench/bench_template.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {
namespace {

// Geometry in 1/100 inch. The body's rows start under the headings and end
// exactly at the body's bottom edge after kRowsPerPage rows.
constexpr int32_t kBodyWidth = 780;
constexpr int32_t kHeadingHeight = 15;
constexpr int32_t kRowHeight = 20;
constexpr int32_t kBodyHeight = kHeadingHeight + kRowsPerPage * kRowHeight;
constexpr int32_t kFooterTop = kBodyHeight + 5;
constexpr int32_t kTextHeight = 15;

struct Column {
  const char* heading;
  const char* variable;
  const char* type;
  int32_t left;
  int32_t width;
};

constexpr Column kColumns[] = {
    {"ID", "RecordId", "integer", 10, 80},
    {"Customer", "Customer", "string", 100, 200},
    {"Quantity", "Quantity", "integer", 310, 100},
    {"Price", "Price", "floatingPoint", 420, 100},
    {"Note", "Note", "string", 530, 240},
};

constexpr int32_t kHighlightedColumn = 2;
// The region of pictures and its pictures follow the body's controls.
constexpr int32_t kPictures = 17;

std::string ControlKey(int32_t number) { return "RC" + std::to_string(number); }

class TemplateWriter {
 public:
  void Section(const std::string& name) { text_ += "[" + name + "]\r\n"; }
  void Key(const std::string& key, const std::string& value) {
    text_ += key + "=" + value + "\r\n";
  }
  void Key(const std::string& key, int32_t value) { Key(key, std::to_string(value)); }

  // The six keys every control section begins with.
  void Control(int32_t number, const std::string& name, int32_t left, int32_t top, int32_t width,
               int32_t height, const std::string& parent) {
    Section(ControlKey(number));
    Key("NAME", name);
    Key("LEFT", left);
    Key("TOP", top);
    Key("WIDTH", width);
    Key("HEIGHT", height);
    Key("PARENT", parent);
  }

  // Letter paper, a report of 8 by 10.5 inches half an inch in, no border.
  void ReportStyle() {
    Section("RSTYLES");
    Key("RR0", "REPORTSTYLE");
    Section("RR0");
    Key("REPORTWIDTH", "8");
    Key("REPORTHEIGHT", "10.5");
    Key("PAPERWIDTH", "8.5");
    Key("PAPERHEIGHT", "11");
    Key("PLACELEFT", "0.5");
    Key("PLACETOP", "0.5");
    Key("ORIENTATION", 0);
    Key("BORDERSTYLE", 0);
    Key("BORDERTHICKNESS", 1);
    Key("BORDERCOLOR", 0);
    Key("BORDERLINETYPE", 0);
    Key("IMAGEFILELOCATION", "");
    Key("RTFFILELOCATION", "");
  }

  void Style(int32_t index, const std::string& name, int32_t bits, int32_t color) {
    Section("RS" + std::to_string(index));
    Key("STYLENAME", name);
    Key("STYLE", bits);
    Key("SIZE", 8);
    Key("COLOR", color);
    Key("NAME", "Arial");
    Key("ALIGNMENT", "NONE");
  }

  void Label(int32_t number, const std::string& name, int32_t left, int32_t top, int32_t width,
             const std::string& parent, const std::string& text, const std::string& style) {
    Control(number, name, left, top, width, kTextHeight, parent);
    Key("TEXT", text);
    Key("STYLE", style);
  }

  void Variable(int32_t number, const std::string& name, int32_t left, int32_t top, int32_t width,
                const std::string& parent, const std::string& type, const std::string& when,
                const std::string& value, const std::string& highlightStyle) {
    Control(number, name, left, top, width, kTextHeight, parent);
    Key("VARTYPE", type);
    Key("HLWHEN", when);
    Key("HLVALUE", value);
    Key("MASTERVARIABLE", 0);
    Key("STYLE", "DEFAULTSTYLE");
    Key("HLSTYLE", highlightStyle);
  }

  void Border(int32_t sides) {
    Key("BORDERSTYLE", sides);
    Key("BORDERTHICKNESS", 1);
    Key("BORDERCOLOR", 0);
  }

  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace

std::string BenchTemplateText(BenchPictures pictures) {
  TemplateWriter file;
  file.ReportStyle();

  file.Section("STYLES");
  file.Key("RS0", "LABELSTYLE");
  file.Key("RS1", "LABELSTYLE");
  file.Key("RS2", "LABELSTYLE");
  file.Style(0, "DEFAULTSTYLE", 0, 0);
  file.Style(1, "HEADING", 1, 0);
  file.Style(2, "HIGHLIGHT", 1, 0x0000FF);

  // Labels and variables come before regions, as the designer orders them.
  file.Section("REPORT");
  file.Key(ControlKey(1), "LABEL");
  file.Key(ControlKey(2), "VARIABLE");
  file.Key(ControlKey(3), "LABEL");
  file.Key(ControlKey(4), "VARIABLE");
  file.Key(ControlKey(5), "FIXEDREGION");
  if (pictures != BenchPictures::None) file.Key(ControlKey(kPictures), "FIXEDREGION");
  file.Label(1, "PageLabel", 600, kFooterTop, 40, "REPORT", "Page", "DEFAULTSTYLE");
  file.Variable(2, "PageNumber", 640, kFooterTop, 30, "REPORT", "Page #", "none", "0",
                "DEFAULTSTYLE");
  file.Label(3, "OfLabel", 670, kFooterTop, 20, "REPORT", "of", "DEFAULTSTYLE");
  file.Variable(4, "PageCount", 690, kFooterTop, 40, "REPORT", "# Pages", "none", "0",
                "DEFAULTSTYLE");
  file.Control(5, "Body", 0, 0, kBodyWidth, kBodyHeight, "REPORT");
  file.Border(15);
  file.Key("BORDERLINESTYLE", 0);
  file.Key("ABSOLUTE", 0);

  // Controls are numbered on in writing order; a container's list section
  // names its children before their own sections follow.
  constexpr int32_t kColumnCount = static_cast<int32_t>(std::size(kColumns));
  constexpr int32_t kFirstHeading = 6;
  constexpr int32_t kRow = kFirstHeading + kColumnCount;
  constexpr int32_t kFirstCell = kRow + 1;

  file.Section("Body");
  for (int32_t i = 0; i < kColumnCount; ++i) file.Key(ControlKey(kFirstHeading + i), "LABEL");
  file.Key(ControlKey(kRow), "REPEATREGION");
  for (int32_t i = 0; i < kColumnCount; ++i) {
    const Column& column = kColumns[i];
    file.Label(kFirstHeading + i, std::string("Heading") + column.variable, column.left, 0,
               column.width, "Body", column.heading, "HEADING");
  }
  file.Control(kRow, "Row", 0, kHeadingHeight, kBodyWidth, kRowHeight, "Body");
  file.Border(1);
  file.Key("BORDERLINESTYLE", 2);
  file.Key("MULTIPAGE", "FALSE");

  file.Section("Row");
  for (int32_t i = 0; i < kColumnCount; ++i) file.Key(ControlKey(kFirstCell + i), "VARIABLE");
  for (int32_t i = 0; i < kColumnCount; ++i) {
    const Column& column = kColumns[i];
    const bool highlighted = i == kHighlightedColumn;
    file.Variable(kFirstCell + i, column.variable, column.left, 3, column.width, "Row",
                  column.type, highlighted ? "greaterThan" : "none",
                  highlighted ? std::to_string(kHighlightAbove) : "0",
                  highlighted ? "HIGHLIGHT" : "DEFAULTSTYLE");
  }
  if (pictures != BenchPictures::None) {
    // A region of no dynamic content: drawn under every page.
    file.Control(kPictures, "Pictures", 0, 0, kBodyWidth, kBodyHeight + 35, "REPORT");
    file.Border(0);
    file.Key("BORDERLINESTYLE", 0);
    file.Key("ABSOLUTE", 0);
    const std::vector<BenchPicture> shown = PicturesOf(pictures);
    file.Section("Pictures");
    for (size_t i = 0; i < shown.size(); ++i) {
      file.Key(ControlKey(kPictures + 1 + static_cast<int32_t>(i)), "IMAGEREGION");
    }
    for (size_t i = 0; i < shown.size(); ++i) {
      const BenchPicture& picture = shown[i];
      file.Control(kPictures + 1 + static_cast<int32_t>(i), picture.name, picture.left, picture.top,
                   picture.width, picture.height, "Pictures");
      file.Key("IMAGEFILE", picture.file);
      file.Key("FILELOCATION", "");
    }
  }
  return file.Text();
}

std::filesystem::path WriteBenchTemplate(const std::filesystem::path& folder, BenchPictures pictures) {
  const std::filesystem::path path = folder / "bench.qnf";
  std::ofstream out(path, std::ios::binary);
  out << BenchTemplateText(pictures);
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
  WriteBenchPictures(folder, pictures);
  return path;
}

std::string BenchLabelsTemplateText(int32_t count) {
  TemplateWriter file;
  file.ReportStyle();
  file.Section("STYLES");
  file.Key("RS0", "LABELSTYLE");
  file.Style(0, "DEFAULTSTYLE", 0, 0);
  file.Section("REPORT");
  for (int32_t i = 1; i <= count; ++i) file.Key(ControlKey(i), "LABEL");
  constexpr int32_t kAcross = 8;
  constexpr int32_t kDown = 60;
  for (int32_t i = 1; i <= count; ++i) {
    const int32_t cell = (i - 1) % (kAcross * kDown);
    file.Label(i, "Label" + std::to_string(i), (cell % kAcross) * 95, (cell / kAcross) * 17, 90,
               "REPORT", "L" + std::to_string(i), "DEFAULTSTYLE");
  }
  return file.Text();
}

int32_t ExpectedPages(int32_t records) {
  return records <= 0 ? 0 : (records + kRowsPerPage - 1) / kRowsPerPage;
}

}  // namespace bench
