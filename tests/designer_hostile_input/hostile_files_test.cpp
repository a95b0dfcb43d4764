// Files that are not what they claim, met by the designer: pictures that
// lie about their size, folders, pipes and devices given as pictures, RTF
// files, templates or the global style file. Nothing may wait for a pipe's
// writer or read a device for ever; a picture that cannot be read leaves
// its region empty with one message naming it, and the rest opens.
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "designer/dialogs/paragraph_form.h"
#include "designer/main_window/designer_program.h"
#include "designer/objects/image_region.h"
#include "designer/objects/rich_text_region.h"
#include "platform/system/file_paths.h"
#include "tests/designer_hostile_input/hostile_designer_fixture.h"
#include "tests/hostile_input/lying_pictures.h"

namespace tessel_test {
namespace {

class HostileFiles : public HostileDesigner {
 protected:
  // A template of one fixed region holding an image region and a rich-text
  // region with the given files, and a label after them.
  std::string RegionsWith(const std::string& imageFile, const std::string& rtfFile) {
    return std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\n[RC1]\r\nNAME=Body\r\nLEFT=0\r\nTOP=0\r\nWIDTH=700\r\n"
           "HEIGHT=500\r\nPARENT=REPORT\r\n[Body]\r\nRC2=IMAGEREGION\r\nRC3=RICHTEXTREGION\r\nRC4=LABEL\r\n"
           "[RC2]\r\nNAME=Picture\r\nLEFT=0\r\nTOP=0\r\nWIDTH=300\r\nHEIGHT=200\r\nPARENT=REPORT\r\nIMAGEFILE=" +
           imageFile + "\r\nFILELOCATION=IMAGES\r\n[RC3]\r\nNAME=Notes\r\nLEFT=0\r\nTOP=200\r\nWIDTH=300\r\n"
           "HEIGHT=100\r\nPARENT=REPORT\r\nRTFFILE=" + rtfFile + "\r\nFILELOCATION=RTFS\r\n"
           "[RC4]\r\nNAME=L\r\nLEFT=0\r\nTOP=400\r\nWIDTH=40\r\nHEIGHT=12\r\nPARENT=REPORT\r\nTEXT=after\r\n"
           "STYLE=DEFAULTSTYLE\r\n";
  }
  Texts OpenRegionsWith(const std::string& imageFile, const std::string& rtfFile) {
    Write("files.qnf", RegionsWith(imageFile, rtfFile));
    return Open("files.qnf");
  }
  designer::TImageRegion* Picture() { return dynamic_cast<designer::TImageRegion*>(Object("Picture")); }
  designer::TRichTextRegion* Notes() { return dynamic_cast<designer::TRichTextRegion*>(Object("Notes")); }
  void ExpectRegionsEmptyAndTheRestRead() {
    ASSERT_NE(Picture(), nullptr);
    EXPECT_TRUE(Picture()->FBitmap.Empty());
    ASSERT_NE(Notes(), nullptr);
    EXPECT_TRUE(Notes()->FRichEdit->Lines().empty());
    EXPECT_NE(Object("TEXT1"), nullptr);
    EXPECT_EQ(form().FFileName, WindowsPath("files.qnf"));
  }
  std::string MakePipe(const std::string& name) {
    const std::string path = folder() + "/" + name;
    EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
    return path;
  }
  std::string GlobalStyleFile() { return platform::NativeOfSystemPath(form().FGlobalStylePath); }
};

TEST_F(HostileFiles, PicturesClaimingBillionsOfPixelsAreRefusedWithTheirReason) {
  Write("IMAGES/huge.bmp", BmpClaiming(100000, 100000, 24));
  Write("IMAGES/wide.bmp", BmpClaiming(INT32_MAX, 1, 8));
  Write("IMAGES/upside.bmp", BmpClaiming(-100000, INT32_MIN, 1));
  Write("IMAGES/huge.jpg", JpegClaiming(65535, 65535));
  const struct {
    const char* file;
    const char* reason;
  } pictures[] = {
      {"IMAGES\\huge.bmp", "The picture is too large (100000 x 100000 pixels)"},
      {"IMAGES\\wide.bmp", "The picture is too large (2147483647 x 1 pixels)"},
      {"IMAGES\\upside.bmp", "The picture has no pixels"},
      {"IMAGES\\huge.jpg", "The JPEG picture is damaged (Maximum supported image dimension is 65500 pixels)"},
  };
  for (const auto& picture : pictures) {
    const std::string path = WindowsPath(picture.file);
    EXPECT_EQ(OpenRegionsWith(path, ""),
              Texts{"\"" + path + "\" could not be read: " + picture.reason + ". Its region stays empty."});
    ExpectRegionsEmptyAndTheRestRead();
    // The file name stays, so that a save keeps it for the engine.
    EXPECT_EQ(Picture()->FImageFile, path);
  }
  // Without the picture the saved template opens without a word.
  std::filesystem::remove_all(folder() + "/IMAGES");
  ExpectSavedDesignReadsBack();
}

TEST_F(HostileFiles, FoldersPipesAndDevicesAsPicturesAndRtfFilesAreNoFiles) {
  std::filesystem::create_directories(folder() + "/folder.bmp");
  std::filesystem::create_directories(folder() + "/folder.rtf");
  MakePipe("pipe.bmp");
  MakePipe("pipe.jpg");
  MakePipe("pipe.rtf");
  std::filesystem::create_symlink("/dev/zero", folder() + "/zero.bmp");
  std::filesystem::create_symlink("/dev/zero", folder() + "/zero.rtf");
  for (const auto& [picture, rtf] : {std::pair{"folder.bmp", "folder.rtf"}, std::pair{"pipe.bmp", "pipe.rtf"},
                                     std::pair{"pipe.jpg", "pipe.rtf"}, std::pair{"zero.bmp", "zero.rtf"}}) {
    EXPECT_EQ(OpenRegionsWith(WindowsPath(picture), WindowsPath(rtf)), Texts{}) << picture;
    ExpectRegionsEmptyAndTheRestRead();
  }
  // The names stay, for the engine to find whatever is there when it prints.
  EXPECT_EQ(Notes()->FRtfFile, WindowsPath("zero.rtf"));
  EXPECT_EQ(Picture()->FImageFile, WindowsPath("zero.bmp"));
  ExpectSavedDesignReadsBack();
}

TEST_F(HostileFiles, FoldersPipesAndDevicesAsTemplatesOpenNothing) {
  std::filesystem::create_directories(folder() + "/folder.qnf");
  MakePipe("pipe.qnf");
  std::filesystem::create_symlink("/dev/zero", folder() + "/zero.qnf");
  for (const char* name : {"folder.qnf", "pipe.qnf", "zero.qnf"}) {
    EXPECT_EQ(Open(name), Texts{}) << name;
    // The design open before stays, named as it was.
    EXPECT_EQ(form().FFileName, WindowsPath("sound.qnf"));
    EXPECT_GT(ObjectCount(), 0);
  }
}

TEST_F(HostileFiles, AGlobalStyleFileThatIsNoFileReadsAsEmptyAndIsNotWritten) {
  const std::string global = GlobalStyleFile();
  std::filesystem::remove(global);
  for (const std::string kind : {"pipe", "folder", "device"}) {
    if (kind == "pipe") MakePipe(std::filesystem::relative(global, folder()).string());
    if (kind == "folder") std::filesystem::create_directories(global);
    if (kind == "device") std::filesystem::create_symlink("/dev/zero", global);
    // A designer starting now reads it as empty instead of waiting for a
    // writer or reading zeros for ever.
    {
      const auto started = std::make_unique<designer::DesignerProgram>();
      started->CreateForms(false);
    }
    AnswerEverything answers;
    form().Global1->Click();
    EXPECT_EQ(form().FStyleCount, 3) << kind;
    const std::size_t errors = Errors().size();
    form().MakeStyleGlobal1->Items(0)->Click();
    ASSERT_EQ(Errors().size(), errors + 1) << kind;
    EXPECT_EQ(Errors().back(), "Unable to write to " + form().FGlobalStylePath);
    EXPECT_EQ(answers.Messages(), Texts{});
    std::filesystem::remove_all(global);
  }
  // A file again: written as ever.
  form().MakeStyleGlobal1->Items(0)->Click();
  EXPECT_EQ(ReadFileBytes(global).substr(0, 36), "[STYLES]\r\nGS0=LABELSTYLE\r\n[GS0]\r\nSTY");
}

}  // namespace
}  // namespace tessel_test
