#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "platform/drawing/drawn_text_size.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"
#include "tests/report_printing/printing_fixture.h"

namespace {

using namespace printing_test;
using Strings = std::vector<std::string>;

using PrintAllPagesTest = PrintingFixture;

TEST_F(PrintAllPagesTest, ThreePagesEachOverTheStaticLayerInOneJob) {
  BuildReport(3);
  engine::PrintAllPages();
  EXPECT_EQ(printer.Log, (Strings{"SetOrientation 0", "BeginDoc", "NewPage", "NewPage", "EndDoc"}));
  ASSERT_EQ(printer.Jobs.size(), 1u);
  const auto& job = printer.Jobs[0];
  EXPECT_TRUE(job.ended);
  EXPECT_FALSE(job.aborted);
  ASSERT_EQ(job.pages.size(), 3u);
  EXPECT_EQ(PageTexts(job.pages[0]), (Strings{"Header", "1", "3", "Body 1"}));
  EXPECT_EQ(PageTexts(job.pages[1]), (Strings{"Header", "2", "3", "Body 2"}));
  EXPECT_EQ(PageTexts(job.pages[2]), (Strings{"Header", "3", "3", "Body 3"}));
}

TEST_F(PrintAllPagesTest, StaticLayerAloneIsOnePageCountedAsOne) {
  BuildReport(0);
  engine::PrintAllPages();
  EXPECT_EQ(printer.Log, (Strings{"SetOrientation 0", "BeginDoc", "EndDoc"}));
  ASSERT_EQ(printer.Jobs.size(), 1u);
  ASSERT_EQ(printer.Jobs[0].pages.size(), 1u);
  EXPECT_EQ(PageTexts(printer.Jobs[0].pages[0]), (Strings{"Header", "1", "1"}));
}

TEST_F(PrintAllPagesTest, DeviceCoordinatesOfA600PpiPrinterWithOffsets) {
  AddStaticLayer();
  engine::TPage& page = AddBodyPage("Placed");
  page[0]->rect = {150, 200, 400, 230};
  engine::PrintAllPages();
  ASSERT_EQ(printer.Jobs.size(), 1u);
  const auto texts = CallsOf(printer.Jobs[0].pages.at(0).Calls, platform::CanvasCall::Kind::TextOut);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[3].text, "Placed");
  EXPECT_EQ(texts[3].rect.Left, 800);
  EXPECT_EQ(texts[3].rect.Top, 1080);
  // The static header at (50, 50): 300 - 100, 300 - 120.
  EXPECT_EQ(texts[0].rect.Left, 200);
  EXPECT_EQ(texts[0].rect.Top, 180);
}

// An image region in the report showing a file of the given bytes, written
// into folder, which becomes the template folder.
rcDefItem& ImageRegionOf(TemplateList& items, const QTemporaryDir& folder, const std::string& file,
                         const std::string& bytes) {
  std::ofstream((folder.path() + "/").toStdString() + file, std::ios::binary) << bytes;
  engine::SetTemplateFolder(platform::AbsoluteWindowsPath(folder.path().toStdString()));
  engine::rcGraphicRegion region;
  region.Parent = "REPORT";
  region.FileName = file;
  return Add(items, "ImageRegion1", engine::kImageRegion, region);
}

TEST_F(PrintAllPagesTest, APictureOfAnotherTypeStopsOnlyItsOwnPage) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  rcDefItem& image = ImageRegionOf(items, folder, "anim.gif", "GIF89a");
  rcDefItem& after = Add(items, "After", engine::kLabel, Label("REPORT", "after", nullptr));

  BuildReport(3);
  engine::TPage& second = *engine::GetPages()[2];
  second.push_back(Placed(image, {0, 0, 50, 50}));
  second.push_back(Placed(after, {0, 60, 50, 80}));

  platform::ScopedMessageRecorder messages;
  engine::PrintAllPages();
  engine::SetTemplateFolder("");
  EXPECT_EQ(messages.Texts(), (Strings{"Tessel: Expected BMP or JPG extention, found - .gif\"  "}));
  ASSERT_EQ(printer.Jobs.size(), 1u);
  const auto& pages = printer.Jobs[0].pages;
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(PageTexts(pages[1]), (Strings{"Header", "2", "3", "Body 2"}));
  EXPECT_EQ(PageTexts(pages[2]), (Strings{"Header", "3", "3", "Body 3"}));
  EXPECT_TRUE(printer.Jobs[0].ended);
}

