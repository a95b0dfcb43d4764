// Style > Modify Report Style: after OK the page is laid out anew at zoom
// level 0 from the stored style, the report area centred on the paper as
// the page shows it; after Cancel nothing changes. Only an OK that changed
// the style makes the template unsaved.
#include "designer/objects/regions.h"
#include "tests/designer_report_style/report_style_fixture.h"

namespace tessel_test {
namespace {

using ModifyReportStyleTest = ReportStyleTest;

void ExpectPage(designer::TForm1& f, platform::TBounds paper, platform::TBounds report) {
  EXPECT_EQ(f.ScrollBox2->Width(), paper.Width);
  EXPECT_EQ(f.ScrollBox2->Height(), paper.Height);
  EXPECT_EQ(f.REPORT->Bounds(), report);
}

TEST_F(ModifyReportStyleTest, PortraitOkCentresTheReportOnThePaper) {
  ModifyAndPress(
      [this](designer::TReportStyleForm&) { EXPECT_FALSE(form().ScrollBox2->Visible()); }, "BitBtn1");
  EXPECT_TRUE(form().ScrollBox2->Visible());
  EXPECT_EQ(style().PlaceLeft, 0.25);
  EXPECT_EQ(style().PlaceTop, 0.5);
  ExpectPage(form(), {0, 0, 850, 1100}, {25, 50, 800, 1000});
  EXPECT_FALSE(form().FModified);
}

TEST_F(ModifyReportStyleTest, LandscapeLetterWithAnEightByTenReport) {
  ModifyAndPress([](designer::TReportStyleForm& shown) { shown.LandscapeRB->Choose(); }, "BitBtn1");
  EXPECT_EQ(style().Orientation, 1);
  ExpectPage(form(), {0, 0, 1100, 850}, {50, 25, 1000, 800});
  // The placement is where the page shows the report.
  EXPECT_EQ(style().PlaceLeft, 0.5);
  EXPECT_EQ(style().PlaceTop, 0.25);
  EXPECT_TRUE(form().FModified);
}

TEST_F(ModifyReportStyleTest, PageSizesRoundHalvesToEven) {
  // A4 with a report of 8.125 x 10.125 inches: 826.999.. and 1169 for the
  // paper, 812.5 and 1012.5 for the report, 7.5 and 78.5 for its place.
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.ComboBox1->SelectByUser(0);
        shown.widthEB->SetText("8.125");
        shown.heightEB->SetText("10.125");
      },
      "BitBtn1");
  ExpectPage(form(), {0, 0, 827, 1169}, {8, 78, 812, 1012});
}

TEST_F(ModifyReportStyleTest, OkFromAnotherZoomLevelLaysOutAtLevelZero) {
  Activate();
  ASSERT_EQ(program().ZoomLevel, -1);
  ModifyAndPress([](designer::TReportStyleForm& shown) { shown.heightEB->SetText("9"); }, "BitBtn1");
  EXPECT_EQ(program().ZoomLevel, 0);
  EXPECT_EQ(form().zoomLabel->Caption(), "100");
  ExpectPage(form(), {0, 0, 850, 1100}, {25, 100, 800, 900});
}

TEST_F(ModifyReportStyleTest, CancelLeavesStylePageAndZoomAsTheyWere) {
  Activate();
  const designer::TReportStyle before = style();
  const platform::TBounds paper = form().ScrollBox2->Bounds(), report = form().REPORT->Bounds();
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.widthEB->SetText("6");
        shown.LandscapeRB->Choose();
      },
      "BitBtn2");
  EXPECT_EQ(style(), before);
  EXPECT_EQ(program().ZoomLevel, -1);
  EXPECT_EQ(form().ScrollBox2->Bounds(), paper);
  EXPECT_EQ(form().REPORT->Bounds(), report);
  EXPECT_TRUE(form().ScrollBox2->Visible());
  EXPECT_FALSE(form().FModified);
}

TEST_F(ModifyReportStyleTest, OnlyAChangingOkMakesTheTemplateUnsaved) {
  Activate();
  EXPECT_FALSE(form().FModified);
  ModifyAndPress([](designer::TReportStyleForm&) {}, "BitBtn1");
  EXPECT_FALSE(form().FModified);
  // Typing a size back to what it was is no change either.
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.widthEB->SetText("7");
        shown.widthEB->SetText("8");
      },
      "BitBtn1");
  EXPECT_FALSE(form().FModified);
  ModifyAndPress([](designer::TReportStyleForm& shown) { shown.BottomCB->Toggle(); }, "BitBtn2");
  EXPECT_FALSE(form().FModified);
  ModifyAndPress([](designer::TReportStyleForm& shown) { shown.BottomCB->Toggle(); }, "BitBtn1");
  EXPECT_TRUE(form().FModified);
}

TEST_F(ModifyReportStyleTest, AFolderAloneIsAChange) {
  ModifyAndPress([](designer::TReportStyleForm& shown) { shown.Edit2->SetText("C:\\Texts"); }, "BitBtn1");
  EXPECT_EQ(style().RtfDirectory, "C:\\Texts");
  EXPECT_EQ(style().ImageDirectory, "IMAGES");
  EXPECT_TRUE(form().FModified);
}

TEST_F(ModifyReportStyleTest, BrowseTakesTheFolderOfTheChosenFile) {
  dialogs->ReplyFile("C:\\Reports\\Pictures\\logo.bmp");
  dialogs->ReplyFile("D:\\story.rtf");
  dialogs->ReplyFile("\\home\\author\\pictures\\logo.jpg");
  dialogs->ReplyFile("\\logo.jpg");
  dialogs->ReplyCancel();
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.Button1->Click();
        EXPECT_EQ(shown.Edit1->Text(), "C:\\Reports\\Pictures");
        shown.Button2->Click();
        EXPECT_EQ(shown.Edit2->Text(), "D:\\");
        shown.Button1->Click();
        EXPECT_EQ(shown.Edit1->Text(), "\\home\\author\\pictures");
        shown.Button1->Click();
        EXPECT_EQ(shown.Edit1->Text(), "\\");
        // Cancelling the file dialog changes nothing.
        shown.Button2->Click();
        EXPECT_EQ(shown.Edit2->Text(), "D:\\");
      },
      "BitBtn1");
  EXPECT_EQ(style().ImageDirectory, "\\");
  EXPECT_EQ(style().RtfDirectory, "D:\\");
  const platform::DialogRequest& request = dialogs->Requests().front();
  EXPECT_EQ(request.kind, platform::DialogRequest::Kind::OpenFile);
  EXPECT_EQ(request.filter, "");
  EXPECT_EQ(request.caption, "");
}

TEST_F(ModifyReportStyleTest, RegionBordersAreDrawnAgainAfterTheLayout) {
  auto* region = new designer::TRegion(form().REPORT);
  region->SetName("Region1");
  region->SetParent(form().REPORT);
  region->SetBounds(10, 10, 200, 100);
  region->FBorder = designer::TBorderRecord{15, 1, 0, 0};
  program().BordersShown = true;
  ModifyAndPress([](designer::TReportStyleForm&) {}, "BitBtn1");
  EXPECT_EQ(region->FPaintBox->Canvas().Calls.size(), 8u);
}

}  // namespace
}  // namespace tessel_test
