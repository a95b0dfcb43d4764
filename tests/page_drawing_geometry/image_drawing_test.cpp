#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>

#include "engine/engine_state.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"
#include "platform/system/qt_application.h"
#include "tests/page_drawing_geometry/drawing_fixture.h"

namespace {

using namespace drawing_test;
using engine::ItemResult;
using engine::kImageRegion;
using Kind = platform::CanvasCall::Kind;

class ImageDrawingTest : public DrawingFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::EnsureApplication());
    ASSERT_TRUE(folder_.isValid());
    engine::ClearErrorFlag();
    windowsFolder_ = platform::AbsoluteWindowsPath(folder_.path().toStdString());
    engine::SetTemplateFolder(windowsFolder_);
  }
  void TearDown() override {
    engine::ClearErrorFlag();
    engine::SetTemplateFolder("");
  }

  std::string Native(const std::string& name) const { return (folder_.path() + "/").toStdString() + name; }
  std::string Windows(const std::string& name) const { return windowsFolder_ + "\\" + name; }

  void WritePicture(const std::string& name, const char* format, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    ASSERT_TRUE(image.save(QString::fromStdString(Native(name)), format));
  }
  void WriteBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(Native(name), std::ios::binary) << bytes;
  }

  rcDefItem& Image(const std::string& file) {
    engine::rcGraphicRegion record;
    record.Parent = "REPORT";
    record.FileName = file;
    record.Dynamic = file == "DYNAMIC";
    return Add(templateItems, "ImageRegion" + std::to_string(templateItems.size()), kImageRegion, record);
  }

  platform::ScopedMessageRecorder messages;
  QTemporaryDir folder_;
  std::string windowsFolder_;
};

TEST_F(ImageDrawingTest, BitmapIsStretchedToTheDeviceRect) {
  WritePicture("logo.bmp", "BMP", 4, 3);
  EXPECT_EQ(Draw(*Placed(Image("logo.bmp"), {150, 200, 250, 260}), {6.0, 6.0, 100, 120}), ItemResult::Continue);
  ASSERT_EQ(canvas.Calls.size(), 1u);
  const CanvasCall& call = canvas.Calls[0];
  EXPECT_EQ(call.kind, Kind::StretchDIBits);
  EXPECT_EQ(call.rect, (TRect{800, 1080, 1400, 1440}));
  EXPECT_EQ(call.extra1, 4);
  EXPECT_EQ(call.extra2, 3);
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(ImageDrawingTest, JpegNamedInCapitalsIsAccepted) {
  WritePicture("PHOTO.JPG", "JPG", 8, 5);
  EXPECT_EQ(Draw(*Placed(Image("PHOTO.JPG"), {10, 20, 30, 40})), ItemResult::Continue);
  ASSERT_EQ(canvas.Calls.size(), 1u);
  EXPECT_EQ(canvas.Calls[0].rect, (TRect{10, 20, 30, 40}));
  EXPECT_EQ(canvas.Calls[0].extra1, 8);
  EXPECT_EQ(canvas.Calls[0].extra2, 5);
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(ImageDrawingTest, DynamicNameFromTheHostAndTheDibExtension) {
  WritePicture("chart.dib", "BMP", 2, 2);
  rcDefItem& image = Image("DYNAMIC");
  auto value = ValuePair(image, std::string("C:\\elsewhere\\chart.dib"));
  EXPECT_EQ(Draw(*PlacedValue(*value, {0, 0, 20, 20})), ItemResult::Continue);
  EXPECT_EQ(CallsOf(canvas.Calls, Kind::StretchDIBits).size(), 1u);
}

TEST_F(ImageDrawingTest, OtherExtensionEndsThePageWithItsLowerCaseName) {
  WriteBytes("anim.GIF", "GIF89a");
  EXPECT_EQ(Draw(*Placed(Image("anim.GIF"), {0, 0, 20, 20})), ItemResult::EndPage);
  EXPECT_TRUE(canvas.Calls.empty());
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Tessel: Expected BMP or JPG extention, found - .gif\"  "}));
  EXPECT_FALSE(engine::ErrorFlag());
}

