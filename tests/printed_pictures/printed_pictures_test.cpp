// Pictures printed through the exports into a PDF and read back with
// pdfimages: bitmaps of every form arrive pixel for pixel, in image regions
// and through zBxPrintGraphicFile, and a file drawn on every page of a job
// is embedded once.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "engine/zbx_qn.h"
#include "platform/printing/pdf_printer.h"
#include "platform/system/message_box.h"
#include "platform/system/qt_application.h"
#include "tests/platform_drawing/bmp_bytes.h"
#include "tests/platform_drawing/test_pictures.h"
#include "tests/printing/pdf_tools.h"

namespace tessel_test {
namespace {

using Texts = std::vector<std::string>;

constexpr int32_t kWidth = 24;
constexpr int32_t kHeight = 16;

// Neighbouring pixels differ, so that any smoothing or JPEG block shows.
uint32_t Noise(uint32_t x, uint32_t y) {
  uint32_t value = (x * 73856093u) ^ (y * 19349663u) ^ 0x9E3779B9u;
  value ^= value >> 13;
  value *= 0x5BD1E995u;
  value ^= value >> 15;
  return value;
}

struct SampleBitmap {
  QByteArray bytes;
  std::vector<uint32_t> colours;  // 0xRRGGBB, top row first
};

// Indices into a table of noise colours; one bit is a black and white
// checkerboard, the dithered line art of old pictures.
SampleBitmap Paletted(uint16_t bitCount, int32_t height, bool fileHeader = true) {
  BmpLayout layout;
  layout.width = kWidth;
  layout.height = height;
  layout.bitCount = bitCount;
  layout.fileHeader = fileHeader;
  const uint32_t entries = 1u << bitCount;
  for (uint32_t i = 0; i < entries; ++i) {
    layout.colours.push_back(bitCount == 1 ? (i == 0 ? 0x000000 : 0xFFFFFF) : Noise(i, 999) & 0xFFFFFF);
  }
  SampleBitmap sample;
  std::vector<uint32_t> stored;
  for (uint32_t y = 0; y < kHeight; ++y) {
    for (uint32_t x = 0; x < kWidth; ++x) {
      const uint32_t index = bitCount == 1 ? (x + y) % 2 : Noise(x, y) % entries;
      stored.push_back(index);
      sample.colours.push_back(layout.colours[index]);
    }
  }
  sample.bytes = BmpOf(layout, stored);
  return sample;
}

SampleBitmap TrueColour(int32_t height, bool fileHeader = true) {
  BmpLayout layout;
  layout.width = kWidth;
  layout.height = height;
  layout.fileHeader = fileHeader;
  SampleBitmap sample;
  for (uint32_t y = 0; y < kHeight; ++y) {
    for (uint32_t x = 0; x < kWidth; ++x) sample.colours.push_back(Noise(x, y) & 0xFFFFFF);
  }
  sample.bytes = BmpOf(layout, sample.colours);
  return sample;
}

// Bit fields whose channels are each either empty or full: eight colours
// whose eight-bit values need no arithmetic to know.
SampleBitmap FullOrEmptyChannels(uint16_t bitCount, std::vector<uint32_t> masks, int32_t height) {
  BmpLayout layout;
  layout.width = kWidth;
  layout.height = height;
  layout.bitCount = bitCount;
  layout.compression = 3;
  layout.masks = masks;
  SampleBitmap sample;
  std::vector<uint32_t> stored;
  for (uint32_t y = 0; y < kHeight; ++y) {
    for (uint32_t x = 0; x < kWidth; ++x) {
      const uint32_t channels = Noise(x, y) % 8;
      stored.push_back(((channels & 4) ? masks[0] : 0) | ((channels & 2) ? masks[1] : 0) |
                       ((channels & 1) ? masks[2] : 0));
      sample.colours.push_back(((channels & 4) ? 0xFF0000 : 0) | ((channels & 2) ? 0x00FF00 : 0) |
                               ((channels & 1) ? 0x0000FF : 0));
    }
  }
  sample.bytes = BmpOf(layout, stored);
  return sample;
}

// The count of pixels that differ, and where the first one is.
std::string PixelDifferences(const QImage& image, const std::vector<uint32_t>& colours) {
  if (image.width() != kWidth || image.height() != kHeight) {
    return "size " + std::to_string(image.width()) + " x " + std::to_string(image.height());
  }
  int differing = 0;
  std::string first;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t got = image.pixel(x, y) & 0xFFFFFF;
      const uint32_t want = colours[static_cast<size_t>(y * kWidth + x)];
      if (got != want && differing++ == 0) {
        first = " first at " + std::to_string(x) + "," + std::to_string(y);
      }
    }
  }
  return differing == 0 ? "" : std::to_string(differing) + " pixels differ;" + first;
}

