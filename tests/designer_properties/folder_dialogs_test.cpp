// File Location... of image and rich-text regions: the folder dialogs,
// their default-folder box and their OK button.
#include "designer/dialogs/img_dir.h"
#include "designer/dialogs/report_style_form.h"
#include "designer/dialogs/rtf_dir.h"
#include <QLineEdit>

#include <filesystem>

#include "platform/text/win1252.h"
#include "tests/designer_properties/properties_fixture.h"
#include "tests/platform_drawing/test_pictures.h"

namespace tessel_test {
namespace {

using FolderDialogsTest = PropertiesTest;

TEST_F(FolderDialogsTest, ImageFolderIsStoredOnOkOnly) {
  auto* image = Place<designer::TImageRegion>(FixedRegion(), designer::kModeImage);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->FFileLocation, "IMAGES");
  Pick(image);
  designer::TImgDir& dialog = *program().ImgDir;
  modals->On("ImgDir", [&](platform::TForm& shown) {
    EXPECT_EQ(shown.Caption(), "Image Directory");
    EXPECT_EQ(dialog.Label1->Caption(), "Specify Directory Where Image Files Will Reside");
    EXPECT_EQ(dialog.CheckBox1->Caption(), "Use Default Directory");
    EXPECT_EQ(dialog.Edit1->Text(), "IMAGES");
    dialog.Edit1->SetText("D:\\Art");
    dialog.BitBtn2->Click();
  });
  Choose("FileLocation1");
  EXPECT_EQ(image->FFileLocation, "IMAGES");

  modals->On("ImgDir", [&](platform::TForm&) {
    dialog.Edit1->SetText("D:\\Art");
    dialog.BitBtn1->Click();
  });
  Choose("FileLocation1");
  EXPECT_EQ(image->FFileLocation, "D:\\Art");
}

TEST_F(FolderDialogsTest, DefaultBoxCopiesTheReportsFolderAndKeepsItsState) {
  auto* richText = Place<designer::TRichTextRegion>(FixedRegion(), designer::kModeRichText);
  Pick(richText);
  program().ReportStyleForm->Edit1->SetText("PICS");
  program().ReportStyleForm->Edit2->SetText("TEXTS");
  designer::TRTFDir& dialog = *program().RTFDir;
  modals->On("RTFDir", [&](platform::TForm& shown) {
    EXPECT_EQ(shown.Caption(), "RTF Directory");
    EXPECT_EQ(dialog.Label1->Caption(), "Specify Directory Where RTF Files Will Reside");
    EXPECT_EQ(dialog.Edit1->Text(), "RTFS");
    dialog.CheckBox1->Toggle();
    EXPECT_EQ(dialog.Edit1->Text(), "TEXTS") << "the rich-text folder, not the image folder";
    dialog.BitBtn1->Click();
  });
  Choose("FileLocation2");
  EXPECT_EQ(richText->FFileLocation, "TEXTS");

  modals->On("RTFDir", [&](platform::TForm&) {
    EXPECT_TRUE(dialog.CheckBox1->Checked()) << "the box keeps its state";
    dialog.Edit1->SetText("Mine");
    dialog.CheckBox1->Toggle();
    EXPECT_EQ(dialog.Edit1->Text(), "Mine") << "clicking it off changes nothing";
    dialog.BitBtn1->Click();
  });
  Choose("FileLocation2");
  EXPECT_EQ(richText->FFileLocation, "Mine");

  // The image dialog reads the image folder.
  auto* image = Place<designer::TImageRegion>(FixedRegion(), designer::kModeImage);
  Pick(image);
  modals->On("ImgDir", [&](platform::TForm&) {
    program().ImgDir->CheckBox1->Toggle();
    EXPECT_EQ(program().ImgDir->Edit1->Text(), "PICS");
    program().ImgDir->BitBtn1->Click();
  });
  Choose("FileLocation1");
  EXPECT_EQ(image->FFileLocation, "PICS");
}

TEST_F(FolderDialogsTest, PathsATemplateCannotHoldAreRefused) {
  auto* image = Place<designer::TImageRegion>(FixedRegion(), designer::kModeImage);
  Pick(image);
  std::filesystem::create_directory(folder() + "/Café");
  std::filesystem::create_directory(folder() + "/Łódź");
  WriteFile(folder() + "/Café", "pic.bmp", BmpBytes(ColourChart()));
  WriteFile(folder() + "/Łódź", "pic.bmp", BmpBytes(ColourChart()));
  const auto refusal = [](const std::string& path) {
    return "\"" + path + "\" cannot be stored in the template: a template holds paths in Western European letters "
                        "only. Rename the file or folder, or choose another.";
  };
  // A folder of Western letters is stored as the template's text.
  dialogs->ReplyFile(WindowsPath("Café/pic.bmp"));
  Choose("Filename1");
  EXPECT_EQ(image->FImageFile, platform::Utf8ToWin1252(WindowsPath("Café/pic.bmp")));
  dialogs->ReplyFile(WindowsPath("Łódź/pic.bmp"));
  dialogs->ReplyButton(platform::mrOk);
  Choose("Filename1");
  EXPECT_EQ(LastRequest().text, refusal(WindowsPath("Łódź/pic.bmp")));
  EXPECT_EQ(image->FImageFile, platform::Utf8ToWin1252(WindowsPath("Café/pic.bmp")));

  // Typed, or found with the report style's Browse button.
  modals->On("ImgDir", [&](platform::TForm&) {
    static_cast<QLineEdit*>(program().ImgDir->Edit1->Widget())->setText("Obrazy Łódź");
    program().ImgDir->BitBtn1->Click();
  });
  dialogs->ReplyButton(platform::mrOk);
  Choose("FileLocation1");
  EXPECT_EQ(LastRequest().text, refusal("Obrazy Łódź"));
  EXPECT_EQ(image->FFileLocation, "IMAGES");
  designer::TReportStyleForm& style = *program().ReportStyleForm;
  const std::string folderBefore = style.Edit1->Text();
  dialogs->ReplyFile(WindowsPath("Łódź/pic.bmp"));
  dialogs->ReplyButton(platform::mrOk);
  style.Button1->Click();
  EXPECT_EQ(LastRequest().text, refusal(WindowsPath("Łódź")));
  EXPECT_EQ(style.Edit1->Text(), folderBefore);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(FolderDialogsTest, OkIsEnabledOnlyWithAFolder) {
  auto* image = Place<designer::TImageRegion>(FixedRegion(), designer::kModeImage);
  Pick(image);
  designer::TImgDir& dialog = *program().ImgDir;
  modals->On("ImgDir", [&](platform::TForm&) {
    EXPECT_TRUE(dialog.BitBtn1->Enabled());
    dialog.Edit1->SetText("");
    EXPECT_FALSE(dialog.BitBtn1->Enabled());
    dialog.BitBtn2->Click();
  });
  Choose("FileLocation1");
  EXPECT_EQ(image->FFileLocation, "IMAGES");
  // A region without a folder opens the dialog with OK still disabled.
  image->FFileLocation = "";
  modals->On("ImgDir", [&](platform::TForm&) {
    EXPECT_FALSE(dialog.BitBtn1->Enabled());
    dialog.Edit1->SetText("X");
    EXPECT_TRUE(dialog.BitBtn1->Enabled());
    dialog.BitBtn1->Click();
  });
  Choose("FileLocation1");
  EXPECT_EQ(image->FFileLocation, "X");
}

}  // namespace
}  // namespace tessel_test
