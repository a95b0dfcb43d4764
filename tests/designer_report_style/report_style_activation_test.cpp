// Each showing of the report style dialog starts from the stored report
// style: the fields, the paper entry chosen by size, the orientation, the
// border boxes and the pen.
#include "tests/designer_report_style/report_style_fixture.h"

namespace tessel_test {
namespace {

using ReportStyleActivationTest = ReportStyleTest;

struct PaperCase {
  double width, height;
  int entry;
  const char* text;
};

TEST_F(ReportStyleActivationTest, PaperEntryIsChosenBySize) {
  for (const PaperCase& paper : {PaperCase{8.27, 11.69, 0, "A4: 8.27 X 11.69"},
                                 PaperCase{7.25, 10.5, 1, "Executive: 7.25 X 10.5"},
                                 PaperCase{8.5, 14, 2, "Legal: 8.5 X 14"}, PaperCase{8.5, 11, 3, "Letter: 8.5 X 11"}}) {
    style().PaperWidth = paper.width;
    style().PaperHeight = paper.height;
    ModifyAndPress(
        [&](designer::TReportStyleForm& shown) {
          EXPECT_EQ(shown.ComboBox1->ItemIndex(), paper.entry);
          EXPECT_EQ(shown.ComboBox1->Text(), paper.text);
        },
        "BitBtn2");
  }
  EXPECT_EQ(dialog().ComboBox1->Items(),
            (std::vector<std::string>{"A4: 8.27 X 11.69", "Executive: 7.25 X 10.5", "Legal: 8.5 X 14",
                                      "Letter: 8.5 X 11"}));
}

TEST_F(ReportStyleActivationTest, CustomPaperShowsNoEntryAndIsKeptThroughOk) {
  style().PaperWidth = 8.27;
  style().PaperHeight = 11.69;
  ModifyAndPress([](designer::TReportStyleForm&) {}, "BitBtn1");
  // A template of its own paper size, opened after A4 was shown.
  style().PaperWidth = 9;
  style().PaperHeight = 12;
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        EXPECT_EQ(shown.ComboBox1->ItemIndex(), -1);
        EXPECT_EQ(shown.ComboBox1->Text(), "");
        EXPECT_EQ(shown.WorkingCopy().PaperWidth, 9);
        EXPECT_EQ(shown.WorkingCopy().PaperHeight, 12);
        // The preview shows the paper as it is: 9 x 12 inches at 15 px.
        EXPECT_EQ(shown.Preview().PageWidth, 135);
        EXPECT_EQ(shown.Preview().PageHeight, 180);
      },
      "BitBtn1");
  EXPECT_EQ(style().PaperWidth, 9);
  EXPECT_EQ(style().PaperHeight, 12);
  EXPECT_EQ(form().ScrollBox2->Width(), 900);
  EXPECT_EQ(form().ScrollBox2->Height(), 1200);
}

TEST_F(ReportStyleActivationTest, CustomPaperGivesWayWhenTheAuthorPicksAnEntry) {
  style().PaperWidth = 9;
  style().PaperHeight = 12;
  ModifyAndPress([](designer::TReportStyleForm& shown) { shown.ComboBox1->SelectByUser(2); }, "BitBtn1");
  EXPECT_EQ(style().PaperWidth, 8.5);
  EXPECT_EQ(style().PaperHeight, 14);
}

TEST_F(ReportStyleActivationTest, ControlsShowTheRecord) {
  style().ReportWidth = 7.5;
  style().ReportHeight = 9.25;
  style().Orientation = 1;
  style().ImageDirectory = "C:\\Pictures";
  style().RtfDirectory = "D:\\Texts";
  style().PageBorder = designer::TBorderRecord{8 | 1, 3, 0x0000FF, 2};
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        EXPECT_EQ(shown.widthEB->Text(), "7.5");
        EXPECT_EQ(shown.heightEB->Text(), "9.25");
        EXPECT_TRUE(shown.LandscapeRB->Checked());
        EXPECT_FALSE(shown.PortraitRB->Checked());
        EXPECT_EQ(shown.Edit1->Text(), "C:\\Pictures");
        EXPECT_EQ(shown.Edit2->Text(), "D:\\Texts");
        EXPECT_TRUE(shown.LeftCB->Checked());
        EXPECT_FALSE(shown.TopCB->Checked());
        EXPECT_FALSE(shown.RightCB->Checked());
        EXPECT_TRUE(shown.BottomCB->Checked());
        EXPECT_EQ(shown.penWidthEB->Text(), "3");
        EXPECT_EQ(shown.ComboBox2->Text(), "Dot");
        EXPECT_EQ(shown.PaintBox1->Canvas().Pen.Width, 3);
        EXPECT_EQ(shown.PaintBox1->Canvas().Pen.Color, 0x0000FFu);
        // Filling the fields stored nothing of their own.
        EXPECT_EQ(shown.WorkingCopy().ReportWidth, 7.5);
        EXPECT_EQ(shown.WorkingCopy().PageBorder, (designer::TBorderRecord{9, 3, 0x0000FF, 2}));
      },
      "BitBtn2");
}

TEST_F(ReportStyleActivationTest, SizesUseTheLocaleSeparator) {
  platform::SetDecimalSeparator(',');
  style().ReportWidth = 8.25;
  ModifyAndPress([](designer::TReportStyleForm& shown) { EXPECT_EQ(shown.widthEB->Text(), "8,25"); }, "BitBtn2");
}

TEST_F(ReportStyleActivationTest, EveryShowingStartsFromTheRecordNotThePreviousShowing) {
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.LeftCB->Toggle();
        shown.widthEB->SetText("6");
        shown.LandscapeRB->Choose();
        shown.Edit1->SetText("PICS");
      },
      "BitBtn2");
  EXPECT_EQ(dialog().Edit1->Text(), "PICS");  // kept after Cancel until the next showing
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        EXPECT_FALSE(shown.LeftCB->Checked());
        EXPECT_EQ(shown.widthEB->Text(), "8");
        EXPECT_TRUE(shown.PortraitRB->Checked());
        EXPECT_EQ(shown.Edit1->Text(), "IMAGES");
      },
      "BitBtn1");
  EXPECT_EQ(style().PageBorder.Sides, 0);
  EXPECT_EQ(style().ReportWidth, 8);
}

TEST_F(ReportStyleActivationTest, ReactivationAfterAColourDialogKeepsTheEdits) {
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.widthEB->SetText("6");
        // The window system activates the dialog again when a common
        // dialog closes.
        shown.Activate();
        EXPECT_EQ(shown.widthEB->Text(), "6");
        EXPECT_EQ(shown.WorkingCopy().ReportWidth, 6);
      },
      "BitBtn1");
  EXPECT_EQ(style().ReportWidth, 6);
}

}  // namespace
}  // namespace tessel_test
