// The preview draws its page once for each change of page, zoom or size: a
// picture that cannot be read says so once per drawing, so the messages
// count the drawings.
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "engine/preview_window.h"
#include "tests/preview_navigation/preview_fixture.h"

namespace engine {
namespace {

class PageRedraw : public PreviewWindow {
 protected:
  void SetUp() override {
    PreviewWindow::SetUp();
    std::filesystem::create_directories(folder_ / "IMAGES");
    std::ofstream(folder_ / "IMAGES" / "broken.bmp", std::ios::binary) << "BM not a picture";
    LoadTemplate(TemplateText("", "RC9=IMAGEREGION\r\n",
                              "[RC9]\r\nNAME=Logo\r\nLEFT=0\r\nTOP=0\r\nWIDTH=100\r\n"
                              "HEIGHT=50\r\nPARENT=REPORT\r\nIMAGEFILE=broken.bmp\r\n"
                              "FILELOCATION=IMAGES\r\n"),
                 25);
  }

  size_t Drawings() const { return messages_.Texts().size(); }
};

TEST_F(PageRedraw, OpeningDrawsTheFirstPageOnce) {
  TPrev prev;
  prev.setWindowState(Qt::WindowMaximized);
  prev.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&prev));
  QCoreApplication::processEvents();
  EXPECT_EQ(Drawings(), 1u);
  ASSERT_FALSE(messages_.Texts().empty());
  EXPECT_EQ(messages_.Texts()[0].rfind("Tessel: Picture could not be read: ", 0), 0u);
}

TEST_F(PageRedraw, EachChangeDrawsOnce) {
  TPrev prev;
  prev.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&prev));
  QCoreApplication::processEvents();
  const size_t opened = Drawings();

  QTest::mouseClick(prev.NextPage, Qt::LeftButton);
  EXPECT_EQ(Drawings(), opened + 1);
  QTest::mouseClick(prev.ZoomIn, Qt::LeftButton);
  EXPECT_EQ(Drawings(), opened + 2);
  prev.Edit1->selectAll();
  QTest::keyClicks(prev.Edit1, "3");
  EXPECT_EQ(Drawings(), opened + 3);
  // A typed page out of range is corrected and drawn once.
  prev.Edit1->selectAll();
  QTest::keyClicks(prev.Edit1, "9");
  EXPECT_EQ(prev.Edit1->text(), "3");
  EXPECT_EQ(Drawings(), opened + 3);
  prev.Edit1->selectAll();
  QTest::keyClicks(prev.Edit1, "1");
  EXPECT_EQ(Drawings(), opened + 4);

  // Typing "50%" into the zoom list: "5" is no item and undoes the Zoom In
  // step (one drawing), "50" changes nothing, "50%" halves the page (one
  // more). Leaving the list or resizing the window at a fixed factor changes
  // nothing.
  prev.ComboBox1->lineEdit()->selectAll();
  QTest::keyClicks(prev.ComboBox1, "5");
  EXPECT_EQ(Drawings(), opened + 5);
  QTest::keyClicks(prev.ComboBox1, "0%");
  EXPECT_EQ(Drawings(), opened + 6);
  prev.ComboBox1Change();
  EXPECT_EQ(Drawings(), opened + 6);
  prev.resize(prev.width() + 40, prev.height());
  QCoreApplication::processEvents();
  EXPECT_EQ(Drawings(), opened + 6);
}

}  // namespace
}  // namespace engine
