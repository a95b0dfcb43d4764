// The modal boxes and common dialogs: every request reaches the installed
// handler with its fields, the answers come back, and with neither handler
// nor display nothing waits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

#include "platform/controls/application.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/dialogs/file_filter.h"
#include "platform/dialogs/font_box.h"
#include "tests/platform_controls/controls_test_support.h"

namespace {

using platform::DialogReply;
using platform::DialogRequest;
using Kind = platform::DialogRequest::Kind;

class Dialogs : public controls_test::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    platform::Application().Title = "Tessel Designer";
  }

  // Answers every request with reply_ and keeps the requests.
  platform::ScopedDialogHandler Recording() {
    return platform::ScopedDialogHandler([this](const DialogRequest& request) {
      requests_.push_back(request);
      return reply_;
    });
  }

  std::vector<DialogRequest> requests_;
  DialogReply reply_;
};

TEST_F(Dialogs, MessageBoxesCarryTheirCaptionTextTypeAndButtons) {
  auto handler = Recording();
  reply_.result = platform::mrYes;
  EXPECT_EQ(platform::MessageDlg("Save changes?", platform::TMsgDlgType::mtConfirmation, platform::mbYesNoCancel),
            platform::mrYes);
  reply_.result = platform::mrOk;
  platform::MessageDlg("w", platform::TMsgDlgType::mtWarning, platform::mbOK);
  platform::MessageDlg("e", platform::TMsgDlgType::mtError, platform::mbOK);
  platform::MessageDlg("i", platform::TMsgDlgType::mtInformation, platform::mbOKCancel);
  platform::MessageDlg("c", platform::TMsgDlgType::mtCustom, platform::mbYesNo);
  platform::ShowMessage("Report saved ");
  ASSERT_EQ(requests_.size(), 6u);
  EXPECT_EQ(requests_[0].kind, Kind::Message);
  EXPECT_EQ(requests_[0].caption, "Confirm");
  EXPECT_EQ(requests_[0].text, "Save changes?");
  EXPECT_EQ(requests_[0].type, platform::TMsgDlgType::mtConfirmation);
  EXPECT_EQ(requests_[0].buttons, platform::mbYes | platform::mbNo | platform::mbCancel);
  EXPECT_EQ(requests_[1].caption, "Warning");
  EXPECT_EQ(requests_[2].caption, "Error");
  EXPECT_EQ(requests_[3].caption, "Information");
  EXPECT_EQ(requests_[3].buttons, platform::mbOK | platform::mbCancel);
  EXPECT_EQ(requests_[4].caption, "Tessel Designer");
  EXPECT_EQ(requests_[4].buttons, platform::mbYes | platform::mbNo);
  EXPECT_EQ(requests_[5].caption, "Tessel Designer");
  EXPECT_EQ(requests_[5].text, "Report saved ");
  EXPECT_EQ(requests_[5].buttons, platform::mbOK);
  EXPECT_EQ(requests_[5].type, platform::TMsgDlgType::mtCustom);
}

TEST_F(Dialogs, TheQuestionBoxAnswersTheTextOrTheDefaultWhenCancelled) {
  auto handler = Recording();
  reply_ = DialogReply{platform::mrOk, "Region7", {}, 0};
  EXPECT_EQ(platform::InputBox("Rename", "New name:", "Region3"), "Region7");
  reply_ = DialogReply{platform::mrCancel, "Ignored", {}, 0};
  EXPECT_EQ(platform::InputBox("Rename", "New name:", "Region3"), "Region3");
  // An empty answer given with OK is an answer.
  reply_ = DialogReply{platform::mrOk, "", {}, 0};
  EXPECT_EQ(platform::InputBox("Rename", "New name:", "Region3"), "");
  ASSERT_EQ(requests_.size(), 3u);
  EXPECT_EQ(requests_[0].kind, Kind::Input);
  EXPECT_EQ(requests_[0].caption, "Rename");
  EXPECT_EQ(requests_[0].text, "New name:");
  EXPECT_EQ(requests_[0].value, "Region3");
}