TEST_F(ImageDrawingTest, MissingFileIsReportedThenEndsThePage) {
  EXPECT_EQ(Draw(*Placed(Image("gone.bmp"), {0, 0, 20, 20})), ItemResult::EndPage);
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{"Tessel: File does not exist \"" + Windows("gone.bmp") + "\" ",
                                      "Tessel: Expected BMP or JPG extention, found - \"  "}));
  EXPECT_TRUE(engine::ErrorFlag());
  EXPECT_TRUE(canvas.Calls.empty());
}

TEST_F(ImageDrawingTest, DamagedPictureIsReportedOncePerJobAndSkipped) {
  WriteBytes("broken.bmp", "BM this is no bitmap at all");
  rcDefItem& first = Image("broken.bmp");
  rcDefItem& second = Image("broken.bmp");
  EXPECT_EQ(Draw(*Placed(first, {0, 0, 20, 20})), ItemResult::Continue);
  EXPECT_EQ(Draw(*Placed(second, {0, 30, 20, 50})), ItemResult::Continue);
  EXPECT_TRUE(canvas.Calls.empty());
  ASSERT_EQ(messages.Texts().size(), 1u);
  const std::string prefix = "Tessel: Picture could not be read: \"" + Windows("broken.bmp") + "\" ";
  EXPECT_EQ(messages.Texts()[0].substr(0, prefix.size()), prefix);
  EXPECT_GT(messages.Texts()[0].size(), prefix.size());
  EXPECT_FALSE(engine::ErrorFlag());
}

TEST_F(ImageDrawingTest, APictureIsReadOncePerJobAndAgainInTheNext) {
  WritePicture("logo.bmp", "BMP", 4, 3);
  rcDefItem& first = Image("logo.bmp");
  rcDefItem& second = Image("logo.bmp");
  Draw(*Placed(first, {0, 0, 20, 20}));
  // Spoiled after its first use: this job keeps what it read.
  WriteBytes("logo.bmp", "BM spoiled");
  Draw(*Placed(second, {0, 30, 20, 50}));
  EXPECT_EQ(CallsOf(canvas.Calls, Kind::StretchDIBits).size(), 2u);
  EXPECT_TRUE(messages.Texts().empty());

  engine::JobPictures nextJob;
  engine::ItemDrawingContext next{canvas, {}, templateItems, nextJob, nullptr, 100, 100, 2, 2};
  engine::DrawPlacedItem(next, *Placed(first, {0, 0, 20, 20}));
  EXPECT_EQ(CallsOf(canvas.Calls, Kind::StretchDIBits).size(), 2u);
  EXPECT_EQ(messages.Texts().size(), 1u);
}

// Pictures that pass the job's budget go one at a time, the least recently
// drawn first, and the static layer's only when nothing else is left. A
// dropped file is read again, which shows here as the message of a file
// spoiled since.
TEST_F(ImageDrawingTest, PastTheBudgetTheLeastRecentlyDrawnPictureGoesFirst) {
  WritePicture("logo.jpg", "JPG", 100, 100);
  rcDefItem& logo = Image("logo.jpg");
  engine::ItemDrawingContext staticLayer = Context();
  staticLayer.staticLayer = true;
  engine::DrawPlacedItem(staticLayer, *Placed(logo, {0, 0, 100, 100}));
  std::vector<rcDefItem*> photos;
  const auto drawPhoto = [&](int number) {
    Draw(*Placed(*photos[static_cast<size_t>(number - 1)], {0, 0, 1000, 1000}));
  };
  for (int number = 1; number <= 16; ++number) {
    WritePicture("photo" + std::to_string(number) + ".jpg", "JPG", 1000, 1000);
    photos.push_back(&Image("photo" + std::to_string(number) + ".jpg"));
    if (number == 16) drawPhoto(1);
    drawPhoto(number);
  }
  for (const std::string name : {"logo.jpg", "photo1.jpg", "photo2.jpg", "photo3.jpg"}) {
    WriteBytes(name, "spoiled");
  }
  engine::DrawPlacedItem(staticLayer, *Placed(logo, {0, 0, 100, 100}));
  drawPhoto(1);
  drawPhoto(3);
  EXPECT_TRUE(messages.Texts().empty());
  drawPhoto(2);
  ASSERT_EQ(messages.Texts().size(), 1u);
  EXPECT_NE(messages.Texts()[0].find("photo2.jpg"), std::string::npos);
}

}  // namespace
