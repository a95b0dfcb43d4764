// The page box and its up-down in a report of more than 999 pages: the user
// types at most three digits, the pages the buttons reach show in full, and
// the arrows step from the page shown.
#include <QLineEdit>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "engine/preview_window.h"
#include "engine/up_down_control.h"
#include "tests/preview_navigation/preview_fixture.h"

namespace engine {
namespace {

QToolButton* Arrow(const TPrev& prev, Qt::ArrowType type) {
  for (QToolButton* button : prev.UpDown1->findChildren<QToolButton*>()) {
    if (button->arrowType() == type) return button;
  }
  return nullptr;
}

class PageBox : public PreviewWindow {
 protected:
  void SetUp() override {
    PreviewWindow::SetUp();
    LoadRows(10050);  // ten rows a page: 1,005 pages
  }

  static void Expect(const TPrev& prev, int page, const char* box) {
    EXPECT_EQ(prev.State().CurrentPage(), page);
    EXPECT_EQ(prev.Edit1->text().toStdString(), box);
    EXPECT_EQ(prev.StatusPanel0->text().toStdString(),
              "Page " + std::to_string(page) + " of 1005");
  }
};

TEST_F(PageBox, LastPageShowsInFullAndTheDownArrowStepsBackOne) {
  TPrev prev;
  QTest::mouseClick(prev.LastPage, Qt::LeftButton);
  Expect(prev, 1005, "1005");

  QToolButton* down = Arrow(prev, Qt::DownArrow);
  ASSERT_NE(down, nullptr);
  QTest::mouseClick(down, Qt::LeftButton);
  Expect(prev, 1004, "1004");
  QTest::mouseClick(Arrow(prev, Qt::UpArrow), Qt::LeftButton);
  Expect(prev, 1005, "1005");
  // No wrap-around past the last page.
  QTest::mouseClick(Arrow(prev, Qt::UpArrow), Qt::LeftButton);
  Expect(prev, 1005, "1005");

  QTest::mouseClick(prev.PrevPage, Qt::LeftButton);
  Expect(prev, 1004, "1004");
  QTest::mouseClick(prev.NextPage, Qt::LeftButton);
  Expect(prev, 1005, "1005");

  // Fault mended: the arrow keys in the page box did nothing.
  QTest::keyClick(prev.Edit1, Qt::Key_Down);
  Expect(prev, 1004, "1004");
  QTest::keyClick(prev.Edit1, Qt::Key_Up);
  QTest::keyClick(prev.Edit1, Qt::Key_Up);
  Expect(prev, 1005, "1005");
  EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(PageBox, TheUserTypesAtMostThreeDigits) {
  TPrev prev;
  prev.Edit1->selectAll();
  QTest::keyClicks(prev.Edit1, "1234");
  Expect(prev, 123, "123");

  // A four-digit page the buttons put there takes no further digit, and a
  // digit taken away goes to that page.
  QTest::mouseClick(prev.LastPage, Qt::LeftButton);
  prev.Edit1->end(false);
  QTest::keyClicks(prev.Edit1, "9");
  Expect(prev, 1005, "1005");
  QTest::keyClick(prev.Edit1, Qt::Key_Backspace);
  Expect(prev, 100, "100");
  QTest::mouseClick(Arrow(prev, Qt::DownArrow), Qt::LeftButton);
  Expect(prev, 99, "99");
}

}  // namespace
}  // namespace engine
