// Pictures and rich text of a template made on another machine: the stored
// paths do not exist here, and the designer shows the files the engine will
// print, found by name in each region's FILELOCATION beside the template,
// while what the template stores stays as it was read.
#include <QImage>

#include <algorithm>
#include <filesystem>

#include "platform/controls/edits.h"
#include "tests/designer_templates/template_fixture.h"
#include "tests/platform_drawing/test_pictures.h"

namespace tessel_test {
namespace {

constexpr const char* kStoredChart = "C:\\Tessel\\Samples\\IMAGES\\chart.bmp";
constexpr const char* kStoredWide = "D:\\Art\\wide.jpg";
constexpr const char* kStoredNotes = "C:\\Tessel\\Samples\\RTFS\\notes.rtf";
constexpr const char* kNotesRtf = "{\\rtf1\\ansi{\\fonttbl\\f0 Arial;}\\f0\\fs20 Notes found beside the template\\par}";

class FilesFound : public TemplateTest {
 protected:
  void SetUp() override {
    TemplateTest::SetUp();
    std::filesystem::create_directories(folder() + "/reports/IMAGES");
    std::filesystem::create_directories(folder() + "/RTFS");
    std::filesystem::create_directories(folder() + "/art");
    WriteFile(folder() + "/reports/IMAGES", "chart.bmp", BmpBytes(ColourChart()));
    QImage wide(8, 2, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    WriteFile(folder() + "/art", "wide.jpg", JpegBytes(wide));
    Write("RTFS/notes.rtf", kNotesRtf);
    // The picture folder of the report beside it, the notes one folder up,
    // the wide picture in a folder named natively.
    Write("reports/t.qnf",
          Crlf(std::string("[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nREPORTWIDTH=8\nREPORTHEIGHT=10\nPAPERWIDTH=8.5\n"
                           "PAPERHEIGHT=11\nIMAGEFILELOCATION=IMAGES\nRTFFILELOCATION=RTFS\n"
                           "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\nSTYLE=0\nSIZE=8\nCOLOR=0\n"
                           "NAME=Arial\n[REPORT]\nRC1=FIXEDREGION\n"
                           "[RC1]\nNAME=Body\nLEFT=10\nTOP=10\nWIDTH=700\nHEIGHT=800\nPARENT=REPORT\n"
                           "[Body]\nRC2=IMAGEREGION\nRC3=RICHTEXTREGION\nRC4=IMAGEREGION\n"
                           "[RC2]\nNAME=Chart\nLEFT=10\nTOP=10\nWIDTH=200\nHEIGHT=150\nPARENT=Body\nIMAGEFILE=") +
               kStoredChart +
               "\nFILELOCATION=IMAGES\n"
               "[RC3]\nNAME=Notes\nLEFT=10\nTOP=200\nWIDTH=300\nHEIGHT=100\nPARENT=Body\nRTFFILE=" +
               kStoredNotes +
               "\nFILELOCATION=..\\RTFS\n"
               "[RC4]\nNAME=Wide\nLEFT=300\nTOP=10\nWIDTH=200\nHEIGHT=50\nPARENT=Body\nIMAGEFILE=" +
               kStoredWide + "\nFILELOCATION=" + folder() + "/art\n"));
  }
  bool NotesShown(designer::TRichTextRegion* region) {
    const std::vector<std::string>& lines = region->FRichEdit->Lines();
    return std::find(lines.begin(), lines.end(), "Notes found beside the template") != lines.end();
  }
  // The folder dialog of that name answered with the folder and OK.
  void AnswerFolder(const std::string& dialogName, const std::string& location) {
    modals->On(dialogName, [location](platform::TForm& dialog) {
      dynamic_cast<platform::TEdit*>(dialog.FindComponent("Edit1"))->SetText(location);
      dynamic_cast<platform::TControl*>(dialog.FindComponent("BitBtn1"))->Click();
    });
  }
  // A click as the platform completes it.
  static void Click(platform::TControl* object) {
    object->MouseDown(platform::TMouseButton::mbLeft, 0, 5, 5);
    object->MouseUp(platform::TMouseButton::mbLeft, 0, 5, 5);
    object->Click();
  }
};

TEST_F(FilesFound, OpenShowsWhatTheEngineWillPrintAndSavesWhatIsStored) {
  Open("reports/t.qnf");
  auto* chart = Object<designer::TImageRegion>("Chart");
  auto* notes = Object<designer::TRichTextRegion>("Notes");
  auto* wide = Object<designer::TImageRegion>("Wide");
  ASSERT_TRUE(chart && notes && wide);
  EXPECT_EQ(chart->FBitmap.Width(), 4);
  EXPECT_EQ(chart->FBitmap.Height(), 3);
  EXPECT_FALSE(chart->FImage->GetPicture().Empty());
  EXPECT_EQ(wide->FBitmap.Width(), 8);
  EXPECT_TRUE(NotesShown(notes));
  EXPECT_EQ(chart->FImageFile, kStoredChart);
  EXPECT_EQ(chart->FFileLocation, "IMAGES");
  EXPECT_EQ(wide->FImageFile, kStoredWide);
  EXPECT_EQ(notes->FRtfFile, kStoredNotes);
  EXPECT_EQ(notes->FFileLocation, "..\\RTFS");
  EXPECT_TRUE(dialogs->Messages().empty());
  EXPECT_TRUE(Errors().empty());

  // What is saved is the same whether the files were found or not.
  SaveAs("found.qnf");
  std::filesystem::remove_all(folder() + "/reports/IMAGES");
  std::filesystem::remove_all(folder() + "/RTFS");
  std::filesystem::remove_all(folder() + "/art");
  Open("reports/t.qnf");
  EXPECT_EQ(Object<designer::TImageRegion>("Chart")->FBitmap.Width(), 0);
  SaveAs("missing.qnf");
  const std::string saved = Bytes("found.qnf");
  EXPECT_EQ(saved, Bytes("missing.qnf"));
  EXPECT_NE(saved.find(std::string("IMAGEFILE=") + kStoredChart + "\r\nFILELOCATION=IMAGES\r\n"), std::string::npos);
  EXPECT_NE(saved.find(std::string("RTFFILE=") + kStoredNotes + "\r\nFILELOCATION=..\\RTFS\r\n"), std::string::npos);
  EXPECT_NE(saved.find(std::string("IMAGEFILE=") + kStoredWide + "\r\nFILELOCATION=" + folder() + "/art\r\n"),
            std::string::npos);
}

TEST_F(FilesFound, APastedCopyShowsThePictureItsSourceShows) {
  Open("reports/t.qnf");
  auto* body = Object<designer::TRegion>("Body");
  form().Copy1Click(nullptr);
  Click(Object("Chart"));
  form().Paste1Click(nullptr);
  form().FNewObject = nullptr;
  Click(body);
  auto* copy = dynamic_cast<designer::TImageRegion*>(form().FNewObject.Get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->FBitmap.Width(), 4);
  EXPECT_EQ(copy->FImageFile, kStoredChart);
  EXPECT_EQ(copy->FFileLocation, "IMAGES");
}

TEST_F(FilesFound, AnotherFileLocationShowsWhatTheEngineFindsThere) {
  std::filesystem::create_directories(folder() + "/reports/PICTURES");
  QImage square(5, 5, QImage::Format_RGB32);
  square.fill(Qt::green);
  WriteFile(folder() + "/reports/PICTURES", "chart.bmp", BmpBytes(square));
  std::filesystem::create_directories(folder() + "/reports/TEXTS");
  Write("reports/TEXTS/notes.rtf", "{\\rtf1\\ansi Notes moved\\par}");
  Open("reports/t.qnf");
  auto* chart = Object<designer::TImageRegion>("Chart");
  auto* notes = Object<designer::TRichTextRegion>("Notes");
  program().CurrentObject = chart;
  AnswerFolder("ImgDir", "PICTURES");
  form().FileLocation1Click(nullptr);
  EXPECT_EQ(chart->FFileLocation, "PICTURES");
  EXPECT_EQ(chart->FBitmap.Width(), 5);
  EXPECT_EQ(chart->FImageFile, kStoredChart);
  program().CurrentObject = notes;
  AnswerFolder("RTFDir", "TEXTS");
  form().FileLocation2Click(nullptr);
  EXPECT_EQ(notes->FFileLocation, "TEXTS");
  ASSERT_FALSE(notes->FRichEdit->Lines().empty());
  EXPECT_EQ(notes->FRichEdit->Lines().front(), "Notes moved");
  EXPECT_EQ(notes->FRtfFile, kStoredNotes);
}

TEST_F(FilesFound, TheShippedSampleShowsItsPicturesAndNotes) {
  std::filesystem::copy(TESSEL_SAMPLES, folder() + "/sample", std::filesystem::copy_options::recursive);
  Open("sample/sample.qnf");
  EXPECT_GT(Object<designer::TImageRegion>("Photo")->FBitmap.Width(), 0);
  EXPECT_GT(Object<designer::TImageRegion>("Emblem")->FBitmap.Width(), 0);
  EXPECT_FALSE(Object<designer::TRichTextRegion>("Notes")->FRichEdit->Lines().empty());
  EXPECT_EQ(Object<designer::TImageRegion>("Logo")->FBitmap.Width(), 0) << "a dynamic picture comes from the host";
  SaveAs("sample/saved.qnf");
  EXPECT_EQ(Bytes("sample/saved.qnf"), ReadFileBytes(std::string(TESSEL_SAMPLES) + "/sample.qnf"));
}

}  // namespace
}  // namespace tessel_test
