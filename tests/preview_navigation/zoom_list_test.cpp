// The zoom list: nine items and nothing else, no completion while the user
// types, and a text that is no item keeps the last factor.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "engine/preview_window.h"
#include "tests/preview_navigation/preview_fixture.h"

namespace engine {
namespace {

std::vector<std::string> Items(const QComboBox& box) {
  std::vector<std::string> items;
  for (int i = 0; i < box.count(); ++i) items.push_back(box.itemText(i).toStdString());
  return items;
}

void TypeOver(QComboBox& box, const char* text) {
  box.lineEdit()->selectAll();
  QTest::keyClicks(&box, text);
}

// Completion works only in the widget that has the focus, as a user's typing
// does.
void Focus(TPrev& prev) {
  prev.show();
  QApplication::setActiveWindow(&prev);
  prev.ComboBox1->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&prev));
  ASSERT_TRUE(prev.ComboBox1->lineEdit()->hasFocus());
}

const std::vector<std::string> kNineItems{"200%", "150%", "100%",       "75%",      "50%",
                                          "25%",  "10%",  "Page Width", "Full Page"};

TEST_F(PreviewWindow, TypedTextIsNeitherCompletedNorAdded) {
  LoadRows(3);
  TPrev prev;
  Focus(prev);
  QComboBox& zoom = *prev.ComboBox1;
  TypeOver(zoom, "50%");
  EXPECT_DOUBLE_EQ(prev.State().ZoomFactor(), 0.5);
  EXPECT_EQ(prev.State().ShownWidth(), 425);

  TypeOver(zoom, "1");
  EXPECT_EQ(zoom.currentText().toStdString(), "1");
  EXPECT_DOUBLE_EQ(prev.State().ZoomFactor(), 0.5);
  QTest::keyClicks(&zoom, "20%");
  EXPECT_EQ(zoom.currentText().toStdString(), "120%");
  EXPECT_DOUBLE_EQ(prev.State().ZoomFactor(), 0.5);
  QTest::keyClick(&zoom, Qt::Key_Return);
  EXPECT_EQ(Items(zoom), kNineItems);
  EXPECT_DOUBLE_EQ(prev.State().ZoomFactor(), 0.5);

  TypeOver(zoom, "P");
  EXPECT_EQ(zoom.currentText().toStdString(), "P");
  EXPECT_DOUBLE_EQ(prev.State().ZoomFactor(), 0.5);
  QTest::keyClick(&zoom, Qt::Key_Return);
  EXPECT_EQ(Items(zoom), kNineItems);
  EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(PreviewWindow, TypedTextThatIsNoItemUndoesZoomSteps) {
  LoadRows(3);
  TPrev prev;
  TypeOver(*prev.ComboBox1, "100%");
  QTest::mouseClick(prev.ZoomIn, Qt::LeftButton);
  EXPECT_EQ(prev.State().ShownWidth(), 1020);
  TypeOver(*prev.ComboBox1, "120%");
  EXPECT_DOUBLE_EQ(prev.State().ZoomFactor(), 1.0);
  EXPECT_EQ(prev.State().ShownWidth(), 850);
  EXPECT_EQ(prev.State().ShownHeight(), 1100);
}

}  // namespace
}  // namespace engine
