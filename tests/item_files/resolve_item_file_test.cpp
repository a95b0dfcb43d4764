#include <gtest/gtest.h>

#include <memory>

#include "engine/engine_state.h"
#include "engine/item_files.h"
#include "engine/report_model.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"
#include "tests/template_reading/template_folder.h"

namespace engine {
namespace {

using Texts = std::vector<std::string>;

// A template in <tmp>/reports/sub with its pictures in <tmp>/reports/IMAGES.
class ResolveItemFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearErrorFlag();
    folder_.Write("reports/IMAGES/logo.bmp", "BM");
    folder_.Write("reports/sub/notes.rtf", "{\\rtf1 }");
    const std::string templatePath = folder_.Write("reports/sub/t.qnf", "");
    SetTemplateFolder(TemplateFolderOf(platform::AbsoluteWindowsPath(templatePath)));
    windowsRoot_ = platform::AbsoluteWindowsPath(folder_.Path().string());
  }
  void TearDown() override {
    ClearErrorFlag();
    SetTemplateFolder({});
  }

  static rcDefItem Image(std::string file, std::string location) {
    rcGraphicRegion record;
    record.FileName = std::move(file);
    record.FileLocation = std::move(location);
    record.Dynamic = record.FileName == "DYNAMIC";
    return rcDefItem{"Picture", kImageRegion, std::move(record)};
  }
  static rcDefItem RichText(std::string file, std::string location) {
    rcRichText record;
    record.FileName = std::move(file);
    record.FileLocation = std::move(location);
    record.Dynamic = record.FileName == "DYNAMIC";
    return rcDefItem{"Notes", kRichTextRegion, std::move(record)};
  }
  static TInstancePair Entry(rcDefItem& item, Variant value = {}) {
    TInstancePair entry;
    entry.item = &item;
    if (!IsUnassigned(value)) {
      entry.value = std::make_unique<rcVariableData>();
      entry.value->value = std::move(value);
    }
    return entry;
  }

  tessel_test::TemplateFolder folder_;
  std::string windowsRoot_;
  platform::ScopedMessageRecorder messages_;
};

TEST_F(ResolveItemFileTest, TemplateMadeOnWindowsFindsItsPictureHere) {
  rcDefItem item = Image("D:\\pics\\logo.bmp", "..\\IMAGES");
  EXPECT_EQ(ResolveItemFile(Entry(item)), windowsRoot_ + "\\reports\\IMAGES\\logo.bmp");
  rcDefItem text = RichText("C:\\Docs\\notes.rtf", "");
  EXPECT_EQ(ResolveItemFile(Entry(text)), windowsRoot_ + "\\reports\\sub\\notes.rtf");
  EXPECT_TRUE(messages_.Texts().empty());
  EXPECT_FALSE(ErrorFlag());
}

TEST_F(ResolveItemFileTest, AbsoluteNativeLocation) {
  rcDefItem item = Image("logo.bmp", (folder_.Path() / "reports" / "IMAGES").string());
  EXPECT_EQ(ResolveItemFile(Entry(item)), windowsRoot_ + "\\reports\\IMAGES\\logo.bmp");
}

TEST_F(ResolveItemFileTest, DynamicItemTakesTheHostsFileName) {
  rcDefItem item = Image("DYNAMIC", "../IMAGES");
  EXPECT_EQ(ResolveItemFile(Entry(item, std::string("X:\\any\\logo.bmp"))),
            windowsRoot_ + "\\reports\\IMAGES\\logo.bmp");
  // No file name set yet: no path and no message.
  EXPECT_EQ(ResolveItemFile(Entry(item)), "");
  EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(ResolveItemFileTest, MissingFileShowsTheCandidateAndSetsTheFlag) {
  rcDefItem item = Image("D:\\pics\\gone.bmp", "IMAGES");
  EXPECT_EQ(ResolveItemFile(Entry(item)), "");
  EXPECT_EQ(messages_.Texts(), (Texts{"Tessel: File does not exist \"" + windowsRoot_ +
                                      "\\reports\\sub\\IMAGES\\gone.bmp\" "}));
  EXPECT_TRUE(ErrorFlag());
  // With the flag set nothing more is resolved or shown.
  rcDefItem present = Image("logo.bmp", "..\\IMAGES");
  EXPECT_EQ(ResolveItemFile(Entry(present)), "");
  EXPECT_EQ(messages_.Texts().size(), 1u);
}

TEST_F(ResolveItemFileTest, NoNameOrOtherKindGivesNoPath) {
  rcDefItem empty = Image("", "IMAGES");
  EXPECT_EQ(ResolveItemFile(Entry(empty)), "");
  rcDefItem label{"Caption", kLabel, rcLabel{}};
  EXPECT_EQ(ResolveItemFile(Entry(label)), "");
  EXPECT_EQ(ResolveItemFile(TInstancePair{}), "");
  EXPECT_TRUE(messages_.Texts().empty());
  EXPECT_FALSE(ErrorFlag());
}

}  // namespace
}  // namespace engine
