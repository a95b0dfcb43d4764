// A design placed as the author places it, saved, and printed by the engine
// through the host stand-in: the texts stand on the page where they were
// designed, a highlighted value in its highlight style.
#include <QImage>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "tests/designer_templates/template_fixture.h"
#include "tests/host_script/host_process.h"
#include "tests/printing/pdf_tools.h"

namespace tessel_test {
namespace {

using designer::TForm1;

struct Word {
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// The boxes of the words of page 1, in points from the top-left corner.
std::map<std::string, std::vector<Word>> WordsOf(const std::string& pdf) {
  std::map<std::string, std::vector<Word>> words;
  std::istringstream lines(CommandOutput("pdftotext -f 1 -l 1 -bbox '" + pdf + "' - 2>/dev/null"));
  std::string line;
  while (std::getline(lines, line)) {
    Word word;
    char text[256] = {};
    if (std::sscanf(line.c_str(), " <word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%255[^<]", &word.xMin,
                    &word.yMin, &word.xMax, &word.yMax, text) == 5)
      words[text].push_back(word);
  }
  return words;
}

class EndToEnd : public TemplateTest {};

TEST_F(EndToEnd, TheEnginePrintsTheSavedDesignWhereItWasPlaced) {
  if (!std::filesystem::exists(ENGINE_LIBRARY_PATH)) GTEST_SKIP() << "the engine is not built";
  TForm1& f = form();
  // New centres the 8 x 10 inch report on letter paper: 0.25 and 0.5 inch.
  modals->Press("ReportStyleForm", "BitBtn1");
  f.Blank1Click(nullptr);
  std::vector<designer::TStyleRecord*>& styles = f.Program().StyleList;
  *styles[1] = designer::TStyleRecord{0, "Heading", 1, 14, 0x800000, "Arial", "NONE"};
  *styles[2] = designer::TStyleRecord{0, "Alert", 1, 16, 0x0000FF, "Arial", "NONE"};
  f.CreateStyleMenuItems(1);
  f.CreateStyleMenuItems(2);
  f.FStyleCount = 3;

  designer::TRegion* body = Fixed(f.REPORT, 50, 50);
  ASSERT_NE(body, nullptr);
  body->SetName("Body");
  designer::TStyledLabel* title = Text(body, 20, 10);
  ASSERT_NE(title, nullptr);
  title->SetCaption("Invoice");
  f.ApplyStyle(title, *styles[1]);
  auto* rows = Place<designer::TRegion>(&TForm1::Repeat1Click, body, 10, 100);
  ASSERT_NE(rows, nullptr);
  rows->SetName("Rows");
  rows->SetBounds(10, 100, 500, 30);
  auto* item = Place<designer::TVariableLabel>(&TForm1::String1Click, rows, 10, 5);
  auto* quantity = Place<designer::TVariableLabel>(&TForm1::Integer1Click, rows, 200, 5);
  ASSERT_NE(item, nullptr);
  ASSERT_NE(quantity, nullptr);
  item->SetName("Item");
  item->SetCaption("Item");
  quantity->SetName("Qty");
  quantity->SetCaption("Qty");
  quantity->HighlightWhen = designer::hlType::greaterThan;
  quantity->HighlightValue = "10";
  quantity->HighlightStyle = "Alert";
  SaveAs("invoice.qnf");
  ASSERT_TRUE(Errors().empty());

  host_test::ScratchFolder scratch;
  std::filesystem::copy_file(folder() + "/invoice.qnf", scratch.Path() / "invoice.qnf");
  const std::filesystem::path script = scratch.Write("invoice.txt",
                                                     "zBxCreateReport(fileLocation^\"invoice.qnf\")\n"
                                                     "zBxBeginRegion(\"Body\")\n"
                                                     "zBxBeginRegion(\"Rows\")\n"
                                                     "zBxSetVariable(\"Item\",\"Apples\")\n"
                                                     "zBxSetVariable(\"Qty\",\"5\")\n"
                                                     "zBxEndRegion()\n"
                                                     "zBxBeginRegion(\"Rows\")\n"
                                                     "zBxSetVariable(\"Item\",\"Pears\")\n"
                                                     "zBxSetVariable(\"Qty\",\"42\")\n"
                                                     "zBxEndRegion()\n"
                                                     "zBxEndRegion()\n"
                                                     "Result:=zBxPrintReport()\n"
                                                     "zBxFreeReport()\n");
  const std::string pdf = (scratch.Path() / "invoice.pdf").string();
  const host_test::HostRun run =
      host_test::RunProgram(scratch, {ZBX_HOST_PATH, ENGINE_LIBRARY_PATH, script.string()}, {"ZBX_PRINT_TO=" + pdf});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err.find("Tessel: "), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find(") = -"), std::string::npos) << run.out;
  EXPECT_EQ(PdfInfo(pdf)["Pages"], "1");

