// The style dialog: its form, the attribute conversions, what it shows of
// the font dialog's font and what OK writes.
#include <QPixmap>

#include "tests/designer_styles/styles_fixture.h"
#include "tests/platform_controls/caption_pixels.h"

namespace tessel_test {
namespace {

using designer::TStyleForm;
using designer::TStyleRecord;

class StyleDialogTest : public StylesTest {
 protected:
  TStyleForm& dialog() { return *program().StyleForm; }
  std::string CaptionOf(const std::string& name) {
    auto* label = dynamic_cast<platform::TLabel*>(dialog().FindComponent(name));
    return label ? label->Caption() : "<none>";
  }
  std::vector<bool> Attributes() {
    return {dialog().CheckBox1->Checked(), dialog().CheckBox2->Checked(), dialog().CheckBox3->Checked(),
            dialog().CheckBox4->Checked()};
  }
};

TEST_F(StyleDialogTest, Form) {
  TStyleForm& d = dialog();
  EXPECT_EQ(d.Caption(), "StyleForm");
  EXPECT_EQ(d.Width(), 258);
  EXPECT_EQ(d.Height(), 340);
  EXPECT_EQ(d.Position(), platform::TPosition::poScreenCenter);
  EXPECT_EQ(CaptionOf("Label1"), "Style Name");
  EXPECT_EQ(CaptionOf("Label6"), "Font Name:");
  EXPECT_EQ(CaptionOf("Label8"), "Size:");
  EXPECT_EQ(CaptionOf("Label2"), "Attributes:");
  EXPECT_FALSE(d.Edit1->Enabled());
  const std::vector<std::string> boxes = {d.CheckBox1->Caption(), d.CheckBox2->Caption(), d.CheckBox3->Caption(),
                                          d.CheckBox4->Caption()};
  EXPECT_EQ(boxes, (std::vector<std::string>{"Bold", "Italics", "Underline", "Strike Out"}));
  for (platform::TCheckBox* box : {d.CheckBox1, d.CheckBox2, d.CheckBox3, d.CheckBox4}) EXPECT_FALSE(box->Enabled());
  EXPECT_EQ(d.Button1->Caption(), "Change Font");
  EXPECT_EQ(d.BitBtn1->Caption(), "OK");
  EXPECT_EQ(d.BitBtn1->ModalResult(), platform::mrOk);
  EXPECT_EQ(d.BitBtn2->Caption(), "Cancel");
  EXPECT_EQ(d.BitBtn2->ModalResult(), platform::mrCancel);
  // The first font, shown from creation on; OK waits for a name.
  EXPECT_EQ(d.FontDialog1->Font, (platform::TFont{"MS Sans Serif", 8, platform::clWindowText, 0}));
  EXPECT_EQ(d.Label7->Caption(), "MS Sans Serif");
  EXPECT_EQ(d.Label9->Caption(), "8");
  EXPECT_FALSE(d.BitBtn1->Enabled());
  // Enter and Escape.
  d.SetModalResult(platform::mrNone);
  d.PressCancel();
  EXPECT_EQ(d.ModalResult(), platform::mrCancel);
}

TEST_F(StyleDialogTest, DisabledNameAndAttributesAreReadableGreyUnderModifyStyle) {
  using controls_test::CaptionPixels;
  std::vector<std::pair<std::string, CaptionPixels>> shown;
  modals->On("StyleForm", [&](platform::TForm& form) {
    auto& d = static_cast<TStyleForm&>(form);
    form.Show();
    const QImage image = form.Widget()->grab().toImage();
    for (platform::TControl* control : std::initializer_list<platform::TControl*>{
             d.Edit1, d.CheckBox1, d.CheckBox2, d.CheckBox3, d.CheckBox4, d.Label1, d.Button1}) {
      shown.emplace_back(control->Name(), controls_test::CountCaptionPixels(image, form.Widget(), control->Widget()));
    }
    form.Hide();
    d.BitBtn2->Click();
  });
  form().ModifyStyle1->Items(0)->Click();
  ASSERT_EQ(shown.size(), 7u);
  // The name "DEFAULTSTYLE" in the grey of disabled text.
  EXPECT_GE(shown[0].second.grey, 1);
  EXPECT_EQ(shown[0].second.darker, 0);
  // "Bold", "Italics", "Underline", "Strike Out": grey, embossed.
  for (std::size_t i = 1; i <= 4; ++i) {
    EXPECT_GE(shown[i].second.grey, 10) << shown[i].first;
    EXPECT_GE(shown[i].second.highlight, 5) << shown[i].first;
    EXPECT_EQ(shown[i].second.darker, 0) << shown[i].first;
  }
  // What is enabled keeps its black text.
  for (std::size_t i = 5; i <= 6; ++i) {
    EXPECT_GT(shown[i].second.darker, 10) << shown[i].first;
    EXPECT_EQ(shown[i].second.highlight, 0) << shown[i].first;
  }
}

TEST_F(StyleDialogTest, AttributeBits) {
  using platform::fsBold, platform::fsItalic, platform::fsUnderline, platform::fsStrikeOut;
  EXPECT_EQ(TStyleForm::BitsToFontStyle(0), 0);
  EXPECT_EQ(TStyleForm::BitsToFontStyle(16), 0);
  EXPECT_EQ(TStyleForm::BitsToFontStyle(17), 0) << "above 15 is no set, not its low bits";
  EXPECT_EQ(TStyleForm::BitsToFontStyle(-1), 0);
  EXPECT_EQ(TStyleForm::BitsToFontStyle(15), fsBold | fsItalic | fsUnderline | fsStrikeOut);
  EXPECT_EQ(TStyleForm::BitsToFontStyle(5), fsBold | fsUnderline);
  EXPECT_EQ(TStyleForm::BitsToFontStyle(10), fsItalic | fsStrikeOut);
  for (int bits = 0; bits <= 15; ++bits) EXPECT_EQ(TStyleForm::FontStyleToBits(TStyleForm::BitsToFontStyle(bits)), bits);
}

TEST_F(StyleDialogTest, ShowsTheFontAtEveryActivation) {
  TStyleForm& d = dialog();
  d.FontDialog1->Font = platform::TFont{"Times New Roman", 14, 0xFF, platform::fsItalic | platform::fsStrikeOut};
  d.Activate();
  EXPECT_EQ(d.Label7->Caption(), "Times New Roman");
  EXPECT_EQ(d.Label9->Caption(), "14");
  EXPECT_EQ(Attributes(), (std::vector<bool>{false, true, false, true}));
  EXPECT_FALSE(d.BitBtn1->Enabled());
  d.Edit1->SetText("Body");
  EXPECT_TRUE(d.BitBtn1->Enabled());
  d.Edit1->SetText("");
  EXPECT_FALSE(d.BitBtn1->Enabled());
}

TEST_F(StyleDialogTest, ChangeFontShowsTheChosenFontAndKeepsItOnCancel) {
  TStyleForm& d = dialog();
  const platform::TFont chosen{"Courier New", 12, 0x00FF00, platform::fsBold | platform::fsUnderline};
  dialogs->Reply(FontReply(chosen));
  d.Button1->Click();
  ASSERT_EQ(dialogs->Requests().size(), 1u);
  EXPECT_EQ(dialogs->Requests()[0].kind, platform::DialogRequest::Kind::Font);
  EXPECT_EQ(dialogs->Requests()[0].font.Name, "MS Sans Serif") << "the dialog opens on the font it holds";
  EXPECT_EQ(d.FontDialog1->Font, chosen);
  EXPECT_EQ(d.Label7->Caption(), "Courier New");
  EXPECT_EQ(d.Label9->Caption(), "12");
  EXPECT_EQ(Attributes(), (std::vector<bool>{true, false, true, false}));

  dialogs->ReplyCancel();
  d.Button1->Click();
  EXPECT_EQ(d.FontDialog1->Font, chosen);
  EXPECT_EQ(d.Label7->Caption(), "Courier New");
}

TEST_F(StyleDialogTest, OkWritesNameAndFontCutToTheirLengths) {
  TStyleForm& d = dialog();
  TStyleRecord record{1, "old", 3, 9, 5, "Old Face", "KEPT"};
  d.SetStyleRecord(&record);
  d.FontDialog1->Font = platform::TFont{"An Exceedingly Long Font Face Name", 16, 0x123456,
                                        platform::fsBold | platform::fsItalic | platform::fsUnderline |
                                            platform::fsStrikeOut};
  d.Edit1->SetText("ABCDEFGHIJKLMNOPQRSTUVWXY");
  d.BitBtn1->Click();
  EXPECT_EQ(d.ModalResult(), platform::mrOk);
  EXPECT_EQ(record, (TStyleRecord{0, "ABCDEFGHIJKLMNOPQRST", 15, 16, 0x123456, "An Exceedingly Long Font ", "KEPT"}));
}

TEST_F(StyleDialogTest, CancelWritesNothing) {
  TStyleRecord record{1, "Body", 0, 10, 0, "Arial", "NONE"};
  const TStyleRecord before = record;
  dialog().SetStyleRecord(&record);
  dialog().Edit1->SetText("Other");
  modals->Press("StyleForm", "BitBtn2");
  EXPECT_EQ(dialog().ShowModal(), platform::mrCancel);
  EXPECT_EQ(record, before);
}

}  // namespace
}  // namespace tessel_test
