// The designer as it stands after start-up, before and after its first
// activation.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "designer/dialogs/paragraph_form.h"
#include "designer/main_window/splash.h"
#include "designer/objects/regions.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {
namespace {

using StartupTest = DesignerTest;

TEST_F(StartupTest, PageBeforeActivation) {
  designer::TForm1& f = form();
  EXPECT_EQ(f.Caption(), "");
  EXPECT_EQ(f.FFileName, "");
  EXPECT_FALSE(f.FModified);
  EXPECT_EQ(f.FScale, 100);
  EXPECT_EQ(f.ScrollBox2->Width(), 850);
  EXPECT_EQ(f.ScrollBox2->Height(), 1100);
  EXPECT_EQ(f.REPORT->Width(), 800);
  EXPECT_EQ(f.REPORT->Height(), 1000);
  EXPECT_EQ(f.REPORT->Left(), 25);
  EXPECT_EQ(f.REPORT->Top(), 50);
  EXPECT_EQ(f.REPORT->Color(), platform::clSilver);
  EXPECT_EQ(f.zoomLabel->Caption(), "100");
  EXPECT_EQ(f.FStyleCount, 1);
  EXPECT_EQ(program().ZoomLevel, 0);
}

TEST_F(StartupTest, EveryStyleSubmenuHoldsTheDefaultStyle) {
  designer::TForm1& f = form();
  for (platform::TMenuItem* submenu : {f.SelectStyle1, f.ModifyStyle1, f.DeleteStyle1, f.VarMainStyle, f.VarHLStyle,
                                       f.MakeStyleGlobal1, program().ParagraphForm->SelectStyle1}) {
    ASSERT_EQ(submenu->Count(), 1) << submenu->Name();
    EXPECT_EQ(submenu->Items(0)->Caption(), "DEFAULTSTYLE") << submenu->Name();
  }
  const designer::TStyleRecord& style = *program().StyleList.at(0);
  EXPECT_EQ(style, (designer::TStyleRecord{0, "DEFAULTSTYLE", 0, 8, 0, "Arial", "NONE"}));
  EXPECT_EQ(program().StyleList.size(), 11u);
}

TEST_F(StartupTest, TheSplashStandsInTheMiddleOfTheScreen) {
  designer::Tsplash splash(nullptr);
  splash.Show();
  QApplication::processEvents();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect middle(screen.x() + (screen.width() - 249) / 2, screen.y() + (screen.height() - 350) / 2, 249, 350);
  EXPECT_EQ(splash.Widget()->geometry(), middle);
  EXPECT_EQ((QRect(splash.Left(), splash.Top(), splash.Width(), splash.Height())), middle);
}

TEST_F(StartupTest, FormsAreMadeInTheirOrder) {
  const std::vector<std::string> expected = {
      "Form1",         "StyleForm",      "NotSavedForm",    "ImageInfo",       "RegionStyleForm", "LabelInfo",
      "CodeWindow",    "AboutScreen",    "dbForm",          "ParagraphForm",   "StylePreview",    "ScratchPadForm",
      "StyleSelectForm", "ReportStyleForm", "ImgDir",       "RTFDir",          "VariableInfo"};
  std::vector<std::string> names;
  for (int i = 0; i < program().Forms().ComponentCount(); ++i) names.push_back(program().Forms().Components(i)->Name());
  EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace tessel_test
