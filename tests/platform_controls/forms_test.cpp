// Forms: modal runs answered by the modal handler or, headless, cancelled
// at once; closing with its query and actions; the default and cancel
// buttons; the destruction event; the window's own resizing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/buttons.h"
#include "platform/controls/edits.h"
#include "platform/controls/exceptions.h"
#include "platform/controls/menus.h"
#include "platform/controls/panel.h"
#include "platform/system/message_box.h"
#include "tests/platform_controls/controls_test_support.h"

namespace {

using platform::TButton;
using platform::TCloseAction;
using platform::TForm;
using platform::TObject;

class Forms : public controls_test::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetName("StyleForm");
    form_->SetBounds(0, 0, 300, 200);
    ok_ = AddButton("OkButton", platform::mrOk);
    cancel_ = AddButton("CancelButton", platform::mrCancel);
    form_->OnShow = [this](TObject*) { log_.push_back("show"); };
    form_->OnActivate = [this](TObject*) { log_.push_back("activate"); };
    form_->OnDeactivate = [this](TObject*) { log_.push_back("deactivate"); };
    form_->OnCloseQuery = [this](TObject*, bool& canClose) {
      log_.push_back("closequery");
      canClose = canClose_;
    };
    form_->OnClose = [this](TObject*, TCloseAction& action) {
      log_.push_back("close");
      action = closeAction_;
    };
  }

  TButton* AddButton(const std::string& name, int result) {
    auto* button = new TButton(form_.get());
    button->SetName(name);
    button->SetParent(form_.get());
    button->SetModalResult(result);
    button->OnClick = [this, name](TObject*) { log_.push_back(name); };
    return button;
  }

  std::unique_ptr<TForm> form_;
  TButton* ok_ = nullptr;
  TButton* cancel_ = nullptr;
  std::vector<std::string> log_;
  bool canClose_ = true;
  TCloseAction closeAction_ = TCloseAction::caHide;
};

TEST_F(Forms, TheModalHandlerPlaysThePersonAndTheButtonGivesTheResult) {
  std::vector<std::string> shown;
  platform::ScopedModalHandler person([&](TForm& form) {
    shown.push_back(form.Name());
    log_.push_back("person");
    EXPECT_TRUE(form.Modal());
    static_cast<TButton*>(form.FindComponent("OkButton"))->Click();
  });
  EXPECT_EQ(form_->ShowModal(), platform::mrOk);
  EXPECT_EQ(form_->ModalResult(), platform::mrOk);
  EXPECT_EQ(shown, std::vector<std::string>{"StyleForm"});
  EXPECT_EQ(log_, (std::vector<std::string>{"show", "activate", "person", "OkButton", "deactivate"}));
  EXPECT_FALSE(form_->Modal());
  EXPECT_FALSE(form_->Visible());
}

TEST_F(Forms, NoResultCountsAsCancelAndEachRunStartsWithoutOne) {
  platform::ScopedModalHandler nobody([](TForm&) {});
  form_->SetModalResult(platform::mrOk);
  EXPECT_EQ(form_->ShowModal(), platform::mrCancel);
  {
    platform::ScopedModalHandler yes([](TForm& form) { form.SetModalResult(platform::mrYes); });
    EXPECT_EQ(form_->ShowModal(), platform::mrYes);
  }
  EXPECT_EQ(form_->ShowModal(), platform::mrCancel);
}

TEST_F(Forms, HeadlessWithoutAHandlerAModalFormIsCancelledAtOnce) {
  EXPECT_EQ(form_->ShowModal(), platform::mrCancel);
  EXPECT_EQ(log_, (std::vector<std::string>{"show", "activate", "deactivate"}));
}

TEST_F(Forms, CloseInAModalFormAsksThenCancels) {
  platform::ScopedModalHandler closer([](TForm& form) { form.Close(); });
  EXPECT_EQ(form_->ShowModal(), platform::mrCancel);
  EXPECT_EQ(log_, (std::vector<std::string>{"show", "activate", "closequery", "close", "deactivate"}));
}

TEST_F(Forms, AnExceptionInTheHandlerIsShownAndTheFormCancelled) {
  platform::ScopedMessageRecorder errors;
  platform::ScopedModalHandler broken([](TForm&) { throw platform::Exception("Cannot answer"); });
  EXPECT_EQ(form_->ShowModal(), platform::mrCancel);
  EXPECT_EQ(errors.Texts(), std::vector<std::string>{"Cannot answer"});
}

