// Image and rich-text regions loading their files.
#include <filesystem>

#include "designer/objects/image_region.h"
#include "designer/objects/rich_text_region.h"
#include "platform/controls/exceptions.h"
#include "tests/designer_support/designer_fixture.h"
#include "tests/platform_drawing/test_pictures.h"

namespace tessel_test {
namespace {

class PictureRegionTest : public DesignerTest {
 protected:
  designer::TImageRegion& Image() {
    if (!image_) {
      image_ = new designer::TImageRegion(form().REPORT);
      image_->SetParent(form().REPORT);
    }
    return *image_;
  }
  std::string Picture(const std::string& name, const QByteArray& bytes) {
    WriteFile(folder(), name, bytes);
    return WindowsPath(name);
  }
  designer::TImageRegion* image_ = nullptr;
};

TEST_F(PictureRegionTest, LoadsTheThreeKindsInAnyCase) {
  const std::string bmp = Picture("logo.BMP", BmpBytes(ColourChart()));
  Image().LoadImageFile(bmp);
  EXPECT_EQ(Image().FImageFile, bmp);
  EXPECT_EQ(Image().FBitmap.Width(), 4);
  EXPECT_EQ(Image().FImage->GetPicture().Height(), 3);
  const std::string jpg = Picture("photo.JPG", JpegBytes(ColourChart()));
  Image().LoadImageFile(jpg);
  EXPECT_EQ(Image().FImageFile, jpg);
  const std::string dib = Picture("chart.dib", BmpBytes(ColourChart()));
  Image().LoadImageFile(dib);
  EXPECT_EQ(Image().FImageFile, dib);
}

TEST_F(PictureRegionTest, OtherExtensionsAndMissingFilesChangeNothing) {
  const std::string bmp = Picture("logo.bmp", BmpBytes(ColourChart()));
  Image().LoadImageFile(bmp);
  for (const char* name : {"photo.jpeg", "vector.emf", "picture.jpgx"}) {
    const std::string other = Picture(name, JpegBytes(ColourChart()));
    Image().LoadImageFile(other);
    EXPECT_EQ(Image().FImageFile, bmp) << name;
  }
  Image().LoadImageFile(WindowsPath("missing.bmp"));
  EXPECT_EQ(Image().FImageFile, bmp);
  EXPECT_FALSE(Image().FBitmap.Empty());
}

TEST_F(PictureRegionTest, EmptyNameClears) {
  Image().LoadImageFile(Picture("logo.bmp", BmpBytes(ColourChart())));
  Image().LoadImageFile("");
  EXPECT_EQ(Image().FImageFile, "");
  EXPECT_TRUE(Image().FBitmap.Empty());
  EXPECT_TRUE(Image().FImage->GetPicture().Empty());
}

TEST_F(PictureRegionTest, RefusedFilesRaiseTheReadersErrorAndKeepThePicture) {
  const std::string bmp = Picture("logo.bmp", BmpBytes(ColourChart()));
  Image().LoadImageFile(bmp);
  const std::string broken = Picture("broken.jpg", QByteArray("not a jpeg at all"));
  EXPECT_THROW(Image().LoadImageFile(broken), platform::Exception);
  const std::string icon = Picture("app.ico", BmpBytes(ColourChart()));
  try {
    Image().LoadImageFile(icon);
    ADD_FAILURE() << "an icon is no bitmap";
  } catch (const platform::Exception& error) {
    EXPECT_EQ(error.Message(), "Bitmap image is not valid");
  }
  EXPECT_EQ(Image().FImageFile, bmp);
  EXPECT_EQ(Image().FBitmap.Width(), 4);
}

TEST_F(PictureRegionTest, FitToPicture) {
  Image().SetBounds(0, 0, 120, 80);
  Image().LoadImageFile(Picture("logo.bmp", BmpBytes(ColourChart().scaled(40, 30))));
  Image().FitToPicture();
  EXPECT_EQ(Image().Width(), 40);
  EXPECT_EQ(Image().Height(), 30);
  EXPECT_EQ(Image().FImage->Align(), platform::TAlign::alClient);
}

TEST_F(PictureRegionTest, RichTextFromFilesAndNothingForMissingOnes) {
  auto* region = new designer::TRichTextRegion(form().REPORT);
  region->SetParent(form().REPORT);
  WriteFileBytes(folder() + "/notes.txt", "first line\r\nsecond line\r\n");
  region->LoadRtfFile(WindowsPath("notes.txt"));
  EXPECT_EQ(region->FRtfFile, WindowsPath("notes.txt"));
  EXPECT_EQ(region->FRichEdit->Lines(), (std::vector<std::string>{"first line", "second line"}));
  WriteFileBytes(folder() + "/letter.rtf", "{\\rtf1\\ansi {\\b Dear} reader\\par Yours}");
  region->LoadRtfFile(WindowsPath("letter.rtf"));
  EXPECT_EQ(region->FRichEdit->Lines(), (std::vector<std::string>{"Dear reader", "Yours"}));
  region->LoadRtfFile(WindowsPath("missing.rtf"));
  EXPECT_EQ(region->FRtfFile, WindowsPath("letter.rtf"));
  region->LoadRtfFile("");
  EXPECT_EQ(region->FRtfFile, "");
  EXPECT_TRUE(region->FRichEdit->Lines().empty());
}

}  // namespace
}  // namespace tessel_test
