// The generated benchmark report: it loads without a message, paginates to
// the rows a page it promises, highlights the rows it claims to, and prints
// to a PDF whose pages carry the rows and the page footer.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_records.h"
#include "bench/bench_session.h"
#include "bench/bench_template.h"
#include "engine/page_layout.h"
#include "engine/report_model.h"
#include "engine/zbx_qn.h"

namespace bench {
namespace {

std::string CommandOutput(const std::string& command) {
  std::string output;
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return output;
  std::array<char, 4096> buffer;
  while (const size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) {
    output.append(buffer.data(), got);
  }
  return output;
}

// pdftotext -layout keeps the columns apart with runs of blanks.
std::string OneBlankBetweenWords(const std::string& text) {
  std::string squeezed;
  for (char c : text) {
    if (c == ' ' && !squeezed.empty() && squeezed.back() == ' ') continue;
    squeezed.push_back(c);
  }
  return squeezed;
}

std::vector<const engine::TPlacedItem*> PlacedNamed(const engine::TPage& page,
                                                    const std::string& name) {
  std::vector<const engine::TPlacedItem*> found;
  for (const auto& placed : page) {
    if (placed->entry->item->Name == name) found.push_back(placed.get());
  }
  return found;
}

class BenchReport : public ::testing::Test {
 protected:
  void TearDown() override { zBxFreeReport(); }
  BenchSession session_;
};

TEST_F(BenchReport, FiftyRowsFillEachPageBetweenHeadingsAndBodyBottom) {
  LoadBenchReport(session_.TemplatePath(), 120);
  engine::RunLayout();
  EXPECT_TRUE(session_.Messages().empty()) << session_.Messages().front();

  const engine::TPageList& pages = engine::GetPages();
  ASSERT_EQ(pages.size(), 1u + 3u);
  EXPECT_EQ(ExpectedPages(120), 3);
  EXPECT_EQ(PlacedNamed(*pages[1], "Row").size(), 50u);
  EXPECT_EQ(PlacedNamed(*pages[2], "Row").size(), 50u);
  EXPECT_EQ(PlacedNamed(*pages[3], "Row").size(), 20u);

  // The body starts at the report's placement (50, 50); rows start under
  // the 15-unit headings and the fiftieth ends on the body's bottom edge.
  const auto rows = PlacedNamed(*pages[2], "Row");
  EXPECT_EQ(rows.front()->rect, (platform::TRect{50, 65, 830, 85}));
  EXPECT_EQ(rows.back()->rect, (platform::TRect{50, 1045, 830, 1065}));
  const auto body = PlacedNamed(*pages[0], "Body");
  ASSERT_EQ(body.size(), 1u);
  EXPECT_EQ(body.front()->rect.Bottom, 1065);
  // The footer and the headings are drawn under every page.
  EXPECT_EQ(PlacedNamed(*pages[0], "PageNumber").size(), 1u);
  EXPECT_EQ(PlacedNamed(*pages[0], "HeadingQuantity").size(), 1u);
}

TEST_F(BenchReport, QuantitiesAboveTheThresholdAreHighlighted) {
  LoadBenchReport(session_.TemplatePath(), 30);
  engine::RunLayout();
  ASSERT_EQ(engine::GetPages().size(), 2u);
  const auto quantities = PlacedNamed(*engine::GetPages()[1], "Quantity");
  ASSERT_EQ(quantities.size(), 30u);
  // Record 24 has quantity 888, record 25 has 925, record 27 has 999.
  EXPECT_EQ(RecordValues(25)[2], "925");
  EXPECT_FALSE(quantities[23]->entry->value->highlighted);
  EXPECT_TRUE(quantities[24]->entry->value->highlighted);
  EXPECT_TRUE(quantities[26]->entry->value->highlighted);
}

TEST_F(BenchReport, PrintsEveryPageToThePdfFile) {
  LoadBenchReport(session_.TemplatePath(), 120);
  zBxPrintReport();
  EXPECT_TRUE(session_.Messages().empty());
  const std::string pdf = session_.PdfPath().string();
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_NE(CommandOutput("pdfinfo '" + pdf + "'").find("Pages:           3\n"),
            std::string::npos);
  const std::string lastPage =
      OneBlankBetweenWords(CommandOutput("pdftotext -layout -f 3 -l 3 '" + pdf + "' -"));
  EXPECT_NE(lastPage.find("Customer 120"), std::string::npos) << lastPage;
  EXPECT_NE(lastPage.find("Order note for record 101"), std::string::npos);
  EXPECT_NE(lastPage.find("Page 3 of 3"), std::string::npos) << lastPage;
  EXPECT_NE(lastPage.find("120 Customer 120 440 120.25 Order note"), std::string::npos);
  EXPECT_EQ(lastPage.find("Customer 100 "), std::string::npos);
}

TEST(BenchPicturesReport, EveryPageDrawsTheLogoAndThePhoto) {
  BenchSession session(BenchPictures::LogoAndPhoto);
  LoadBenchReport(session.TemplatePath(), 120);
  zBxPrintReport();
  EXPECT_TRUE(session.Messages().empty()) << session.Messages().front();
  const auto& pages = engine::GetPages();
  ASSERT_EQ(pages.size(), 1u + 3u);
  EXPECT_EQ(PlacedNamed(*pages[0], "Logo").size(), 1u);
  EXPECT_EQ(PlacedNamed(*pages[0], "Photo").size(), 1u);
  // Each of the three pages draws both pictures.
  const std::string images = CommandOutput("pdfimages -list '" + session.PdfPath().string() + "'");
  EXPECT_NE(images.find("   3     4 image      64    64"), std::string::npos) << images;
  EXPECT_NE(images.find("   3     5 image     160   120"), std::string::npos) << images;
  zBxFreeReport();
}

TEST(BenchPicturesReport, APageOfBitmapsDrawsSixFilesEachOnce) {
  BenchSession session(BenchPictures::PageOfBitmaps);
  LoadBenchReport(session.TemplatePath(), 50);
  zBxPrintReport();
  EXPECT_TRUE(session.Messages().empty()) << session.Messages().front();
  const std::string images = CommandOutput("pdfimages -list '" + session.PdfPath().string() + "'");
  for (const char* size : {"  640   480", "   64    64", "   32    32"}) {
    EXPECT_NE(images.find(std::string(" image   ") + size), std::string::npos) << size << "\n" << images;
  }
  EXPECT_NE(images.find("   1     5 image"), std::string::npos) << images;
  EXPECT_EQ(images.find("   1     6 image"), std::string::npos) << images;
  zBxFreeReport();
}

TEST(BenchRecords, ValuesOfARecordInColumnOrder) {
  EXPECT_EQ(RecordValues(1),
            (std::array<std::string, 5>{"1", "Customer 1", "37", "1.25", "Order note for record 1"}));
  EXPECT_EQ(RecordValues(100000)[2], "0");
  EXPECT_EQ(RecordValues(100000)[3], "0.25");
}

TEST(BenchTemplate, ExpectedPagesRoundsUpWholeRecords) {
  EXPECT_EQ(ExpectedPages(0), 0);
  EXPECT_EQ(ExpectedPages(1), 1);
  EXPECT_EQ(ExpectedPages(50), 1);
  EXPECT_EQ(ExpectedPages(51), 2);
  EXPECT_EQ(ExpectedPages(10000), 200);
  EXPECT_EQ(ExpectedPages(100000), 2000);
}

TEST(BenchSessionFolder, GoesWithTheSession) {
  std::filesystem::path folder;
  {
    BenchSession session;
    folder = session.TemplatePath().parent_path();
    EXPECT_TRUE(std::filesystem::is_regular_file(session.TemplatePath()));
    EXPECT_EQ(session.PdfPath().parent_path(), folder);
  }
  EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
}  // namespace bench