std::set<int> ObjectsOf(const std::vector<PdfImage>& images) {
  std::set<int> objects;
  for (const PdfImage& image : images) objects.insert(image.object);
  return objects;
}

constexpr const char* kStyles =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nREPORTWIDTH=8\nREPORTHEIGHT=10\n"
    "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\nSIZE=8\nNAME=Arial\n";

std::string ImageRegion(int number, const std::string& name, int left, int top,
                        const std::string& parent, const std::string& file, int width = 96, int height = 64) {
  return "[RC" + std::to_string(number) + "]\nNAME=" + name + "\nLEFT=" + std::to_string(left) +
         "\nTOP=" + std::to_string(top) + "\nWIDTH=" + std::to_string(width) + "\nHEIGHT=" +
         std::to_string(height) + "\nPARENT=" + parent + "\nIMAGEFILE=" + file + "\nFILELOCATION=\n";
}

// A banner with one picture on every page, and a body of rows three to a
// page, each row with a caption and a picture the host names.
std::string BannerAndRows(const std::string& bannerFile, int bannerWidth, int bannerHeight, int rowPictureSize) {
  return std::string(kStyles) + "[REPORT]\nRC1=FIXEDREGION\nRC2=FIXEDREGION\n"
         "[RC1]\nNAME=Banner\nLEFT=0\nTOP=0\nWIDTH=700\nHEIGHT=100\nPARENT=REPORT\n"
         "[Banner]\nRC3=IMAGEREGION\n" +
         ImageRegion(3, "Logo", 10, 10, "Banner", bannerFile, bannerWidth, bannerHeight) +
         "[RC2]\nNAME=Body\nLEFT=0\nTOP=120\nWIDTH=700\nHEIGHT=780\nPARENT=REPORT\n"
         "[Body]\nRC4=REPEATREGION\n"
         "[RC4]\nNAME=Row\nLEFT=0\nTOP=0\nWIDTH=700\nHEIGHT=250\nPARENT=Body\n"
         "[Row]\nRC5=VARIABLE\nRC6=IMAGEREGION\n"
         "[RC5]\nNAME=Caption\nLEFT=400\nTOP=10\nWIDTH=200\nHEIGHT=20\nPARENT=Row\n"
         "VARTYPE=string\nHLWHEN=none\nSTYLE=DEFAULTSTYLE\nHLSTYLE=DEFAULTSTYLE\n" +
         ImageRegion(6, "Photo", 10, 10, "Row", "DYNAMIC", rowPictureSize, rowPictureSize);
}

void EnterRows(int rows, const std::string& pictureFile) {
  zBxBeginRegion("Body");
  for (int row = 1; row <= rows; ++row) {
    zBxBeginRegion("Row");
    zBxSetVariable("Caption", ("Row " + std::to_string(row)).c_str());
    const std::string file = pictureFile.empty() ? "photo" + std::to_string(row) + ".jpg" : pictureFile;
    zBxSetVariable("Photo", file.c_str());
    zBxEndRegion();
  }
  zBxEndRegion();
}

class PrintedPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::EnsureApplication());
    ASSERT_TRUE(folder_.isValid());
    previous_ = platform::SetPrinter(&printer_);
  }
  void TearDown() override {
    zBxFreeReport();
    platform::SetPrinter(previous_);
  }

  std::string Path(const std::string& name) const { return folder_.path().toStdString() + "/" + name; }
  std::string Write(const std::string& name, const QByteArray& bytes) {
    return WriteFile(folder_.path().toStdString(), name, bytes);
  }
  std::string Write(const std::string& name, const std::string& text) {
    return Write(name, QByteArray::fromStdString(text));
  }

  // Runs a print call with its PDF going to the named file; returns the
  // file's path.
  template <typename Call>
  std::string PrintTo(const std::string& pdf, Call call) {
    ScopedEnvironment target("ZBX_PRINT_TO", Path(pdf).c_str());
    testing::internal::CaptureStderr();
    call();
    testing::internal::GetCapturedStderr();
    return Path(pdf);
  }

  QTemporaryDir folder_;
  platform::ScopedMessageRecorder messages_;
  platform::PdfPrinter printer_;
  platform::TPrinter* previous_ = nullptr;
};