TEST_F(Dialogs, FileDialogsAskWithTitleNameAndFilterAndKeepTheChoice) {
  auto handler = Recording();
  platform::TComponent owner(nullptr);
  platform::TOpenDialog open(&owner);
  open.Title = "Open Report";
  open.Filter = "Report File|*.qnf";
  open.FileName = "C:\\Reports\\old.qnf";
  reply_ = DialogReply{platform::mrOk, "C:\\Reports\\new.qnf", {}, 0};
  EXPECT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName, "C:\\Reports\\new.qnf");
  reply_ = DialogReply{platform::mrCancel, "C:\\other.qnf", {}, 0};
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName, "C:\\Reports\\new.qnf");

  platform::TSaveDialog save(&owner);
  save.Filter = "Report Files|*.qnf";
  reply_ = DialogReply{platform::mrOk, "\\home\\u\\a.qnf", {}, 0};
  platform::TOpenDialog& asOpen = save;
  EXPECT_TRUE(asOpen.Execute());
  EXPECT_EQ(save.FileName, "\\home\\u\\a.qnf");

  ASSERT_EQ(requests_.size(), 3u);
  EXPECT_EQ(requests_[0].kind, Kind::OpenFile);
  EXPECT_EQ(requests_[0].caption, "Open Report");
  EXPECT_EQ(requests_[0].value, "C:\\Reports\\old.qnf");
  EXPECT_EQ(requests_[0].filter, "Report File|*.qnf");
  EXPECT_EQ(requests_[1].value, "C:\\Reports\\new.qnf");
  EXPECT_EQ(requests_[2].kind, Kind::SaveFile);
  EXPECT_EQ(requests_[2].filter, "Report Files|*.qnf");
}

TEST_F(Dialogs, FontAndColourDialogsHandOverTheirValueBothWays) {
  auto handler = Recording();
  platform::TFontDialog fonts(nullptr);
  fonts.Font = platform::TFont{"ARIAL", 10, 0, 0};
  reply_.result = platform::mrOk;
  reply_.font = platform::TFont{"Times New Roman", 14, 0x0000FF, platform::fsBold | platform::fsItalic};
  EXPECT_TRUE(fonts.Execute());
  EXPECT_EQ(fonts.Font, reply_.font);
  reply_.result = platform::mrCancel;
  reply_.font = platform::TFont{};
  EXPECT_FALSE(fonts.Execute());
  EXPECT_EQ(fonts.Font.Name, "Times New Roman");

  platform::TColorDialog colours(nullptr);
  colours.Color = 0xC0C0C0;
  reply_.result = platform::mrOk;
  reply_.color = 0xFFFF00;
  EXPECT_TRUE(colours.Execute());
  EXPECT_EQ(colours.Color, 0xFFFF00u);
  reply_.result = platform::mrCancel;
  reply_.color = 0;
  EXPECT_FALSE(colours.Execute());
  EXPECT_EQ(colours.Color, 0xFFFF00u);

  ASSERT_EQ(requests_.size(), 4u);
  EXPECT_EQ(requests_[0].kind, Kind::Font);
  EXPECT_EQ(requests_[0].font, (platform::TFont{"ARIAL", 10, 0, 0}));
  EXPECT_EQ(requests_[1].font.Size, 14);
  EXPECT_EQ(requests_[2].kind, Kind::Color);
  EXPECT_EQ(requests_[2].color, 0xC0C0C0u);
}