  // A point is 0.72 of a hundredth inch; the report stands 25 and 50
  // hundredths from the paper's corner, the body 50 in from the report.
  const auto at = [](int hundredths) { return hundredths * 0.72; };
  std::map<std::string, std::vector<Word>> words = WordsOf(pdf);
  for (const char* text : {"Invoice", "Apples", "Pears", "5", "42"}) ASSERT_EQ(words[text].size(), 1u) << text;
  const Word invoice = words["Invoice"][0];
  EXPECT_NEAR(invoice.xMin, at(25 + 50 + 20), 1.5);
  EXPECT_NEAR(invoice.yMin, at(50 + 50 + 10), 2.0);
  const Word apples = words["Apples"][0];
  EXPECT_NEAR(apples.xMin, at(25 + 50 + 10 + 10), 1.5);
  EXPECT_NEAR(apples.yMin, at(50 + 50 + 100 + 5), 2.0);
  const Word five = words["5"][0];
  EXPECT_NEAR(five.xMin, at(25 + 50 + 10 + 200), 1.5);
  EXPECT_NEAR(five.yMin, apples.yMin, 0.5);
  // The second entry stands one region height lower.
  const Word pears = words["Pears"][0];
  EXPECT_NEAR(pears.xMin, apples.xMin, 0.5);
  EXPECT_NEAR(pears.yMin, apples.yMin + at(30), 1.0);
  const Word fortyTwo = words["42"][0];
  EXPECT_NEAR(fortyTwo.xMin, five.xMin, 1.5);

  // 42 is above 10: highlighted, twice as large and red.
  EXPECT_GT(fortyTwo.yMax - fortyTwo.yMin, 1.6 * (five.yMax - five.yMin));
  const std::string png = (scratch.Path() / "page").string();
  CommandOutput("pdftoppm -f 1 -l 1 -r 72 -png '" + pdf + "' '" + png + "'");
  QImage page(QString::fromStdString(png + "-1.png"));
  ASSERT_FALSE(page.isNull());
  const auto redPixels = [&page](const Word& word) {
    int red = 0;
    for (int y = static_cast<int>(word.yMin); y <= static_cast<int>(word.yMax); ++y)
      for (int x = static_cast<int>(word.xMin); x <= static_cast<int>(word.xMax); ++x) {
        const QColor pixel = page.pixelColor(x, y);
        red += pixel.red() > 150 && pixel.green() < 90 && pixel.blue() < 90 ? 1 : 0;
      }
    return red;
  };
  EXPECT_GT(redPixels(fortyTwo), 5);
  EXPECT_EQ(redPixels(five), 0);
}

// The engine prints a text as the designer shows it, quotes included,
// and a CR-only template as its CR LF twin.
TEST_F(EndToEnd, TextsInQuotesPrintAsTheDesignerShowsThem) {
  if (!std::filesystem::exists(ENGINE_LIBRARY_PATH)) GTEST_SKIP() << "the engine is not built";
  TForm1& f = form();
  modals->Press("ReportStyleForm", "BitBtn1");
  f.Blank1Click(nullptr);
  designer::TRegion* body = Fixed(f.REPORT, 50, 50);
  ASSERT_NE(body, nullptr);
  const std::vector<std::string> texts = {"'Total'", "\"Sum\"", "'Half\""};
  for (std::size_t i = 0; i < texts.size(); ++i) Text(body, 20, 10 + 40 * static_cast<int>(i))->SetCaption(texts[i]);
  SaveAs("quotes.qnf");
  ASSERT_TRUE(Errors().empty());

  // The same file with its lines ended by CR alone prints the same.
  std::string crOnly;
  for (char c : Bytes("quotes.qnf"))
    if (c != '\n') crOnly += c;
  for (const std::string& bytes : {Bytes("quotes.qnf"), crOnly}) {
    host_test::ScratchFolder scratch;
    scratch.Write("quotes.qnf", bytes);
    const std::filesystem::path script = scratch.Write(
        "quotes.txt", "zBxCreateReport(fileLocation^\"quotes.qnf\")\nzBxPrintReport()\nzBxFreeReport()\n");
    const std::string pdf = (scratch.Path() / "quotes.pdf").string();
    const host_test::HostRun run =
        host_test::RunProgram(scratch, {ZBX_HOST_PATH, ENGINE_LIBRARY_PATH, script.string()}, {"ZBX_PRINT_TO=" + pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find("Tessel: "), std::string::npos) << run.err;
    std::vector<std::string> lines;
    std::istringstream printed(CommandOutput("pdftotext -f 1 -l 1 -raw '" + pdf + "' - 2>/dev/null"));
    for (std::string line; std::getline(printed, line);)
      if (line.find_first_not_of(" \f") != std::string::npos) lines.push_back(line.substr(line.find_first_not_of(" \f")));
    EXPECT_EQ(lines, texts);
  }
}

}  // namespace
}  // namespace tessel_test
