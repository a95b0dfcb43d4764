// The rich-text popup: text from a file, direct text in the paragraph
// dialog, dynamic loading and the region's information.
#include <QWidget>

#include "designer/dialogs/image_info.h"
#include "designer/dialogs/paragraph_form.h"
#include "tests/designer_properties/properties_fixture.h"
#include "tests/rich_text/text_recording_device.h"

namespace tessel_test {
namespace {

using tessel_test::DrawnText;
using tessel_test::TextRecordingDevice;

class RichTextCommandsTest : public PropertiesTest {
 protected:
  designer::TRichTextRegion* RichText() {
    auto* richText = Place<designer::TRichTextRegion>(FixedRegion(), designer::kModeRichText);
    Pick(richText);
    return richText;
  }
  std::string TextFile(const std::string& name, const std::string& bytes) {
    WriteFileBytes(folder() + "/" + name, bytes);
    return WindowsPath(name);
  }
  designer::TParagraphForm& Paragraph() { return *program().ParagraphForm; }
  // The author types lines, picks a font and presses a button.
  void TypeInParagraph(std::vector<std::string> lines, platform::TFont font, const std::string& button) {
    modals->On("ParagraphForm", [this, lines, font, button](platform::TForm&) {
      Paragraph().Memo->SetLines(lines);
      Paragraph().Memo->SetFont(font);
      (button == "BitBtn1" ? Paragraph().BitBtn1 : Paragraph().BitBtn2)->Click();
    });
  }
  static platform::TFont Font(const std::string& name, int size, uint8_t style) {
    platform::TFont font;
    font.Name = name;
    font.Size = size;
    font.Style = style;
    return font;
  }
};

TEST_F(RichTextCommandsTest, FromFileLoadsRtfAndPlainText) {
  designer::TRichTextRegion* richText = RichText();
  ASSERT_NE(richText, nullptr);
  const std::string rtf = TextFile("notes.rtf", "{\\rtf1\\ansi Hello {\\b bold} world\\par Second line}");
  form().OpenDialog1->FileName = "C:\\old.bmp";
  dialogs->ReplyFile(rtf);
  Choose("FromFile1");
  const platform::DialogRequest& asked = LastRequest();
  EXPECT_EQ(asked.filter, "Rich Text|*.rtf|Text|*.txt");
  EXPECT_EQ(asked.value, "") << "the file name is emptied first";
  EXPECT_EQ(richText->FRtfFile, rtf);
  ASSERT_FALSE(richText->FRichEdit->Lines().empty());
  EXPECT_EQ(richText->FRichEdit->Lines().front(), "Hello bold world");

  const std::string txt = TextFile("plain.txt", "first\r\nsecond\r\n");
  dialogs->ReplyFile(txt);
  Choose("FromFile1");
  EXPECT_EQ(richText->FRtfFile, txt);
  EXPECT_EQ(richText->FRichEdit->Lines().front(), "first");

  dialogs->ReplyFile(WindowsPath("missing.rtf"));
  Choose("FromFile1");
  dialogs->ReplyCancel();
  Choose("FromFile1");
  EXPECT_EQ(richText->FRtfFile, txt);
  EXPECT_TRUE(Errors().empty());
}

// The region shows an RTF file's text in the code pages its fonts and the
// document declare, as the engine prints it.
TEST_F(RichTextCommandsTest, FromFileShowsTextInTheDocumentsCodePages) {
  designer::TRichTextRegion* richText = RichText();
  ASSERT_NE(richText, nullptr);
  richText->SetBounds(richText->Left(), richText->Top(), 400, 200);
  const std::string rtf = TextFile(
      "scripts.rtf",
      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}"
      "{\\f1\\fnil\\fcharset128 MS Gothic;}{\\f2\\fswiss\\fcharset161 Arial Greek;}}"
      "Prosz\\'ea zap\\'b3aci\\'e6\\par"
      "\\f1 \\'93\\'fa\\'96\\'7b\\'8c\\'ea\\par"
      "\\f2 \\'ca\\'e1\\'eb\\'e7\\'ec\\'dd\\'f1\\'e1}");
  dialogs->ReplyFile(rtf);
  Choose("FromFile1");
  ASSERT_EQ(richText->FRtfFile, rtf);