TEST_F(Dialogs, HeadlessWithoutAHandlerQuestionsAnswerTheLeastChangingChoice) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(platform::MessageDlg("Save?", platform::TMsgDlgType::mtConfirmation, platform::mbYesNoCancel),
            platform::mrCancel);
  EXPECT_EQ(platform::MessageDlg("Delete?", platform::TMsgDlgType::mtConfirmation, platform::mbYesNo),
            platform::mrNo);
  EXPECT_EQ(platform::MessageDlg("Done", platform::TMsgDlgType::mtInformation, platform::mbOK), platform::mrOk);
  EXPECT_EQ(platform::MessageDlg("Go on?", platform::TMsgDlgType::mtWarning, platform::mbOKCancel),
            platform::mrCancel);
  platform::ShowMessage("Two\r\nlines");
  const std::string written = testing::internal::GetCapturedStderr();
  EXPECT_EQ(written,
            "Confirm: Save?\nConfirm: Delete?\nInformation: Done\nWarning: Go on?\nTessel Designer: Two  lines\n");

  EXPECT_EQ(platform::InputBox("Rename", "New name:", "Region3"), "Region3");
  platform::TOpenDialog open(nullptr);
  open.FileName = "C:\\a.qnf";
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName, "C:\\a.qnf");
  platform::TSaveDialog save(nullptr);
  EXPECT_FALSE(save.Execute());
  platform::TFontDialog fonts(nullptr);
  EXPECT_FALSE(fonts.Execute());
  platform::TColorDialog colours(nullptr);
  EXPECT_FALSE(colours.Execute());
}

TEST_F(Dialogs, HandlersNestAndTheEarlierOneComesBack) {
  std::vector<std::string> outer;
  platform::ScopedDialogHandler first([&](const DialogRequest& request) {
    outer.push_back(request.text);
    return DialogReply{platform::mrYes, "", {}, 0};
  });
  {
    auto inner = Recording();
    platform::ShowMessage("inner");
  }
  EXPECT_EQ(platform::MessageDlg("outer", platform::TMsgDlgType::mtConfirmation, platform::mbYesNo),
            platform::mrYes);
  EXPECT_EQ(outer, std::vector<std::string>{"outer"});
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].text, "inner");
}

TEST_F(Dialogs, ReturnInTheFontBoxConfirmsItAndEscapeCancelsIt) {
  const platform::TFont font{"DejaVu Sans", 12, 0x0000FF, 0};
  // Each field of the chooser where the author may type: the name, style
  // and size fields and their lists.
  const int fields = [&] {
    platform::FontBox box(font);
    return static_cast<int>(box.findChildren<QLineEdit*>().size() + box.findChildren<QListView*>().size());
  }();
  ASSERT_GE(fields, 6);
  for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted},
                                    std::pair{Qt::Key_Enter, QDialog::Accepted},
                                    std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
    for (int i = 0; i < fields; ++i) {
      platform::FontBox box(font);
      box.show();
      QApplication::processEvents();
      QList<QWidget*> widgets;
      for (QLineEdit* edit : box.findChildren<QLineEdit*>()) widgets.push_back(edit);
      for (QListView* list : box.findChildren<QListView*>()) widgets.push_back(list);
      QTest::keyClick(widgets[i], key);
      EXPECT_FALSE(box.isVisible()) << key << " in field " << i;
      EXPECT_EQ(box.result(), result) << key << " in field " << i;
      EXPECT_EQ(box.ChosenFont().Size, 12);
      EXPECT_EQ(box.ChosenFont().Color, 0x0000FFu);
    }
  }
}

TEST(FileFilters, TheLibrarysFiltersBecomeQtNameFilters) {
  EXPECT_EQ(platform::QtNameFilters("Report File|*.qnf"), QString("Report File (*.qnf)"));
  EXPECT_EQ(platform::QtNameFilters("Pictures|*.bmp;*.dib;*.jpg|All files|*.*"),
            QString("Pictures (*.bmp *.dib *.jpg);;All files (*.*)"));
  EXPECT_EQ(platform::QtNameFilters("Rich Text (*.rtf)|*.rtf"), QString("Rich Text (*.rtf) (*.rtf)"));
  // A description without patterns is left out; nothing gives nothing.
  EXPECT_EQ(platform::QtNameFilters("Report File|*.qnf|Dangling"), QString("Report File (*.qnf)"));
  EXPECT_EQ(platform::QtNameFilters(""), QString());
  EXPECT_EQ(platform::QtNameFilters("Bilder \xE4|*.bmp"), QString::fromUtf8("Bilder \xC3\xA4 (*.bmp)"));
}

}  // namespace
