// What the report style dialog makes of typed text, and how it may end:
// OK only with sizes a page can have, Cancel and the close box storing
// nothing, and the first showing at start-up ending only with OK.
#include "platform/dialogs/dialog_service.h"
#include "tests/designer_report_style/report_style_fixture.h"

namespace tessel_test {
namespace {

using ReportStyleFieldsTest = ReportStyleTest;

const char* const kWidthMessage = "Report width must be a number greater than 0 and at most 200 inches.";
const char* const kHeightMessage = "Report height must be a number greater than 0 and at most 200 inches.";

TEST_F(ReportStyleFieldsTest, SizeTextThatIsNoNumberStoresNothingAndRaisesNothing) {
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        for (const char* text : {"", "-", "abc", "8x"}) {
          shown.widthEB->SetText(text);
          EXPECT_EQ(shown.WorkingCopy().ReportWidth, 8) << text;
        }
        // The preview keeps the last size while the field holds no number.
        EXPECT_EQ(shown.Preview().AreaWidth, 120);
        shown.widthEB->SetText("7,5");
        EXPECT_EQ(shown.WorkingCopy().ReportWidth, 7.5);
        shown.heightEB->SetText("9.5");
        EXPECT_EQ(shown.WorkingCopy().ReportHeight, 9.5);
      },
      "BitBtn1");
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(style().ReportWidth, 7.5);
  EXPECT_EQ(style().ReportHeight, 9.5);
}

TEST_F(ReportStyleFieldsTest, EitherSeparatorIsReadUnderACommaLocale) {
  platform::SetDecimalSeparator(',');
  ModifyAndPress(
      [](designer::TReportStyleForm& shown) {
        shown.widthEB->SetText("6.5");
        shown.heightEB->SetText("9,75");
      },
      "BitBtn1");
  EXPECT_EQ(style().ReportWidth, 6.5);
  EXPECT_EQ(style().ReportHeight, 9.75);
}

TEST_F(ReportStyleFieldsTest, OkRefusesSizesAPageCannotHave) {
  struct Refusal {
    const char* width;
    const char* height;
    const char* message;
  };
  for (const Refusal& refusal : {Refusal{"0", "10", kWidthMessage}, Refusal{"-2", "10", kWidthMessage},
                                 Refusal{"abc", "10", kWidthMessage}, Refusal{"", "10", kWidthMessage},
                                 Refusal{"8", "200.5", kHeightMessage}, Refusal{"8", "1e300", kHeightMessage}}) {
    dialogs->ReplyButton(platform::mrOk);
    ModifyAndPress(
        [&](designer::TReportStyleForm& shown) {
          shown.widthEB->SetText(refusal.width);
          shown.heightEB->SetText(refusal.height);
          shown.BitBtn1->Click();
          EXPECT_EQ(shown.ModalResult(), platform::mrNone) << refusal.width << " x " << refusal.height;
          EXPECT_EQ(dialogs->Messages().back(), refusal.message);
          // Mended, OK goes through.
          shown.widthEB->SetText("200");
          shown.heightEB->SetText("0.5");
        },
        "BitBtn1");
    EXPECT_EQ(style().ReportWidth, 200);
    EXPECT_EQ(style().ReportHeight, 0.5);
    style() = designer::TReportStyle{};
  }
  EXPECT_EQ(dialogs->Messages().size(), 6u);
}

TEST_F(ReportStyleFieldsTest, OkRefusesAPaperSizeAPageCannotHave) {
  // A template whose paper size was lost reads as 0.
  style().PaperWidth = 0;
  dialogs->ReplyButton(platform::mrOk);
  ModifyAndPress(
      [&](designer::TReportStyleForm& shown) {
        shown.BitBtn1->Click();
        EXPECT_EQ(shown.ModalResult(), platform::mrNone);
        EXPECT_EQ(dialogs->Messages().back(),
                  "Paper width must be a number greater than 0 and at most 200 inches. Pick a paper size from the "
                  "list.");
        shown.ComboBox1->SelectByUser(3);
      },
      "BitBtn1");
  EXPECT_EQ(style().PaperWidth, 8.5);
}

TEST_F(ReportStyleFieldsTest, PenWidthTextRules) {
  ModifyAndPress(
      [&](designer::TReportStyleForm& shown) {
        shown.penWidthEB->SetText("5");
        EXPECT_EQ(shown.WorkingCopy().PageBorder.Width, 5);
        shown.penWidthEB->SetText("-3");
        EXPECT_EQ(shown.WorkingCopy().PageBorder.Width, 5);
        EXPECT_EQ(shown.PaintBox1->Canvas().Pen.Width, 5);
        shown.penWidthEB->SetText("");
        EXPECT_EQ(shown.WorkingCopy().PageBorder.Width, 5);
        shown.penWidthEB->SetText("x");
        EXPECT_EQ(shown.WorkingCopy().PageBorder.Width, 5);
      },
      "BitBtn1");
  EXPECT_EQ(style().PageBorder.Width, 5);
  EXPECT_EQ(Errors(), (std::vector<std::string>{"'x' is not a valid integer value"}));
}

TEST_F(ReportStyleFieldsTest, CancelCloseBoxAndEscapeStoreNothing) {
  const designer::TReportStyle before = style();
  const auto edit = [](designer::TReportStyleForm& shown) {
    shown.widthEB->SetText("5");
    shown.LandscapeRB->Choose();
    shown.TopCB->Toggle();
    shown.ComboBox1->SelectByUser(0);
  };
  ModifyAndPress(edit, "BitBtn2");
  Modify([&](designer::TReportStyleForm& shown) {
    edit(shown);
    shown.Close();
    EXPECT_EQ(shown.ModalResult(), platform::mrCancel);
  });
  Modify([&](designer::TReportStyleForm& shown) {
    edit(shown);
    shown.PressCancel();
    EXPECT_EQ(shown.ModalResult(), platform::mrCancel);
  });
  EXPECT_EQ(style(), before);
  EXPECT_FALSE(form().FModified);
}

TEST_F(ReportStyleFieldsTest, FirstShowingEndsOnlyWithOk) {
  modals->On("ReportStyleForm", [](platform::TForm& shown) {
    auto& dialog = dynamic_cast<designer::TReportStyleForm&>(shown);
    EXPECT_FALSE(dialog.BitBtn2->Enabled());
    dialog.Close();
    EXPECT_EQ(dialog.ModalResult(), platform::mrNone);
    dialog.PressCancel();
    EXPECT_EQ(dialog.ModalResult(), platform::mrNone);
    dialog.BitBtn2->Click();
    EXPECT_EQ(dialog.ModalResult(), platform::mrNone);
    dialog.widthEB->SetText("7");
    dialog.BitBtn1->Click();
    EXPECT_EQ(dialog.ModalResult(), platform::mrOk);
  });
  form().FormActivate(&form());
  EXPECT_TRUE(dialog().BitBtn2->Enabled());
  EXPECT_EQ(style().ReportWidth, 7);
  // Afterwards the close box answers Cancel again.
  Modify([](designer::TReportStyleForm& shown) {
    shown.Close();
    EXPECT_EQ(shown.ModalResult(), platform::mrCancel);
  });
}

}  // namespace
}  // namespace tessel_test