TEST_F(PrintedPictures, EveryBitmapFormReachesThePdfPixelForPixelFromImageRegions) {
  const std::vector<std::pair<std::string, SampleBitmap>> samples = {
      {"mono.bmp", Paletted(1, kHeight)},
      {"mono-top-down.bmp", Paletted(1, -kHeight)},
      {"nibbles-top-down.bmp", Paletted(4, -kHeight)},
      {"bytes-top-down.dib", Paletted(8, -kHeight, false)},
      {"true-colour-top-down.bmp", TrueColour(-kHeight)},
      {"five-six-five-top-down.bmp", FullOrEmptyChannels(16, {0xF800, 0x07E0, 0x001F}, -kHeight)},
      {"ten-ten-ten.bmp", FullOrEmptyChannels(32, {0x3FF00000, 0x000FFC00, 0x000003FF}, kHeight)},
  };
  std::string list = "[REPORT]\nRC1=FIXEDREGION\n[RC1]\nNAME=Pictures\nLEFT=0\nTOP=0\nWIDTH=700"
                     "\nHEIGHT=700\nPARENT=REPORT\n[Pictures]\n";
  std::string sections;
  for (size_t i = 0; i < samples.size(); ++i) {
    const int number = static_cast<int>(i) + 2;
    Write(samples[i].first, samples[i].second.bytes);
    list += "RC" + std::to_string(number) + "=IMAGEREGION\n";
    sections += ImageRegion(number, "Picture" + std::to_string(i), static_cast<int>(i % 4) * 110,
                            static_cast<int>(i / 4) * 80, "Pictures", samples[i].first);
  }
  zBxCreateReport(Write("pictures.qnf", std::string(kStyles) + list + sections).c_str());
  const std::string pdf = PrintTo("pictures.pdf", [] { zBxPrintReport(); });
  EXPECT_EQ(messages_.Texts(), Texts{});

  const std::vector<PdfImage> listed = PdfImageList(pdf);
  const std::vector<QImage> pixels = PdfImagePixels(pdf);
  ASSERT_EQ(listed.size(), samples.size());
  ASSERT_EQ(pixels.size(), samples.size());
  for (size_t i = 0; i < samples.size(); ++i) {
    EXPECT_EQ(listed[i].encoding, "image") << samples[i].first;
    EXPECT_EQ(PixelDifferences(pixels[i], samples[i].second.colours), "") << samples[i].first;
  }
}

TEST_F(PrintedPictures, DirectlyPrintedBitmapsReachThePdfPixelForPixel) {
  const SampleBitmap nibbles = Paletted(4, -kHeight);
  const SampleBitmap bareDib = TrueColour(-kHeight, false);
  const std::string bmp = Write("nibbles.bmp", nibbles.bytes);
  const std::string dib = Write("bare.dib", bareDib.bytes);
  const std::string first = PrintTo("nibbles.pdf", [&] { zBxPrintGraphicFile(bmp.c_str(), 0, 100, 0); });
  const std::string second = PrintTo("bare.pdf", [&] { zBxPrintGraphicFile(dib.c_str(), 1, 50, 1); });
  EXPECT_EQ(messages_.Texts(), Texts{});
  for (const auto& [pdf, sample] : {std::pair{first, nibbles}, std::pair{second, bareDib}}) {
    const std::vector<PdfImage> listed = PdfImageList(pdf);
    const std::vector<QImage> pixels = PdfImagePixels(pdf);
    ASSERT_EQ(listed.size(), 1u) << pdf;
    ASSERT_EQ(pixels.size(), 1u) << pdf;
    EXPECT_EQ(listed[0].encoding, "image") << pdf;
    EXPECT_EQ(PixelDifferences(pixels[0], sample.colours), "") << pdf;
  }
}