  TextRecordingDevice shown(richText->FRichEdit->Width(), richText->FRichEdit->Height(), 96);
  richText->FRichEdit->Widget()->render(&shown);
  std::vector<std::string> lines;
  for (const DrawnText& line : shown.Lines()) lines.push_back(line.text.toStdString());
  EXPECT_EQ(lines, (std::vector<std::string>{"Proszę zapłacić", "日本語", "Καλημέρα"}));
}

TEST_F(RichTextCommandsTest, DirectTextOnADirectRegionStoresOnOkOnly) {
  designer::TRichTextRegion* richText = RichText();
  richText->FRichEdit->SetLines({"old text"});
  richText->FStyleName = "DEFAULTSTYLE";
  const platform::TFont before = richText->FRichEdit->DesignFont();

  modals->On("ParagraphForm", [&](platform::TForm& shown) {
    EXPECT_EQ(shown.Caption(), "Paragraph");
    EXPECT_EQ(Paragraph().Memo->Lines(), std::vector<std::string>{"old text"});
    EXPECT_EQ(Paragraph().Memo->DesignFont(), before);
    EXPECT_EQ(Paragraph().CurrentStyleName, "DEFAULTSTYLE");
    Paragraph().Memo->SetLines({"typed", "two lines"});
    Paragraph().Memo->SetFont(Font("Courier New", 14, 1));
    Paragraph().CurrentStyleName = "Heading";  // as a style item names it
    Paragraph().BitBtn2->Click();
  });
  Choose("Direct1");
  EXPECT_TRUE(dialogs->Requests().empty()) << "no question without a file";
  EXPECT_EQ(richText->FRichEdit->Lines(), std::vector<std::string>{"old text"});
  EXPECT_EQ(richText->FRichEdit->DesignFont(), before);
  EXPECT_EQ(richText->FStyleName, "DEFAULTSTYLE");

  modals->On("ParagraphForm", [&](platform::TForm&) {
    Paragraph().Memo->SetLines({"typed", "two lines"});
    Paragraph().Memo->SetFont(Font("Courier New", 14, 1));
    Paragraph().CurrentStyleName = "Heading";
    Paragraph().BitBtn1->Click();
  });
  Choose("Direct1");
  EXPECT_EQ(richText->FRichEdit->Lines(), (std::vector<std::string>{"typed", "two lines"}));
  EXPECT_EQ(richText->FRichEdit->DesignFont(), Font("Courier New", 14, 1));
  EXPECT_EQ(richText->FStyleName, "Heading");
  EXPECT_EQ(richText->FRtfFile, "");
}

TEST_F(RichTextCommandsTest, CancelKeepsAStyleTheStyleMenuGaveTheRegion) {
  // A style item may name its style on the region at once; Cancel must
  // take that back too.
  designer::TRichTextRegion* richText = RichText();
  richText->FStyleName = "DEFAULTSTYLE";
  modals->On("ParagraphForm", [&](platform::TForm&) {
    richText->FStyleName = "Heading";
    Paragraph().CurrentStyleName = "Heading";
    Paragraph().BitBtn2->Click();
  });
  Choose("Direct1");
  EXPECT_EQ(richText->FStyleName, "DEFAULTSTYLE");
}

TEST_F(RichTextCommandsTest, StyleMenuOfTheDialogCountsOnOkOnly) {
  Activate();  // binds the default style's item of the dialog
  designer::TRichTextRegion* richText = RichText();
  richText->FStyleName = "Other";
  const platform::TFont before = richText->FRichEdit->DesignFont();
  platform::TMenuItem* styleItem = Paragraph().SelectStyle1->Items(0);
  ASSERT_EQ(styleItem->Caption(), "DEFAULTSTYLE");
  platform::TFont chosen;
  modals->On("ParagraphForm", [&](platform::TForm&) {
    styleItem->Click();
    chosen = Paragraph().Memo->Font();
    Paragraph().BitBtn2->Click();
  });
  Choose("Direct1");
  EXPECT_EQ(richText->FStyleName, "Other");
  EXPECT_EQ(richText->FRichEdit->DesignFont(), before);

  modals->On("ParagraphForm", [&](platform::TForm&) {
    styleItem->Click();
    Paragraph().BitBtn1->Click();
  });
  Choose("Direct1");
  EXPECT_EQ(richText->FStyleName, "DEFAULTSTYLE");
  EXPECT_EQ(richText->FRichEdit->DesignFont(), chosen);
}

TEST_F(RichTextCommandsTest, DirectTextReplacesAFileOnlyAfterBothOks) {
  designer::TRichTextRegion* richText = RichText();
  const std::string txt = TextFile("plain.txt", "from the file\r\n");
  dialogs->ReplyFile(txt);
  Choose("FromFile1");

  // Cancel on the question: the dialog is not shown.
  dialogs->ReplyButton(platform::mrCancel);
  Choose("Direct1");
  const platform::DialogRequest& asked = LastRequest();
  EXPECT_EQ(asked.text, "Replace RTF contents with Direct Text?");
  EXPECT_EQ(asked.buttons, platform::mbOKCancel);
  EXPECT_EQ(asked.type, platform::TMsgDlgType::mtWarning);
  EXPECT_TRUE(modals->Shown().empty());
  EXPECT_EQ(richText->FRtfFile, txt);

  // OK, then Cancel in the dialog: the file stays and so does its text.
  dialogs->ReplyButton(platform::mrOk);
  modals->On("ParagraphForm", [&](platform::TForm&) {
    EXPECT_EQ(Paragraph().Memo->Lines(), std::vector<std::string>{"from the file"});
    Paragraph().Memo->SetLines({"typed"});
    Paragraph().BitBtn2->Click();
  });
  Choose("Direct1");
  EXPECT_EQ(richText->FRtfFile, txt);
  EXPECT_EQ(richText->FRichEdit->Lines(), std::vector<std::string>{"from the file"});

  // OK and OK: the typed text is the region's, and no file name is left
  // to be saved in its place.
  dialogs->ReplyButton(platform::mrOk);
  TypeInParagraph({"typed"}, Font("Arial", 10, 0), "BitBtn1");
  Choose("Direct1");
  EXPECT_EQ(richText->FRtfFile, "");
  EXPECT_EQ(richText->FRichEdit->Lines(), std::vector<std::string>{"typed"});

  // A dynamic region asks too.
  richText->FRtfFile = "DYNAMIC";
  dialogs->ReplyButton(platform::mrOk);
  TypeInParagraph({"now direct"}, Font("Arial", 10, 0), "BitBtn1");
  Choose("Direct1");
  EXPECT_EQ(richText->FRtfFile, "");
  EXPECT_EQ(richText->FRichEdit->Lines(), std::vector<std::string>{"now direct"});
}

TEST_F(RichTextCommandsTest, TypedTextReplacingAFileIsWhatTheTemplateSaves) {
  ASSERT_NE(RichText(), nullptr);
  const std::string txt = TextFile("plain.txt", "from the file\r\n");
  dialogs->ReplyFile(txt);
  Choose("FromFile1");
  dialogs->ReplyButton(platform::mrOk);
  TypeInParagraph({"typed words"}, Font("Arial", 10, 0), "BitBtn1");
  Choose("Direct1");

  dialogs->ReplyFile(WindowsPath("direct.qnf"));
  form().SaveAs1Click(nullptr);
  const std::string saved = ReadFileBytes(folder() + "/direct.qnf");
  EXPECT_NE(saved.find("RTFFILE=\r\nLINE1=typed words\r\n"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("plain.txt"), std::string::npos) << saved;
}

TEST_F(RichTextCommandsTest, DirectTextFontIsKeptAtDesignScaleUnderZoom) {
  designer::TRichTextRegion* richText = RichText();
  form().SetZoom(2);
  modals->On("ParagraphForm", [&](platform::TForm&) {
    EXPECT_EQ(Paragraph().Memo->Font().Size, richText->FRichEdit->DesignFont().Size)
        << "the dialog shows the design size";
    Paragraph().Memo->SetFont(Font("Arial", 12, 0));
    Paragraph().BitBtn1->Click();
  });
  Choose("Direct1");
  EXPECT_EQ(richText->FRichEdit->DesignFont().Size, 12);
  form().SetZoom(0);
  EXPECT_EQ(richText->FRichEdit->Font().Size, 12);
}

TEST_F(RichTextCommandsTest, SetToDynamic) {
  designer::TRichTextRegion* richText = RichText();
  const std::string txt = TextFile("plain.txt", "text\r\n");
  dialogs->ReplyFile(txt);
  Choose("FromFile1");
  dialogs->ReplyButton(platform::mrCancel);
  Choose("SetToDynamic2");
  EXPECT_EQ(richText->FRtfFile, txt);
  EXPECT_EQ(LastRequest().text, "Do you want the RTF file to be\n\rdynamically loaded from Authorware/Director?");
  EXPECT_EQ(LastRequest().buttons, platform::mbYesNoCancel);
  dialogs->ReplyButton(platform::mrYes);
  Choose("SetToDynamic2");
  EXPECT_EQ(richText->FRtfFile, "DYNAMIC");
  EXPECT_TRUE(richText->FRichEdit->Lines().empty());
  dialogs->ReplyButton(platform::mrNo);
  Choose("SetToDynamic2");
  EXPECT_EQ(richText->FRtfFile, "");
}

TEST_F(RichTextCommandsTest, ShowRtfInfo) {
  designer::TRichTextRegion* richText = RichText();
  richText->FRtfFile = "DYNAMIC";
  EXPECT_EQ(richText->FFileLocation, "RTFS") << "new regions take the report's folder";
  designer::TImageInfo& info = *program().ImageInfo;
  modals->On("ImageInfo", [&](platform::TForm& shown) {
    EXPECT_EQ(shown.Caption(), "Rich Text Information");
    EXPECT_EQ(info.ImageName->Caption(), "RichTextRegion1");
    EXPECT_EQ(info.fileName->Caption(), "DYNAMIC");
    EXPECT_EQ(info.fileLocation->Caption(), "RTFS");
    info.BitBtn1->Click();
  });
  Choose("ShowImageInfo2");
}

}  // namespace
}  // namespace tessel_test