TEST_F(PrintAllPagesTest, APictureOnEveryPageIsReadOnceAJob) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  rcDefItem& image = ImageRegionOf(items, folder, "broken.bmp", "BM no bitmap at all");

  BuildReport(3);
  // In the static layer (drawn under every page) and twice on the last page.
  engine::GetPages()[0]->push_back(Placed(image, {0, 0, 50, 50}));
  engine::GetPages()[3]->push_back(Placed(image, {0, 60, 50, 110}));
  engine::GetPages()[3]->push_back(Placed(image, {0, 120, 50, 170}));

  platform::ScopedMessageRecorder messages;
  engine::PrintAllPages();
  engine::PrintAllPages();
  engine::SetTemplateFolder("");
  // Said once in each job, not on every page.
  ASSERT_EQ(messages.Texts().size(), 2u);
  EXPECT_EQ(messages.Texts()[0].rfind("Tessel: Picture could not be read: ", 0), 0u) << messages.Texts()[0];
  EXPECT_EQ(messages.Texts()[1], messages.Texts()[0]);
  ASSERT_EQ(printer.Jobs.size(), 2u);
  EXPECT_EQ(PageTexts(printer.Jobs[1].pages.at(2)), (Strings{"Header", "3", "3", "Body 3"}));
}

TEST_F(PrintAllPagesTest, AJobThatCannotStartRaisesThePrinterError) {
  platform::RecordingPrinter failing({.failBeginDoc = true});
  platform::TPrinter* mine = platform::SetPrinter(&failing);
  BuildReport(2);
  EXPECT_THROW(engine::PrintAllPages(), platform::EPrinter);
  platform::SetPrinter(mine);
  EXPECT_TRUE(failing.Jobs.empty() || failing.Jobs[0].pages.empty());
}

// The recording printer's Letter sheet at 600 pixels per inch, offsets 100
// and 120, is (0, 0, 850, 1100) in layout units. What is drawn counts, not
// the box around it, and static content counts as the host's data does.
TEST_F(PrintAllPagesTest, ContentDrawnOffThePrintersSheetIsToldOnceAfterTheJob) {
  rcDefItem& amount = Add(items, "Amount", engine::kVariable,
                          Variable("REPORT", engine::kVarString, nullptr));
  rcDefItem& caption = Add(items, "Caption", engine::kLabel, Label("REPORT", "caption", nullptr));
  const auto value = ValuePair(amount, std::string("125"));
  const std::string kLeftOut =
      "Tessel: Some of the report's data did not fit on its pages and was left out.";
  // The lowest top at which "125" still ends on the sheet (6,600 pixels).
  const int32_t lastTop = (6600 - platform::DrawnTextSize({}, "125", 600).Y) / 6;
  struct Case {
    const char* where;
    TRect rect;
    bool value;
    bool told;
  };
  const Case cases[] = {
      {"text ending on the bottom edge, its box beyond", {0, lastTop, 200, lastTop + 100}, true, false},
      {"text a unit lower", {0, lastTop + 1, 200, lastTop + 21}, true, true},
      {"a unit left of the sheet", {-1, 500, 199, 520}, true, true},
      {"short text in a box past the right edge", {700, 500, 951, 520}, true, false},
      {"text running past the right edge", {840, 500, 850, 520}, true, true},
      {"a static label below the sheet", {0, 1200, 200, 1220}, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    engine::FreePageList();
    engine::InitPageList();
    BuildReport(2);
    // On both pages, and in two copies: four sheets, one job, one message.
    for (size_t page = 1; page <= 2; ++page) {
      engine::GetPages()[page]->push_back(c.value ? PlacedValue(*value, c.rect) : Placed(caption, c.rect));
    }
    ASSERT_TRUE(printer.ApplySettings({{}, 2, true, {}}));
    platform::ScopedMessageRecorder messages;
    printer.Log.clear();
    engine::PrintAllPages();
    EXPECT_EQ(messages.Texts(), c.told ? Strings{kLeftOut} : Strings{});
    EXPECT_EQ(printer.Log.back(), "EndDoc");

    // The preview's Print Page: a job of one page.
    engine::DrawOnePage(2);
    EXPECT_EQ(messages.Texts(), c.told ? (Strings{kLeftOut, kLeftOut}) : Strings{});

    // The preview has no sheet to fall off.
    platform::RecordingCanvas canvas;
    engine::SelectTarget(engine::TargetKind::Preview, &canvas);
    engine::DrawOnePage(2);
    engine::SelectTarget(engine::TargetKind::Printer, nullptr);
    EXPECT_EQ(messages.Texts().size(), c.told ? 2u : 0u);
  }
}

TEST_F(PrintAllPagesTest, NothingWhileTheErrorFlagIsSet) {
  BuildReport(2);
  engine::SetErrorFlag();
  engine::PrintAllPages();
  EXPECT_TRUE(printer.Log.empty());
  EXPECT_TRUE(printer.Jobs.empty());
}

TEST_F(PrintAllPagesTest, OnThePreviewEveryPageGoesToTheOneCanvasWithoutAJob) {
  BuildReport(2);
  platform::RecordingCanvas canvas;
  engine::SelectTarget(engine::TargetKind::Preview, &canvas);
  engine::PrintAllPages();
  EXPECT_TRUE(printer.Log.empty());
  EXPECT_EQ(TextsOf(canvas.Calls), (Strings{"Header", "1", "2", "Body 1", "Header", "2", "2", "Body 2"}));
}

}  // namespace