TEST_F(Forms, ModalFormsNest) {
  TForm inner(nullptr);
  inner.SetName("Inner");
  std::vector<std::string> shown;
  platform::ScopedModalHandler person([&](TForm& form) {
    shown.push_back(form.Name());
    if (&form == form_.get()) {
      EXPECT_EQ(inner.ShowModal(), platform::mrNo);
      form.SetModalResult(platform::mrOk);
    } else {
      form.SetModalResult(platform::mrNo);
    }
  });
  EXPECT_EQ(form_->ShowModal(), platform::mrOk);
  EXPECT_EQ(shown, (std::vector<std::string>{"StyleForm", "Inner"}));
}

TEST_F(Forms, CloseAsksTheQueryAndFollowsTheAction) {
  form_->Show();
  canClose_ = false;
  form_->Close();
  EXPECT_TRUE(form_->Visible());
  EXPECT_EQ(log_, std::vector<std::string>{"closequery"});

  log_.clear();
  canClose_ = true;
  closeAction_ = TCloseAction::caNone;
  form_->Close();
  EXPECT_TRUE(form_->Visible());
  EXPECT_EQ(log_, (std::vector<std::string>{"closequery", "close"}));

  closeAction_ = TCloseAction::caMinimize;
  form_->Close();
  EXPECT_TRUE(form_->Visible());
  EXPECT_TRUE(form_->Widget()->windowState() & Qt::WindowMinimized);
  form_->SetWindowState(platform::TWindowState::wsNormal);

  for (TCloseAction action : {TCloseAction::caHide, TCloseAction::caFree}) {
    form_->Show();
    closeAction_ = action;
    form_->Close();
    EXPECT_FALSE(form_->Visible());
    EXPECT_FALSE(form_->Widget()->isVisible());
  }
}

TEST_F(Forms, TheWindowsCloseBoxAsksTheSameQuestions) {
  form_->Show();
  QApplication::processEvents();
  log_.clear();
  canClose_ = false;
  form_->Widget()->close();
  EXPECT_TRUE(form_->Widget()->isVisible());
  canClose_ = true;
  form_->Widget()->close();
  EXPECT_FALSE(form_->Widget()->isVisible());
  EXPECT_FALSE(form_->Visible());
  // (The window system reports the window's deactivation too.)
  std::erase(log_, "deactivate");
  EXPECT_EQ(log_, (std::vector<std::string>{"closequery", "closequery", "close"}));
}

TEST_F(Forms, EnterAndEscapePressTheDefaultAndCancelButtonsOnlyWhenEnabled) {
  auto* edit = new platform::TEdit(form_.get());
  edit->SetParent(form_.get());
  edit->SetTop(40);
  ok_->SetDefault(true);
  cancel_->SetCancel(true);
  form_->Show();
  QApplication::processEvents();
  log_.clear();
  // Typed into the edit field, the keys go up to the form.
  QTest::keyClick(edit->Widget(), Qt::Key_Return);
  QTest::keyClick(edit->Widget(), Qt::Key_Escape);
  EXPECT_EQ(log_, (std::vector<std::string>{"OkButton", "CancelButton"}));
  EXPECT_EQ(form_->ModalResult(), platform::mrCancel);

  log_.clear();
  ok_->SetEnabled(false);
  cancel_->SetEnabled(false);
  QTest::keyClick(edit->Widget(), Qt::Key_Enter);
  QTest::keyClick(edit->Widget(), Qt::Key_Escape);
  form_->PressDefault();
  form_->PressCancel();
  ok_->Click();
  EXPECT_EQ(log_, std::vector<std::string>{});

  ok_->SetEnabled(true);
  ok_->SetVisible(false);
  form_->PressDefault();
  EXPECT_EQ(log_, std::vector<std::string>{});
  ok_->SetVisible(true);
  ok_->SetDefault(false);
  form_->PressDefault();
  EXPECT_EQ(log_, std::vector<std::string>{});
}

TEST_F(Forms, EnterInAModalRunEndsItWithTheDefaultButtonsResult) {
  ok_->SetDefault(true);
  platform::ScopedModalHandler person([](TForm& form) { QTest::keyClick(form.Widget(), Qt::Key_Return); });
  EXPECT_EQ(form_->ShowModal(), platform::mrOk);
}

