// The image popup: picture files, dynamic loading, the picture's own size
// and the region's information.
#include "designer/dialogs/image_info.h"
#include "platform/drawing/picture_impl.h"
#include "tests/designer_properties/properties_fixture.h"
#include "tests/platform_drawing/bmp_bytes.h"
#include "tests/platform_drawing/test_pictures.h"

namespace tessel_test {
namespace {

class ImageCommandsTest : public PropertiesTest {
 protected:
  designer::TImageRegion* Image() {
    auto* image = Place<designer::TImageRegion>(FixedRegion(), designer::kModeImage);
    Pick(image);
    return image;
  }
  // A picture file of the test folder, as the designer names it.
  std::string PictureFile(const std::string& name, const QByteArray& bytes) {
    WriteFile(folder(), name, bytes);
    return WindowsPath(name);
  }
};

TEST_F(ImageCommandsTest, FilenameLoadsBitmapsAndJpegs) {
  designer::TImageRegion* image = Image();
  ASSERT_NE(image, nullptr);
  const std::string bmp = PictureFile("chart.bmp", BmpBytes(ColourChart()));
  dialogs->ReplyFile(bmp);
  Choose("Filename1");
  const platform::DialogRequest& asked = LastRequest();
  EXPECT_EQ(asked.kind, platform::DialogRequest::Kind::OpenFile);
  EXPECT_EQ(asked.filter, "Bitmaps|*.bmp;*.emf|JPEG|*.jpg|DIBs|*.dib|All|*.bmp;*.jpg;*.dib");
  EXPECT_EQ(image->FImageFile, bmp);
  EXPECT_EQ(image->FBitmap.Width(), 4);
  EXPECT_EQ(image->FBitmap.Height(), 3);
  EXPECT_FALSE(image->FImage->GetPicture().Empty());

  QImage wide(8, 2, QImage::Format_RGB32);
  wide.fill(Qt::red);
  const std::string jpeg = PictureFile("WIDE.JPG", JpegBytes(wide));
  dialogs->ReplyFile(jpeg);
  Choose("Filename1");
  EXPECT_EQ(LastRequest().value, bmp) << "the dialog keeps its last file";
  EXPECT_EQ(image->FImageFile, jpeg);
  EXPECT_EQ(image->FBitmap.Width(), 8);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(ImageCommandsTest, FilenameLoadsTopDownAndBitFieldBitmaps) {
  designer::TImageRegion* image = Image();
  // Rows stored top to bottom: red over green over blue.
  BmpLayout topDown;
  topDown.width = 2;
  topDown.height = -3;
  topDown.bitCount = 8;
  topDown.colours = {0xFF0000, 0x00FF00, 0x0000FF};
  const std::string bmp = PictureFile("top-down.bmp", BmpOf(topDown, {0, 0, 1, 1, 2, 2}));
  dialogs->ReplyFile(bmp);
  Choose("Filename1");
  EXPECT_EQ(image->FImageFile, bmp);
  ASSERT_EQ(image->FBitmap.Height(), 3);
  EXPECT_EQ(image->FBitmap.impl().image.pixel(1, 0), 0xFFFF0000u);
  EXPECT_EQ(image->FBitmap.impl().image.pixel(1, 2), 0xFF0000FFu);

  // Ten bits a channel: half of full green is 128.
  BmpLayout tenBits;
  tenBits.width = 1;
  tenBits.height = -1;
  tenBits.bitCount = 32;
  tenBits.compression = 3;
  tenBits.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
  const std::string dib = PictureFile("ten-bits.dib", BmpOf(tenBits, {0x3FF80000}));
  dialogs->ReplyFile(dib);
  Choose("Filename1");
  EXPECT_EQ(image->FImageFile, dib);
  EXPECT_EQ(image->FBitmap.impl().image.pixel(0, 0), 0xFFFF8000u);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(ImageCommandsTest, MissingFileOrCancelChangesNothing) {
  designer::TImageRegion* image = Image();
  const std::string bmp = PictureFile("chart.bmp", BmpBytes(ColourChart()));
  dialogs->ReplyFile(bmp);
  Choose("Filename1");
  dialogs->ReplyFile(WindowsPath("gone.bmp"));
  Choose("Filename1");
  dialogs->ReplyCancel();
  Choose("Filename1");
  EXPECT_EQ(image->FImageFile, bmp);
  EXPECT_EQ(image->FBitmap.Width(), 4);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(ImageCommandsTest, UndecodableFileShowsTheReadersErrorAndKeepsThePicture) {
  designer::TImageRegion* image = Image();
  const std::string bmp = PictureFile("chart.bmp", BmpBytes(ColourChart()));
  dialogs->ReplyFile(bmp);
  Choose("Filename1");
  for (const char* name : {"broken.bmp", "broken.jpg", "icon.ico"}) {
    const std::string bad = PictureFile(name, QByteArray("this is no picture at all"));
    dialogs->ReplyFile(bad);
    Choose("Filename1");
    EXPECT_EQ(image->FImageFile, bmp) << name;
    EXPECT_EQ(image->FBitmap.Width(), 4) << name;
  }
  ASSERT_EQ(Errors().size(), 3u);
  for (const std::string& error : Errors()) EXPECT_FALSE(error.empty());
}

TEST_F(ImageCommandsTest, SetToDynamic) {
  designer::TImageRegion* image = Image();
  const std::string bmp = PictureFile("chart.bmp", BmpBytes(ColourChart()));
  dialogs->ReplyFile(bmp);
  Choose("Filename1");

  dialogs->ReplyButton(platform::mrCancel);
  Choose("SetToDynamic1");
  EXPECT_EQ(image->FImageFile, bmp);
  const platform::DialogRequest& asked = LastRequest();
  EXPECT_EQ(asked.text, "Do you want the image file to be\n\rdynamically loaded from Authorware/Director?");
  EXPECT_EQ(asked.buttons, platform::mbYesNoCancel);
  EXPECT_EQ(asked.type, platform::TMsgDlgType::mtConfirmation);

  dialogs->ReplyButton(platform::mrYes);
  Choose("SetToDynamic1");
  EXPECT_EQ(image->FImageFile, "DYNAMIC");
  EXPECT_TRUE(image->FImage->GetPicture().Empty());

  dialogs->ReplyFile(bmp);
  Choose("Filename1");
  dialogs->ReplyButton(platform::mrNo);
  Choose("SetToDynamic1");
  EXPECT_EQ(image->FImageFile, "");
  EXPECT_TRUE(image->FImage->GetPicture().Empty());
  EXPECT_TRUE(image->FBitmap.Empty());
}

TEST_F(ImageCommandsTest, ActualSizeTakesThePicturesSize) {
  designer::TImageRegion* image = Image();
  const platform::TBounds before = image->Bounds();
  dialogs->ReplyFile(PictureFile("chart.bmp", BmpBytes(ColourChart())));
  Choose("Filename1");
  dialogs->ReplyButton(platform::mrNo);
  Choose("ActualSize1");
  EXPECT_EQ(image->Bounds(), before);
  EXPECT_EQ(LastRequest().text, "Resize Image to Actual Size?");
  EXPECT_EQ(LastRequest().buttons, platform::mbYesNo);
  dialogs->ReplyButton(platform::mrYes);
  Choose("ActualSize1");
  EXPECT_EQ(image->Width(), 4);
  EXPECT_EQ(image->Height(), 3);
  EXPECT_EQ(image->Left(), before.Left);
  EXPECT_EQ(image->FImage->Align(), platform::TAlign::alClient);
}

TEST_F(ImageCommandsTest, ShowImageInfo) {
  designer::TImageRegion* image = Image();
  image->FImageFile = "C:\\Pictures\\R&D.bmp";
  image->FFileLocation = "IMAGES";
  designer::TImageInfo& info = *program().ImageInfo;
  info.SetCaption("Rich Text Information");
  modals->On("ImageInfo", [&](platform::TForm& shown) {
    EXPECT_EQ(shown.Caption(), "Image Information");
    EXPECT_EQ(info.ImageName->Caption(), "ImageRegion1");
    EXPECT_EQ(info.fileName->DisplayText(), "C:\\Pictures\\R&D.bmp");
    EXPECT_EQ(info.fileLocation->Caption(), "IMAGES");
    info.BitBtn1->Click();
  });
  Choose("ShowImageInfo1");
}

}  // namespace
}  // namespace tessel_test