TEST_F(PrintedPictures, APictureOnEveryPageIsEmbeddedOnceAJob) {
  // A logo in the static layer of every page, and a photo in every row of
  // a repeat region: three rows a page, nine rows.
  const SampleBitmap logo = TrueColour(kHeight);
  Write("logo.bmp", logo.bytes);
  QImage photo(40, 30, QImage::Format_RGB32);
  for (int y = 0; y < photo.height(); ++y) {
    for (int x = 0; x < photo.width(); ++x) photo.setPixel(x, y, Noise(x, y) | 0xFF000000u);
  }
  Write("photo.jpg", JpegBytes(photo));
  zBxCreateReport(Write("rows.qnf", BannerAndRows("logo.bmp", 96, 64, 96)).c_str());
  EnterRows(9, "photo.jpg");

  for (const std::string name : {"rows.pdf", "again.pdf"}) {
    const std::string pdf = PrintTo(name, [] { zBxPrintReport(); });
    EXPECT_EQ(messages_.Texts(), Texts{});
    EXPECT_EQ(PdfInfo(pdf)["Pages"], "3");
    const std::vector<PdfImage> listed = PdfImageList(pdf);
    // Each page draws the logo once and the photo three times.
    ASSERT_EQ(listed.size(), 12u) << name;
    EXPECT_EQ(ObjectsOf(listed).size(), 2u) << name;
    // The bitmap keeps its pixels; the JPEG file may stay JPEG.
    EXPECT_EQ(listed[0].encoding, "image");
    EXPECT_EQ(listed[1].encoding, "jpeg");
    const std::vector<QImage> pixels = PdfImagePixels(pdf);
    ASSERT_EQ(pixels.size(), 12u);
    EXPECT_EQ(PixelDifferences(pixels[0], logo.colours), "") << name;
  }
}

// Past the job's pixel budget: a photo far larger than the budget in the
// banner of every page is decoded for the size it is drawn at, and with 20
// million pixels of rows' pictures those go one at a time while the logo
// stays. Either way the banner's picture is embedded once.
TEST_F(PrintedPictures, PastThePixelBudgetTheBannerPictureIsEmbeddedOnceAtTheSizeItIsDrawn) {
  QImage large(5000, 4000, QImage::Format_RGB888);
  for (int y = 0; y < large.height(); ++y) {
    uchar* row = large.scanLine(y);
    for (int x = 0; x < large.width(); ++x, row += 3) row[0] = x % 256, row[1] = y % 256, row[2] = 90;
  }
  Write("header.jpg", JpegBytes(large, 80));
  Write("small.jpg", JpegBytes(large.copy(0, 0, 40, 30)));
  Write("logo.bmp", TrueColour(kHeight).bytes);
  for (int row = 1; row <= 20; ++row) {
    QImage photo(1000, 1000, QImage::Format_RGB888);
    photo.fill(QColor::fromHsv(row * 17 % 360, 200, 200));
    Write("photo" + std::to_string(row) + ".jpg", JpegBytes(photo, 50));
  }
  struct Case {
    const char* banner;
    int drawnWidth, drawnHeight, rowPictureSize, rows;
    const char* rowFile;  // empty: each row its own photo
    const char* pages;
    size_t images, objects;
    int bannerWidth, bannerHeight, rowWidth;
  };
  const Case cases[] = {
      // 2 x 1.5 inches at 600 pixels an inch: a quarter of the photo covers it.
      {"header.jpg", 200, 150, 50, 36, "small.jpg", "12", 48, 2, 1250, 1000, 40},
      // Each photo is drawn 2 inches square, larger than itself: kept whole.
      {"logo.bmp", 96, 64, 200, 20, "", "7", 27, 21, kWidth, kHeight, 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.banner);
    zBxCreateReport(
        Write("budget.qnf", BannerAndRows(c.banner, c.drawnWidth, c.drawnHeight, c.rowPictureSize)).c_str());
    EnterRows(c.rows, c.rowFile);
    const std::string pdf = PrintTo(std::string(c.banner) + ".pdf", [] { zBxPrintReport(); });
    EXPECT_EQ(messages_.Texts(), Texts{});
    EXPECT_EQ(PdfInfo(pdf)["Pages"], c.pages);
    const std::vector<PdfImage> listed = PdfImageList(pdf);
    ASSERT_EQ(listed.size(), c.images);
    EXPECT_EQ(ObjectsOf(listed).size(), c.objects);
    EXPECT_EQ(listed[0].width, c.bannerWidth);
    EXPECT_EQ(listed[0].height, c.bannerHeight);
    std::set<int> bannerObjects;
    for (const PdfImage& image : listed) {
      if (image.width == c.bannerWidth) bannerObjects.insert(image.object);
      else EXPECT_EQ(image.width, c.rowWidth);
    }
    EXPECT_EQ(bannerObjects.size(), 1u);
    zBxFreeReport();
  }
}

}  // namespace
}  // namespace tessel_test