TEST_F(Forms, AMouseClickOnAButtonClicksItOnce) {
  form_->Show();
  QApplication::processEvents();
  log_.clear();
  QTest::mouseClick(ok_->Widget(), Qt::LeftButton);
  EXPECT_EQ(log_, std::vector<std::string>{"OkButton"});
  EXPECT_EQ(form_->ModalResult(), platform::mrOk);
}

class CountingForm : public TForm {
 public:
  CountingForm(int& destroyed, bool& controlAlive) : TForm(nullptr) {
    auto* panel = new platform::TPanel(this);
    panel->SetParent(this);
    platform::TRef<platform::TPanel> ref = panel;
    OnDestroy = [&destroyed, &controlAlive, ref](TObject*) {
      ++destroyed;
      controlAlive = ref.Get() != nullptr;
    };
  }
  ~CountingForm() override { DoDestroy(); }
};

TEST_F(Forms, OnDestroyRunsOnceWhileTheControlsStillExist) {
  int destroyed = 0;
  bool controlAlive = false;
  delete new CountingForm(destroyed, controlAlive);
  EXPECT_EQ(destroyed, 1);
  EXPECT_TRUE(controlAlive);
}

TEST_F(Forms, ResizingTheWindowResizesTheFormAndRealignsIt) {
  auto* fill = new platform::TPanel(form_.get());
  fill->SetParent(form_.get());
  fill->SetAlign(platform::TAlign::alClient);
  form_->Show();
  QApplication::processEvents();
  form_->Widget()->resize(520, 330);
  QApplication::processEvents();
  EXPECT_EQ(form_->Width(), 520);
  EXPECT_EQ(form_->Height(), 330);
  EXPECT_EQ(form_->ClientWidth(), 520);
  EXPECT_EQ(fill->Bounds(), (platform::TBounds{0, 0, 520, 330}));
}

TEST_F(Forms, TheClientAreaLiesUnderTheMenuBarShownOrNot) {
  auto* menu = new platform::TMainMenu(form_.get());
  auto* file = new platform::TMenuItem(form_.get());
  file->SetCaption("&File");
  menu->Items()->Add(file);
  form_->SetMenu(menu);
  form_->SetClientSize(320, 210);
  EXPECT_EQ(form_->ClientWidth(), 320);
  EXPECT_EQ(form_->ClientHeight(), 210);
  const int barHeight = form_->Height() - 210;
  EXPECT_GT(barHeight, 0);
  form_->Show();
  QApplication::processEvents();
  EXPECT_EQ(form_->ClientHeight(), 210);
  EXPECT_EQ(form_->ClientWidget()->height(), 210);
  EXPECT_EQ(form_->ClientWidget()->y(), barHeight);
}

TEST_F(Forms, AFormCentredOnTheScreenStandsInItsMiddleHoweverItIsShown) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect middle(screen.x() + (screen.width() - 249) / 2, screen.y() + (screen.height() - 350) / 2, 249, 350);
  // Shown as a dialog, and shown plainly as a start-up picture is.
  form_->SetBounds(0, 0, 249, 350);
  form_->SetPosition(platform::TPosition::poScreenCenter);
  form_->ShowModal();
  EXPECT_EQ((QRect(form_->Left(), form_->Top(), form_->Width(), form_->Height())), middle);
  form_->SetBounds(0, 0, 249, 350);
  form_->Show();
  QApplication::processEvents();
  EXPECT_EQ(form_->Widget()->geometry(), middle);
  EXPECT_EQ((QRect(form_->Left(), form_->Top(), form_->Width(), form_->Height())), middle);
  form_->Hide();
  // A form placed by its designer stays where it was put.
  form_->SetPosition(platform::TPosition::poDesigned);
  form_->SetBounds(3, 4, 249, 350);
  form_->Show();
  QApplication::processEvents();
  EXPECT_EQ(form_->Widget()->geometry(), QRect(3, 4, 249, 350));
}

TEST_F(Forms, TheCaptionIsTheWindowTitle) {
  form_->SetCaption("Report Style \xE9");
  EXPECT_EQ(form_->Caption(), "Report Style \xE9");
  EXPECT_EQ(form_->Widget()->windowTitle(), QString::fromUtf8("Report Style \xC3\xA9"));
}

}  // namespace
