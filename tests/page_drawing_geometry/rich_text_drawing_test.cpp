#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "engine/engine_state.h"
#include "platform/richtext/rich_text_document.h"
#include "platform/system/file_paths.h"
#include "platform/system/message_box.h"
#include "platform/system/qt_application.h"
#include "tests/page_drawing_geometry/drawing_fixture.h"

namespace {

using namespace drawing_test;
using engine::kRichTextRegion;
using Kind = platform::CanvasCall::Kind;

class RichTextDrawingTest : public DrawingFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::EnsureApplication());
    ASSERT_TRUE(folder_.isValid());
    engine::ClearErrorFlag();
    engine::SetTemplateFolder(platform::AbsoluteWindowsPath(folder_.path().toStdString()));
  }
  void TearDown() override {
    engine::ClearErrorFlag();
    engine::SetTemplateFolder("");
  }

  rcDefItem& RichText(const std::string& file, std::vector<std::string> lines) {
    engine::rcRichText record;
    record.Parent = "REPORT";
    record.FileName = file;
    record.Dynamic = file == "DYNAMIC";
    record.Style = &style_;
    record.Lines = std::move(lines);
    return Add(templateItems, "RichTextRegion" + std::to_string(templateItems.size()), kRichTextRegion,
               std::move(record));
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream((folder_.path() + "/").toStdString() + name, std::ios::binary) << bytes;
  }

  const engine::rcStyle style_ = Style("Body", "Times New Roman", 12);
  platform::ScopedMessageRecorder messages;
  QTemporaryDir folder_;
};

TEST_F(RichTextDrawingTest, PreviewRendersTheLinesIntoTheRegionAt100) {
  rcDefItem& region = RichText("", {"Line one", "Line two"});
  Draw(*Placed(region, {50, 60, 250, 160}));  // 2 by 1 inches
  ASSERT_EQ(canvas.Calls.size(), 1u);
  const CanvasCall& call = canvas.Calls[0];
  EXPECT_EQ(call.kind, Kind::FormatRichText);
  EXPECT_EQ(call.rect, (TRect{50, 60, 250, 160}));
  EXPECT_EQ(call.extra1, 100);
  EXPECT_EQ(call.extra2, 100);
  EXPECT_EQ(call.text, "Line one\nLine two");
}

TEST_F(RichTextDrawingTest, PrinterRendersAtItsResolution) {
  platform::RichTextDocument shared;
  rcDefItem& region = RichText("", {"Printed"});
  engine::ItemDrawingContext context{canvas, {6.0, 6.0, 100, 120}, templateItems, pictures, &shared, 600, 600, 1, 1};
  engine::DrawPlacedItem(context, *Placed(region, {150, 200, 350, 300}));
  ASSERT_EQ(canvas.Calls.size(), 1u);
  EXPECT_EQ(canvas.Calls[0].rect, (TRect{800, 1080, 2000, 1680}));
  EXPECT_EQ(canvas.Calls[0].extra1, 600);
  EXPECT_EQ(canvas.Calls[0].extra2, 600);
}

TEST_F(RichTextDrawingTest, TheSharedDocumentIsRefilledForEveryRegion) {
  platform::RichTextDocument shared;
  engine::ItemDrawingContext context{canvas, {}, templateItems, pictures, &shared, 100, 100, 1, 1};
  engine::DrawPlacedItem(context, *Placed(RichText("", {"first", "region"}), {0, 0, 100, 100}));
  engine::DrawPlacedItem(context, *Placed(RichText("", {"second"}), {0, 100, 100, 200}));
  ASSERT_EQ(canvas.Calls.size(), 2u);
  EXPECT_EQ(canvas.Calls[1].text, "second");
}

TEST_F(RichTextDrawingTest, FileContentWinsOverLines) {
  Write("notes.rtf", "{\\rtf1\\ansi From the file\\par}");
  rcDefItem& region = RichText("notes.rtf", {"ignored"});
  Draw(*Placed(region, {0, 0, 100, 100}));
  ASSERT_EQ(canvas.Calls.size(), 1u);
  EXPECT_NE(canvas.Calls[0].text.find("From the file"), std::string::npos);
  EXPECT_EQ(canvas.Calls[0].text.find("ignored"), std::string::npos);
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(RichTextDrawingTest, DynamicPlainTextFile) {
  Write("memo.txt", "Plain memo");
  rcDefItem& region = RichText("DYNAMIC", {});
  auto value = ValuePair(region, std::string("memo.txt"));
  Draw(*PlacedValue(*value, {0, 0, 100, 100}));
  ASSERT_EQ(canvas.Calls.size(), 1u);
  EXPECT_EQ(canvas.Calls[0].text, "Plain memo");
}

TEST_F(RichTextDrawingTest, MissingFileFallsBackToTheLinesAfterItsMessage) {
  rcDefItem& region = RichText("absent.rtf", {"fallback"});
  Draw(*Placed(region, {0, 0, 100, 100}));
  ASSERT_EQ(messages.Texts().size(), 1u);
  EXPECT_EQ(messages.Texts()[0].rfind("Tessel: File does not exist \"", 0), 0u);
  ASSERT_EQ(canvas.Calls.size(), 1u);
  EXPECT_EQ(canvas.Calls[0].text, "fallback");
}

}  // namespace
