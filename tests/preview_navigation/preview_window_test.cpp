// The preview window driven under the offscreen platform.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

#include "engine/page_drawing.h"
#include "engine/preview_window.h"
#include "tests/preview_navigation/preview_fixture.h"

namespace engine {
namespace {

TEST_F(PreviewWindow, OpensOnFirstPageWithItsControls) {
  LoadRows(45);
  TPrev prev;
  EXPECT_EQ(prev.windowTitle(), "Tessel Previewer");
  EXPECT_EQ(prev.StatusPanel0->text(), "Page 1 of 5");
  EXPECT_EQ(prev.Edit1->text(), "1");
  EXPECT_EQ(prev.ComboBox1->currentText(), "100%");
  EXPECT_EQ(prev.ComboBox1->count(), 9);
  EXPECT_EQ(prev.ComboBox1->itemText(7), "Page Width");
  EXPECT_EQ(prev.PrintOnePage->toolTip(), "Print Page");
  EXPECT_EQ(prev.NextPage->geometry(), QRect(139, 8, 25, 25));
  EXPECT_TRUE(prev.PrevPage->isEnabled());
  EXPECT_EQ(prev.PageImage().size(), QSize(850, 1100));
  EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(PreviewWindow, PagingButtonsAndPageBox) {
  LoadRows(45);
  TPrev prev;
  QTest::mouseClick(prev.PrevPage, Qt::LeftButton);
  EXPECT_FALSE(prev.PrevPage->isEnabled());
  QTest::mouseClick(prev.LastPage, Qt::LeftButton);
  EXPECT_EQ(prev.StatusPanel0->text(), "Page 5 of 5");
  EXPECT_FALSE(prev.NextPage->isEnabled());
  EXPECT_EQ(prev.Edit1->text(), "5");

  prev.Edit1->setText("7");
  EXPECT_EQ(prev.Edit1->text(), "5");
  EXPECT_EQ(prev.State().CurrentPage(), 5);
  prev.Edit1->setText("0");
  EXPECT_EQ(prev.Edit1->text(), "1");
  EXPECT_EQ(prev.StatusPanel0->text(), "Page 1 of 5");
  prev.Edit1->setText("abc");
  EXPECT_EQ(prev.State().CurrentPage(), 1);
  EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(PreviewWindow, PageWidthFollowsTheScrollArea) {
  LoadRows(3);
  TPrev prev;
  prev.ScrollBox1->setFixedWidth(910);
  prev.ComboBox1->setCurrentText("Page Width");
  EXPECT_DOUBLE_EQ(prev.State().ZoomFactor(), 1.0);
  prev.ComboBox1->setCurrentText("50%");
  EXPECT_EQ(prev.State().ShownWidth(), 425);
}

TEST_F(PreviewWindow, LandscapeGivesAWidePageBitmap) {
  LoadRows(3, "PAPERWIDTH=8.5\r\nPAPERHEIGHT=11\r\nREPORTWIDTH=8\r\nREPORTHEIGHT=10.5\r\n"
              "ORIENTATION=1\r\n");
  TPrev prev;
  EXPECT_EQ(prev.PageImage().size(), QSize(1100, 850));
}

TEST_F(PreviewWindow, PrintPageAsksFirstAndPrintsOnePage) {
  LoadRows(45);
  TPrev prev;
  platform::SetPrintDialogAnswer([] { return false; });
  QTest::mouseClick(prev.PrintOnePage, Qt::LeftButton);
  EXPECT_TRUE(printer_.Jobs.empty());

  platform::SetPrintDialogAnswer([] { return true; });
  QTest::mouseClick(prev.NextPage, Qt::LeftButton);
  QTest::mouseClick(prev.PrintOnePage, Qt::LeftButton);
  ASSERT_EQ(printer_.Jobs.size(), 1u);
  EXPECT_EQ(printer_.Jobs[0].pages.size(), 1u);
  EXPECT_TRUE(printer_.Jobs[0].ended);

  QTest::mouseClick(prev.PrintAll, Qt::LeftButton);
  ASSERT_EQ(printer_.Jobs.size(), 2u);
  EXPECT_EQ(printer_.Jobs[1].pages.size(), 5u);
  EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(PreviewWindow, PrintButtonsPrintWhatTheDialogChose) {
  LoadRows(45);
  TPrev prev;
  platform::SetPrintDialogAnswer([](platform::PrintSettings& settings) {
    settings = {"Second floor", 2, true, {}, true, true};
    return true;
  });
  QTest::mouseClick(prev.NextPage, Qt::LeftButton);
  QTest::mouseClick(prev.PrintOnePage, Qt::LeftButton);
  QTest::mouseClick(prev.PrintAll, Qt::LeftButton);
  ASSERT_EQ(printer_.Jobs.size(), 2u);
  EXPECT_EQ(printer_.Jobs[0].settings.printerName, "Second floor");
  EXPECT_EQ(printer_.Jobs[0].pages.size(), 2u);
  EXPECT_EQ(printer_.Jobs[1].settings.copies, 2);
  EXPECT_TRUE(printer_.Jobs[1].settings.reverse);
  EXPECT_TRUE(printer_.Jobs[1].settings.grayscale);
  EXPECT_EQ(printer_.Jobs[1].pages.size(), 10u);
  EXPECT_EQ(printer_.Settings(), platform::PrintSettings{});

  // A dialog that fails is the preview's printer error, not a crash.
  platform::SetPrintDialogAnswer([]() -> bool { throw platform::EPrinter("no printer"); });
  QTest::mouseClick(prev.PrintAll, Qt::LeftButton);
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{"Tessel: Printer error found in preview: no printer  "});
  EXPECT_EQ(printer_.Jobs.size(), 2u);
}

// An A4 report with a total at 11.3 inches on the paper: on the A4 preview,
// below the recording printer's Letter sheet.
TEST_F(PreviewWindow, PrintButtonsTellOfDataBelowThePrintersSheet) {
  LoadTemplate(TemplateText("PAPERWIDTH=8.27\r\nPAPERHEIGHT=11.69\r\nREPORTWIDTH=7.5\r\n"
                            "REPORTHEIGHT=10.69\r\n",
                            "RC4=FIXEDREGION\r\n",
                            "[RC4]\r\nNAME=Foot\r\nLEFT=0\r\nTOP=1000\r\nWIDTH=780\r\n"
                            "HEIGHT=150\r\nPARENT=REPORT\r\n"
                            "[Foot]\r\nRC5=VARIABLE\r\n"
                            "[RC5]\r\nNAME=Total\r\nLEFT=10\r\nTOP=80\r\nWIDTH=300\r\n"
                            "HEIGHT=20\r\nPARENT=Foot\r\nVARTYPE=string\r\nHLWHEN=none\r\n"
                            "STYLE=DEFAULTSTYLE\r\nHLSTYLE=DEFAULTSTYLE\r\n"),
               3);
  zBxBeginRegion("Foot");
  zBxSetVariable("Total", "total");
  zBxEndRegion();
  TPrev prev;
  EXPECT_TRUE(messages_.Texts().empty());
  platform::SetPrintDialogAnswer([] { return true; });
  const std::string leftOut =
      "Tessel: Some of the report's data did not fit on its pages and was left out.";
  QTest::mouseClick(prev.PrintOnePage, Qt::LeftButton);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{leftOut});
  QTest::mouseClick(prev.PrintAll, Qt::LeftButton);
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{leftOut, leftOut}));
  ASSERT_EQ(printer_.Jobs.size(), 2u);
  EXPECT_TRUE(printer_.Jobs[1].ended);
}

TEST_F(PreviewWindow, PreviewWithoutDisplayStillLaysOutForPrinting) {
  LoadRows(45);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::internal::CaptureStderr();
  EXPECT_EQ(zBxPreviewReport(), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Tessel: There is no display to show the preview on.\n");
  EXPECT_EQ(zBxPrintReport(), 0);
  ASSERT_EQ(printer_.Jobs.size(), 1u);
  EXPECT_EQ(printer_.Jobs[0].pages.size(), 5u);
}

}  // namespace
}  // namespace engine
