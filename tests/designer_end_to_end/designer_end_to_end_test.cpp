// The whole system tried as a new user would: the real designer program on
// a private X server, driven only by mouse clicks and keys (xdotool). The
// person confirms the page layout the first start asks for, places a
// header with a label, a picture and typed text, and a detail region with
// a title region and a repeat region of three variables, adds a text style
// in the style and font dialogs, gives one variable a highlight rule in
// that style, saves through the save dialog and generates the user-code
// script. The test then fills the script's placeholders, runs it with the
// host stand-in and reads the printed PDF back: every text where it was
// designed, the highlighted value in the style's font, the picture. The
// main window is photographed at three zoom levels into the build folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/designer_end_to_end/child_process.h"
#include "tests/designer_end_to_end/private_display.h"
#include "tests/designer_end_to_end/screen_reading.h"
#include "tests/designer_end_to_end/x_person.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

// Tall enough for the whole page at 115 %.
constexpr int kScreenWidth = 1400;
constexpr int kScreenHeight = 1400;
// A column that crosses the report area at every zoom level shown.
constexpr int kReportColumn = 300;
// From the tool bar's top to the report area's top at zoom level 0: the
// tool bar (49), the frames of the two scroll boxes (2 + 2) and the report
// area's place on the paper (50).
constexpr int kToolBarToReport = 103;
constexpr auto kScreenTimeout = std::chrono::seconds(15);
constexpr auto kExitTimeout = std::chrono::seconds(15);

// The tool bar (main_window/tool_bar.cpp): group boxes on Panel1, the
// first at 4, the others 4 apart; buttons 30 wide from 6 inside their box
// and 14 from its top, 26 high.
enum ToolButton { kFixed = 0, kTitle = 1, kRepeat = 2, kRichText = 3, kImage = 5, kText = 6 };
constexpr int kButtonPitch = 30;
constexpr int kFirstBoxLeft = 4;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The sections of a template with their keys and values, names as written.
using Sections = std::map<std::string, std::map<std::string, std::string>>;

Sections ReadSections(const std::string& text) {
  Sections sections;
  std::istringstream lines(text);
  std::string section;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      sections[section];
    } else if (const size_t equals = line.find('='); equals != std::string::npos) {
      sections[section][line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
  return sections;
}

struct Word {
  std::string text;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  double Height() const { return yMax - yMin; }
};

std::vector<Word> WordsOfPage(const std::string& pdf, int page) {
  const std::string number = std::to_string(page);
  const ProgramRun run = RunProgram({"pdftotext", "-f", number, "-l", number, "-bbox", pdf, "-"}, {},
                                    std::chrono::seconds(30));
  std::vector<Word> words;
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    Word word;
    char text[256] = {};
    if (std::sscanf(line.c_str(), " <word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%255[^<]", &word.xMin,
                    &word.yMin, &word.xMax, &word.yMax, text) == 5) {
      word.text = text;
      words.push_back(word);
    }
  }
  return words;
}

// The words of the line that begins at the point (in points, as pdftotext
// gives them): all words whose top is within a point and a half of it, from
// the one that starts there.
std::string LineAt(const std::vector<Word>& words, double x, double y) {
  std::string line;
  bool started = false;
  for (const Word& word : words) {
    if (word.yMin < y - 1.5 || word.yMin > y + 1.5) continue;
    if (!started && (word.xMin < x - 0.5 || word.xMin > x + 0.5)) continue;
    if (started && word.xMin > x + 100) break;
    line += (started ? " " : "") + word.text;
    started = true;
    x = word.xMax;
  }
  return line;
}

const Word* FindWord(const std::vector<Word>& words, const std::string& text) {
  for (const Word& word : words)
    if (word.text == text) return &word;
  return nullptr;
}

// A design position in 1/100 inch, on the page: the report area sits at
// 0.25 inch and 0.5 inch on the paper (New centres the 8 x 10 inch report
// on letter paper). In points, as the PDF measures.
double PointsX(int reportX) { return (25 + reportX) * 0.72; }
double PointsY(int reportY) { return (50 + reportY) * 0.72; }

class DesignerEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* program : {"Xvfb", "xdotool", "pdftotext", "pdftoppm", "pdffonts"}) {
      if (FindProgram(program).empty()) GTEST_SKIP() << program << " is not installed";
    }
    scratch_ = fs::temp_directory_path() / ("tessel-end-to-end-" + std::to_string(::getpid()));
    fs::remove_all(scratch_);
    for (const char* folder : {"IMAGES", "data", "config", "runtime"}) fs::create_directories(scratch_ / folder);
    fs::permissions(scratch_ / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    fs::copy_file(fs::path(TESSEL_SAMPLES) / "IMAGES" / "logo.bmp", scratch_ / "IMAGES" / "logo.bmp");
    fs::create_directories(SCREENSHOT_FOLDER);
    display_ = std::make_unique<PrivateDisplay>(kScreenWidth, kScreenHeight);
    if (!display_->Started()) GTEST_SKIP() << display_->Reason();
    person_ = std::make_unique<XPerson>(display_->Name());
  }

  void TearDown() override {
    if (HasFailure() && display_ && display_->Started()) Photograph("failure.png");
    designer_.reset();
    person_.reset();
    display_.reset();
    if (scratch_.empty()) return;
    // A failed run keeps the template, the script and the designer's
    // output for a look.
    if (HasFailure()) {
      std::fprintf(stderr, "kept for a look: %s\n", scratch_.c_str());
      return;
    }
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
  }

  void StartDesigner() {
    designer_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{DESIGNER_PATH},
        std::vector<std::string>{"DISPLAY=" + display_->Name(), "QT_QPA_PLATFORM=xcb",
                                 "XDG_DATA_HOME=" + (scratch_ / "data").string(),
                                 "XDG_CONFIG_HOME=" + (scratch_ / "config").string(),
                                 "XDG_RUNTIME_DIR=" + (scratch_ / "runtime").string()},
        scratch_.string(), (scratch_ / "designer.out").string(), (scratch_ / "designer.err").string());
  }

  QImage Photograph(const std::string& name) const {
    const QImage shot = display_->Screenshot();
    shot.save(QString::fromStdString((fs::path(SCREENSHOT_FOLDER) / name).string()));
    return shot;
  }

  // The report area once it has the width the zoom level gives it; the
  // screen is read again until it does.
  ScreenRect WaitForReportWidth(int width, QImage* shot = nullptr) const {
    const Clock::time_point deadline = Clock::now() + kScreenTimeout;
    std::optional<ScreenRect> area;
    do {
      const QImage screen = display_->Screenshot();
      area = FindReportArea(screen, kReportColumn);
      if (area && std::abs(area->width - width) <= 2) {
        if (shot) *shot = screen;
        return *area;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (Clock::now() < deadline);
    throw XError("the report area never became " + std::to_string(width) + " pixels wide (last seen " +
                 (area ? std::to_string(area->width) : std::string("nowhere")) + ")");
  }

  // A point of the design at zoom level 0, on the screen.
  int X(int reportX) const { return report_.left + reportX; }
  int Y(int reportY) const { return report_.top + reportY; }
  void ClickTool(ToolButton button) const {
    person_->Click(kFirstBoxLeft + 6 + button * kButtonPitch + kButtonPitch / 2, toolBarTop_ + 14 + 13);
  }
  void ClickDesign(int reportX, int reportY) const { person_->Click(X(reportX), Y(reportY)); }
  void PopupOnDesign(int reportX, int reportY) const { person_->OpenPopup(X(reportX), Y(reportY)); }
  // Edit > Size (F3), then the region's bottom-right corner dragged from a
  // point inside it to a point of its container.
  void SizeRegion(int insideX, int insideY, int cornerX, int cornerY) const {
    person_->Keys({"F3"});
    person_->Drag(X(insideX), Y(insideY), X(cornerX), Y(cornerY));
  }
  // A dialog that has come up, with the keyboard.
  XWindow Dialog(const std::string& name) const {
    const XWindow window = person_->WaitForWindow("^" + name + "$");
    person_->Focus(window);
    return window;
  }
  void BackToMainWindow() const { person_->Focus(main_); }

  fs::path scratch_;
  std::unique_ptr<PrivateDisplay> display_;
  std::unique_ptr<XPerson> person_;
  std::unique_ptr<ChildProcess> designer_;
  XWindow main_;
  ScreenRect report_;
  int toolBarTop_ = 0;
};

TEST_F(DesignerEndToEnd, ANewUserDesignsSavesGeneratesTheScriptAndPrintsTheReport) {
  try {
    StartDesigner();
    person_->Watch(designer_->Pid());
    // The first activation asks for the page layout; OK confirms it.
    Dialog("Report Style");
    person_->Keys({"Return"});
    person_->WaitUntilGone("^Report Style$");
    main_ = person_->WaitForMainWindow(designer_->Pid());
    EXPECT_EQ(main_.width, kScreenWidth) << "the main window opens filling the screen";
    EXPECT_EQ(main_.height, kScreenHeight);
    // The first start shows the page at 85 %; View > Standard shows it at
    // 100 %, where one pixel is 1/100 inch of the design.
    WaitForReportWidth(680);
    BackToMainWindow();
    person_->MenuKeys({"alt+v", "Return"});
    report_ = WaitForReportWidth(800);
    EXPECT_EQ(report_.height, 1000);
    toolBarTop_ = report_.top - kToolBarToReport;
    ASSERT_GT(toolBarTop_, 5) << "no menu bar above the tool bar";

    // The header: a fixed region sized to 760 x 200.
    ClickTool(kFixed);
    ClickDesign(20, 20);
    SizeRegion(300, 100, 780, 220);
    // The detail region, 760 x 400, with a title region of 740 x 40 and a
    // repeat region of 740 x 30 under it.
    ClickTool(kFixed);
    ClickDesign(20, 240);
    SizeRegion(300, 500, 780, 640);
    ClickTool(kTitle);
    ClickDesign(30, 250);
    SizeRegion(300, 400, 770, 290);
    ClickTool(kRepeat);
    ClickDesign(30, 300);
    SizeRegion(300, 450, 770, 330);
    // Text labels stay in their mode: one in the title region, one in the
    // header.
    ClickTool(kText);
    ClickDesign(40, 260);
    ClickDesign(30, 30);
    // A string, an integer and a floating-point variable from Add > Variable.
    person_->MenuKeys({"alt+a", "Down", "Down", "Down", "Right", "Return"});
    ClickDesign(40, 305);
    person_->MenuKeys({"alt+a", "Down", "Down", "Down", "Right", "Down", "Return"});
    ClickDesign(330, 305);
    person_->MenuKeys({"alt+a", "Down", "Down", "Down", "Right", "Down", "Down", "Return"});
    ClickDesign(530, 305);

    // A picture in the header, its file chosen in the open dialog (the
    // image popup's Filename...).
    ClickTool(kImage);
    ClickDesign(420, 30);
    PopupOnDesign(460, 60);
    person_->MenuKeys({"Down", "Down", "Down", "Return"});
    Dialog("Open");
    person_->Type((scratch_ / "IMAGES" / "logo.bmp").string());
    person_->Keys({"Return"});
    person_->WaitUntilGone("^Open$");
    BackToMainWindow();

    // Typed text in a rich-text region of 320 x 90 (Load Text > Direct...).
    ClickTool(kRichText);
    ClickDesign(30, 80);
    SizeRegion(60, 110, 350, 170);
    PopupOnDesign(100, 120);
    person_->MenuKeys({"Down", "Down", "Down", "Right", "Down", "Return"});
    const XWindow paragraph = Dialog("Paragraph");
    person_->Type("Counted every morning.");
    person_->Keys({"Return"});
    person_->Type("Reorder below 20.");
    // The form's OK button, under its menu bar (as high as the main
    // window's).
    person_->Click(paragraph.x + 110 + 37, paragraph.y + toolBarTop_ + 250 + 12);
    person_->WaitUntilGone("^Paragraph$");
    BackToMainWindow();

    // Style > Add Text Style...: "Alarm", bold Liberation Serif of 14 points
    // from the font dialog. Escape in the font dialog first, as a person
    // who changes their mind: the dialog must go as a whole.
    person_->MenuKeys({"alt+s", "Return"});
    const XWindow styleForm = Dialog("StyleForm");
    person_->Type("Alarm");
    person_->Click(styleForm.x + 80 + 45, styleForm.y + 206 + 12);
    Dialog("Font");
    person_->Keys({"Escape"});
    person_->WaitUntilGone("^Font$");
    person_->Focus(styleForm);
    person_->Click(styleForm.x + 80 + 45, styleForm.y + 206 + 12);
    const XWindow font = Dialog("Font");
    person_->Type("Liberation Serif");
    // The labels' accelerators: Font st&yle (Up from Regular is Bold for
    // this family) and &Size.
    person_->Keys({"alt+y", "Up", "alt+s", "ctrl+a"});
    person_->Type("14");
    person_->Click(font.x + font.width - 138, font.y + font.height - 24);
    person_->WaitUntilGone("^Font$");
    person_->Focus(styleForm);
    person_->Click(styleForm.x + 32 + 37, styleForm.y + 256 + 12);
    person_->WaitUntilGone("^StyleForm$");
    BackToMainWindow();

    // The integer variable is highlighted below 20 in that style, through
    // its popup menu.
    PopupOnDesign(340, 311);
    person_->MenuKeys({"Down", "Down", "Down", "Down", "Down", "Down", "Return"});
    Dialog("Variable");
    person_->Type("20");
    person_->Keys({"Return"});
    person_->WaitUntilGone("^Variable$");
    BackToMainWindow();
    PopupOnDesign(340, 311);
    person_->MenuKeys({"Down", "Down", "Down", "Down", "Down", "Down", "Down", "Right", "Return"});
    PopupOnDesign(340, 311);
    person_->MenuKeys({"Down", "Down", "Down", "Down", "Down", "Right", "Down", "Return"});
    Photograph("design.png");

    // Ctrl+S on a design without a name asks for one; without a dot the
    // designer adds ".qnf".
    person_->Keys({"ctrl+s"});
    Dialog("Save As");
    person_->Type((scratch_ / "stock").string());
    person_->Keys({"Return"});
    person_->WaitUntilGone("^Save As$");
    const fs::path templatePath = scratch_ / "stock.qnf";
    // The caption names the file once it is written.
    person_->WaitForWindow("stock\\.qnf$");
    ASSERT_TRUE(fs::exists(templatePath));

    // Code > Generate > Authorware > UCD writes the script beside the
    // template and shows it in the code window.
    BackToMainWindow();
    person_->MenuKeys({"alt+c", "Right", "Right", "Return"});
    const XWindow codeWindow = person_->WaitForWindow("^CodeWindow$");
    {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      const QImage shot = Photograph("code_window.png");
      EXPECT_GT(DarkPixels(shot, codeWindow.x, codeWindow.y, codeWindow.width, codeWindow.height), 500)
          << "the code window shows no script";
    }
    display_->CloseWindow(codeWindow.id);
    person_->WaitUntilGone("^CodeWindow$");

    // The main window at three zoom levels, each with the picture where it
    // was placed (the middle of the 120 x 80 picture at 480, 70). A step
    // out scales the view by 85/100 and a step in by 100/85, while the
    // zoom label counts 15 per step.
    BackToMainWindow();
    struct ZoomShot {
      const char* key;
      const char* label;
      double scale;
    };
    for (const ZoomShot zoom : {ZoomShot{"F5", "85", 0.85}, ZoomShot{"F4", "100", 1.0}, ZoomShot{"F4", "115", 100.0 / 85}}) {
      SCOPED_TRACE(std::string("zoom ") + zoom.label + " %");
      person_->Keys({zoom.key});
      QImage shot;
      const ScreenRect area = WaitForReportWidth(static_cast<int>(800 * zoom.scale + 0.5), &shot);
      shot.save(QString::fromStdString(
          (fs::path(SCREENSHOT_FOLDER) / (std::string("zoom_") + zoom.label + ".png")).string()));
      EXPECT_NEAR(area.height, 1000 * zoom.scale, 2);
      const int centreX = area.left + static_cast<int>(480 * zoom.scale);
      const int centreY = area.top + static_cast<int>(70 * zoom.scale);
      EXPECT_TRUE(IsReddish(shot.pixel(centreX, centreY))) << "no picture at " << centreX << ", " << centreY;
    }

    // File > Exit: the saved design asks nothing, and the program ends.
    person_->MenuKeys({"alt+f", "Up", "Return"});
    const std::optional<int> exitCode = designer_->WaitForExit(kExitTimeout);
    ASSERT_TRUE(exitCode.has_value()) << "the designer did not end";
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(*exitCode, 0) << ReadText(scratch_ / "designer.err");
#endif
  } catch (const XError& error) {
    FAIL() << error.what();
  }

  // The template as the person made it.
  const Sections sections = ReadSections(ReadText(scratch_ / "stock.qnf"));
  const auto value = [&sections](const std::string& section, const std::string& key) {
    const auto found = sections.find(section);
    if (found == sections.end()) return std::string("<no section " + section + ">");
    const auto entry = found->second.find(key);
    return entry == found->second.end() ? std::string("<no key " + key + ">") : entry->second;
  };
  const auto bounds = [&value](const std::string& section) {
    return value(section, "LEFT") + "," + value(section, "TOP") + "," + value(section, "WIDTH") + "," +
           value(section, "HEIGHT") + " in " + value(section, "PARENT");
  };
  EXPECT_EQ(value("REPORT", "RC1"), "FIXEDREGION");
  EXPECT_EQ(bounds("RC1"), "20,20,760,200 in REPORT");
  EXPECT_EQ(value("Region1", "RC2"), "LABEL");
  EXPECT_EQ(value("RC2", "TEXT"), "TEXT2");
  EXPECT_EQ(value("Region1", "RC3"), "IMAGEREGION");
  EXPECT_EQ(bounds("RC3"), "400,10,120,80 in Region1");
  // The file as chosen, in the designer's Windows text.
  EXPECT_TRUE(value("RC3", "IMAGEFILE").ends_with("\\IMAGES\\logo.bmp")) << value("RC3", "IMAGEFILE");
  EXPECT_EQ(value("RC3", "FILELOCATION"), "IMAGES");
  EXPECT_EQ(bounds("RC4"), "10,60,320,90 in Region1");
  EXPECT_EQ(value("RC4", "LINE1"), "Counted every morning.");
  EXPECT_EQ(value("RC4", "LINE2"), "Reorder below 20.");
  EXPECT_EQ(bounds("RC5"), "20,240,760,400 in REPORT");
  EXPECT_EQ(value("Region2", "RC6"), "TITLEREGION");
  EXPECT_EQ(bounds("RC6"), "10,10,740,40 in Region2");
  EXPECT_EQ(value("Region3", "RC7"), "LABEL");
  EXPECT_EQ(value("Region2", "RC8"), "REPEATREGION");
  EXPECT_EQ(bounds("RC8"), "10,60,740,30 in Region2");
  EXPECT_EQ(value("RC9", "VARTYPE") + " " + value("RC10", "VARTYPE") + " " + value("RC11", "VARTYPE"),
            "string integer floatingPoint");
  EXPECT_EQ(value("RC10", "HLWHEN") + " " + value("RC10", "HLVALUE") + " " + value("RC10", "HLSTYLE"),
            "lessThan 20 Alarm");
  EXPECT_EQ(value("RS1", "STYLENAME") + " " + value("RS1", "NAME") + " " + value("RS1", "SIZE") + " " +
                value("RS1", "STYLE"),
            "Alarm Liberation Serif 14 1");

  // The script, placeholders and all.
  const std::string script = ReadText(scratch_ / "mycode.txt");
  EXPECT_EQ(script,
            "zBxCreateReport(fileLocation^\"stock.qnf\")\r\n"
            "zBxBeginRegion(\"Region2\")\r\n"
            "     repeat with i:=1 to --loop count--\r\n"
            "     zBxBeginRegion(\"Region4\")\r\n"
            "          zBxSetVariable(\"VAR1\",--value--)\r\n"
            "          zBxSetVariable(\"VAR2\",--value--)\r\n"
            "          zBxSetVariable(\"VAR3\",--value--)\r\n"
            "     zBxEndRegion()\r\n"
            "     end Repeat\r\n"
            "zBxEndRegion()\r\n"
            "zBxPrintReport()\r\n"
            "zBxFreeReport()\r\n");

  // Filled in as its author would: three records, the first one's 15
  // below the highlight value.
  const std::map<std::string, std::string> values{
      {"VAR1", "\"Article \"^i"}, {"VAR2", "i^\"5\""}, {"VAR3", "\"2.50\""}};
  std::string filled;
  std::istringstream lines(script);
  for (std::string line; std::getline(lines, line);) {
    if (const size_t loop = line.find("--loop count--"); loop != std::string::npos) line.replace(loop, 14, "3");
    for (const auto& [name, text] : values) {
      const std::string placeholder = "\"" + name + "\",--value--";
      if (const size_t at = line.find(placeholder); at != std::string::npos)
        line.replace(at, placeholder.size(), "\"" + name + "\"," + text);
    }
    filled += line + "\n";
  }
  ASSERT_EQ(filled.find("--"), std::string::npos) << filled;
  const fs::path filledPath = scratch_ / "stock.txt";
  std::ofstream(filledPath, std::ios::binary) << filled;

  const fs::path pdf = scratch_ / "stock.pdf";
  const ProgramRun host =
      RunProgram({ZBX_HOST_PATH, ENGINE_LIBRARY_PATH, filledPath.string()},
                 {"QT_QPA_PLATFORM=offscreen", "ZBX_PRINT_TO=" + pdf.string(), "DISPLAY="}, std::chrono::seconds(60));
  ASSERT_EQ(host.exitCode, 0) << host.out << host.err;
  std::istringstream calls(host.out);
  int callCount = 0;
  for (std::string call; std::getline(calls, call); ++callCount) EXPECT_TRUE(call.ends_with(") = 0")) << call;
  // create, begin, three records of begin, three values and end, end,
  // print and free.
  EXPECT_EQ(callCount, 1 + 1 + 3 * 5 + 1 + 1 + 1);
  EXPECT_EQ(host.err.find("Tessel: "), std::string::npos) << host.err;
  ASSERT_TRUE(fs::exists(pdf));

  // The printed page: every text where it was designed (design positions
  // inside their regions added up, on the paper).
  const std::vector<Word> words = WordsOfPage(pdf.string(), 1);
  EXPECT_EQ(LineAt(words, PointsX(20 + 10), PointsY(20 + 10)), "TEXT2");
  EXPECT_EQ(LineAt(words, PointsX(20 + 10), PointsY(20 + 60)), "Counted every morning.");
  EXPECT_EQ(LineAt(words, PointsX(20 + 10), PointsY(20 + 60) + 9), "Reorder below 20.");
  EXPECT_EQ(LineAt(words, PointsX(20 + 10 + 10), PointsY(240 + 10 + 10)), "TEXT1");
  for (int record = 0; record < 3; ++record) {
    SCOPED_TRACE("record " + std::to_string(record + 1));
    const double top = PointsY(240 + 60 + 5) + record * 30 * 0.72;
    EXPECT_EQ(LineAt(words, PointsX(20 + 10 + 10), top), "Article " + std::to_string(record + 1));
    EXPECT_EQ(LineAt(words, PointsX(20 + 10 + 300), top), std::to_string(record + 1) + "5");
    EXPECT_EQ(LineAt(words, PointsX(20 + 10 + 500), top).substr(0, 3), "2.5");
  }
  // The highlighted 15 stands in the 14-point style, the others in the
  // default 8 points; the style's font is in the file.
  const Word* highlighted = FindWord(words, "15");
  const Word* plain = FindWord(words, "25");
  ASSERT_NE(highlighted, nullptr);
  ASSERT_NE(plain, nullptr);
  EXPECT_GT(highlighted->Height(), 1.5 * plain->Height());
  const ProgramRun fonts = RunProgram({"pdffonts", pdf.string()}, {}, std::chrono::seconds(30));
  EXPECT_NE(fonts.out.find("LiberationSerif-Bold"), std::string::npos) << fonts.out;

  // The picture, at 100 pixels per inch: one pixel is one unit of the
  // design. The logo is blue at its top-left corner and has a red middle.
  const ProgramRun render = RunProgram(
      {"pdftoppm", "-r", "100", "-f", "1", "-l", "1", "-png", "-singlefile", pdf.string(), (scratch_ / "page").string()},
      {}, std::chrono::seconds(60));
  ASSERT_EQ(render.exitCode, 0) << render.err;
  QImage page(QString::fromStdString((scratch_ / "page.png").string()));
  ASSERT_FALSE(page.isNull());
  const int pictureLeft = 25 + 20 + 400, pictureTop = 50 + 20 + 10;
  EXPECT_TRUE(IsReddish(page.pixel(pictureLeft + 60, pictureTop + 40)));
  EXPECT_TRUE(IsBluish(page.pixel(pictureLeft + 4, pictureTop + 4)));
  EXPECT_TRUE(IsWhite(page.pixel(pictureLeft - 5, pictureTop - 5)));
  EXPECT_TRUE(IsWhite(page.pixel(pictureLeft + 125, pictureTop + 40)));
}

}  // namespace
}  // namespace end_to_end
