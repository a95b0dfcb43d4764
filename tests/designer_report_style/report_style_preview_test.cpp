// The preview of the report style dialog: the paper in grey, the printable
// area in white, the border lines 5 pixels inside it, at 15 pixels per
// inch with every coordinate rounded on its own, halves to even.
#include "tests/designer_report_style/canvas_text.h"
#include "tests/designer_report_style/report_style_fixture.h"

namespace tessel_test {
namespace {

using ReportStylePreviewTest = ReportStyleTest;
using Lines = std::vector<std::string>;

Lines Drawn(designer::TReportStyleForm& shown) { return CanvasText(shown.PaintBox1->Canvas().Calls); }

TEST_F(ReportStylePreviewTest, PortraitLetterWithEveryBorderSide) {
  style().PageBorder = designer::TBorderRecord{15, 2, 0, 0};
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        EXPECT_EQ(shown.PaintBox1->Width(), 217);
        EXPECT_EQ(shown.PaintBox1->Height(), 201);
        // Page 127.5 x 165; area 120 x 150 at (3.75, 7.5).
        EXPECT_EQ(Drawn(shown), (Lines{"fill 0,0,128,165 808080", "fill 4,8,124,158 FFFFFF",
                                       "line 9,12-9,152 w2 s0 c000000", "line 119,12-119,152 w2 s0 c000000",
                                       "line 9,12-119,12 w2 s0 c000000", "line 9,152-119,152 w2 s0 c000000"}));
      },
      "BitBtn2");
}

TEST_F(ReportStylePreviewTest, LandscapeLetterTurnsPageAndArea) {
  style().PageBorder = designer::TBorderRecord{15, 2, 0, 0};
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.LandscapeRB->Choose();
        EXPECT_EQ(shown.WorkingCopy().Orientation, 1);
        EXPECT_EQ(Drawn(shown), (Lines{"fill 0,0,165,128 808080", "fill 8,4,158,124 FFFFFF",
                                       "line 12,9-12,119 w2 s0 c000000", "line 152,9-152,119 w2 s0 c000000",
                                       "line 12,9-152,9 w2 s0 c000000", "line 12,119-152,119 w2 s0 c000000"}));
        shown.PortraitRB->Choose();
        EXPECT_EQ(shown.WorkingCopy().Orientation, 0);
        EXPECT_EQ(Drawn(shown)[0], "fill 0,0,128,165 808080");
      },
      "BitBtn2");
}

TEST_F(ReportStylePreviewTest, PaperEntryRedrawsAndStoresItsSize) {
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.ComboBox1->SelectByUser(0);
        EXPECT_EQ(shown.WorkingCopy().PaperWidth, 8.27);
        EXPECT_EQ(shown.WorkingCopy().PaperHeight, 11.69);
        // 124.05 x 175.35; area 120 x 150 at (2.025, 12.675).
        EXPECT_EQ(Drawn(shown), (Lines{"fill 0,0,124,175 808080", "fill 2,13,122,163 FFFFFF"}));
        shown.ComboBox1->SelectByUser(2);
        EXPECT_EQ(Drawn(shown), (Lines{"fill 0,0,128,210 808080", "fill 4,30,124,180 FFFFFF"}));
      },
      "BitBtn2");
}

TEST_F(ReportStylePreviewTest, SideBitsAreRebuiltFromTheBoxesLeftRightTopBottom) {
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.BottomCB->Toggle();
        EXPECT_EQ(shown.WorkingCopy().PageBorder.Sides, 1);
        shown.TopCB->Toggle();
        EXPECT_EQ(shown.WorkingCopy().PageBorder.Sides, 3);
        shown.LeftCB->Toggle();
        EXPECT_EQ(shown.WorkingCopy().PageBorder.Sides, 11);
        shown.RightCB->Toggle();
        EXPECT_EQ(shown.WorkingCopy().PageBorder.Sides, 15);
        shown.TopCB->Toggle();
        EXPECT_EQ(shown.WorkingCopy().PageBorder.Sides, 13);
        // Drawn in the order Left, Right, Bottom, whatever order they were
        // ticked in.
        const Lines drawn = Drawn(shown);
        EXPECT_EQ(Lines(drawn.begin() + 2, drawn.end()),
                  (Lines{"line 9,12-9,152 w2 s0 c000000", "line 119,12-119,152 w2 s0 c000000",
                         "line 9,152-119,152 w2 s0 c000000"}));
      },
      "BitBtn1");
  EXPECT_EQ(style().PageBorder.Sides, 13);
}

TEST_F(ReportStylePreviewTest, PenStyleColourAndWidthReachTheLines) {
  dialogs->Reply(platform::DialogReply{platform::mrOk, "", {}, 0x00FF00});
  dialogs->ReplyCancel();
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.LeftCB->Toggle();
        shown.ComboBox2->SelectByUser(3);
        shown.penWidthEB->SetText("4");
        shown.Button3->Click();
        EXPECT_EQ(Drawn(shown).back(), "line 9,12-9,152 w4 s3 c00FF00");
        // A cancelled colour dialog answers its previous colour.
        shown.Button3->Click();
        EXPECT_EQ(Drawn(shown).back(), "line 9,12-9,152 w4 s3 c00FF00");
        shown.ComboBox2->SelectByUser(0);
        EXPECT_EQ(Drawn(shown).back(), "line 9,12-9,152 w4 s0 c00FF00");
      },
      "BitBtn1");
  EXPECT_EQ(style().PageBorder, (designer::TBorderRecord{8, 4, 0x00FF00, 0}));
  ASSERT_EQ(dialogs->Requests().size(), 2u);
  EXPECT_EQ(dialogs->Requests()[0].kind, platform::DialogRequest::Kind::Color);
}

TEST_F(ReportStylePreviewTest, ReportSizeFieldsRedrawTheArea) {
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.widthEB->SetText("7");
        // Area 105 x 150 on the 127.5-wide page: left 11.25.
        EXPECT_EQ(Drawn(shown)[1], "fill 11,8,116,158 FFFFFF");
        shown.heightEB->SetText("10.5");
        // 157.5 high: top 3.75, bottom 161.25.
        EXPECT_EQ(Drawn(shown)[1], "fill 11,4,116,161 FFFFFF");
      },
      "BitBtn2");
}

}  // namespace
}  // namespace tessel_test
