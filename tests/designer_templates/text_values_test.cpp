// Texts as the template file carries them: what the author typed comes back
// from a save and an open as typed, quotes and blanks at its ends included;
// texts of files from other editors read as the private-profile functions
// read them (one pair of single or double quotes dropped, lines ended by CR
// alone); a line break typed into a text never splits the file's line.
#include "tests/designer_templates/template_fixture.h"

namespace tessel_test {
namespace {

using designer::TForm1;
using Texts = std::vector<std::string>;

constexpr const char* kHead =
    "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nREPORTWIDTH=8\nREPORTHEIGHT=10\nPAPERWIDTH=8.5\nPAPERHEIGHT=11\n"
    "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\nSTYLE=0\nSIZE=8\nCOLOR=0\nNAME=Arial\nALIGNMENT=NONE\n";

std::string Label(int number, const std::string& text) {
  return "[RC" + std::to_string(number) + "]\nNAME=L" + std::to_string(number) + "\nLEFT=3\nTOP=" +
         std::to_string(number * 20) + "\nWIDTH=40\nHEIGHT=12\nPARENT=Body\nTEXT=" + text +
         "\nSTYLE=DEFAULTSTYLE\n";
}

// A fixed region Body holding labels of these texts, as another editor
// writes it, with "\n" as its line ends.
std::string TemplateWithLabels(const Texts& texts) {
  std::string text = std::string(kHead) + "[REPORT]\nRC1=FIXEDREGION\n[RC1]\nNAME=Body\nLEFT=10\nTOP=10\n"
                     "WIDTH=500\nHEIGHT=400\nPARENT=REPORT\nBORDERSTYLE=15\nBORDERTHICKNESS=1\nBORDERCOLOR=0\n"
                     "BORDERLINESTYLE=0\nABSOLUTE=0\n[Body]\n";
  for (std::size_t i = 0; i < texts.size(); ++i) text += "RC" + std::to_string(i + 2) + "=LABEL\n";
  for (std::size_t i = 0; i < texts.size(); ++i) text += Label(static_cast<int>(i + 2), texts[i]);
  return text;
}

class TextValues : public TemplateTest {
 protected:
  // Edit Text on the label, the question answered with the text.
  void TypeText(designer::TStyledLabel* label, const std::string& text) {
    program().CurrentObject = label;
    dialogs->ReplyText(text);
    MenuItem("EditText1")->Click();
  }
  Texts Captions() {
    Texts captions;
    for (int i = 1; auto* label = Object<designer::TStyledLabel>("TEXT" + std::to_string(i)); ++i)
      captions.push_back(label->Caption());
    return captions;
  }
  std::string WithLineEnds(const std::string& text, const std::string& lineEnd) {
    std::string out;
    for (char c : text) out += c == '\n' ? lineEnd : std::string(1, c);
    return out;
  }
};

TEST_F(TextValues, TextsTypedInQuotesOrWithBlanksAtTheirEndsSurviveSaveAndOpen) {
  designer::TRegion* body = Fixed(form().REPORT, 10, 10);
  const Texts typed = {"'Total'", "\"Sum\"", "  indented", "it's 'x'", "''"};
  for (std::size_t i = 0; i < typed.size(); ++i) TypeText(Text(body, 5, 5 + 20 * static_cast<int>(i)), typed[i]);
  auto* notes = Place<designer::TRichTextRegion>(&TForm1::SpeedButton7Click, body, 300, 10);
  notes->FRichEdit->SetLines({"'quoted line'", "  indented line", "plain"});
  ASSERT_EQ(Captions(), typed);

  SaveAs("typed.qnf");
  const std::string saved = Bytes("typed.qnf");
  for (const char* line : {"TEXT=\"'Total'\"\r\n", "TEXT=\"\"Sum\"\"\r\n", "TEXT=\"  indented\"\r\n",
                           "TEXT=it's 'x'\r\n", "TEXT=\"''\"\r\n", "LINE1=\"'quoted line'\"\r\n",
                           "LINE2=\"  indented line\"\r\n", "LINE3=plain\r\n"})
    EXPECT_NE(saved.find(line), std::string::npos) << line;

  Open("typed.qnf");
  EXPECT_EQ(Captions(), typed);
  EXPECT_EQ(Object<designer::TRichTextRegion>("RichTextRegion1")->FRichEdit->Lines(),
            (Texts{"'quoted line'", "  indented line", "plain"}));
  SaveAs("again.qnf");
  EXPECT_EQ(Bytes("again.qnf"), saved);
  EXPECT_TRUE(Errors().empty());
  EXPECT_TRUE(dialogs->Messages().empty());
}

TEST_F(TextValues, TextsFromAnotherEditorLoseOnePairOfSingleOrDoubleQuotes) {
  Write("other.qnf", Crlf(TemplateWithLabels({"'Total'", "\"Sum\"", "  ' padded '  ", "\"'Inner'\"", "'Half\"",
                                              "'"})));
  Open("other.qnf");
  EXPECT_EQ(Captions(), (Texts{"Total", "Sum", " padded ", "'Inner'", "'Half\"", "'"}));
  EXPECT_TRUE(dialogs->Messages().empty());
}

TEST_F(TextValues, ATemplateWhoseLinesEndInCrAloneOpensAsItsCrLfTwin) {
  const std::string text = TemplateWithLabels({"First", "'Second'"});
  Write("crlf.qnf", WithLineEnds(text, "\r\n"));
  Open("crlf.qnf");
  SaveAs("from-crlf.qnf");
  ASSERT_EQ(Captions(), (Texts{"First", "Second"}));

  Write("cr.qnf", WithLineEnds(text, "\r"));
  Open("cr.qnf");
  EXPECT_TRUE(dialogs->Messages().empty());
  EXPECT_TRUE(Errors().empty());
  auto* body = Object<designer::TRegion>("Body");
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(body->DesignBounds(), (platform::TBounds{10, 10, 500, 400}));
  EXPECT_EQ(Captions(), (Texts{"First", "Second"}));
  EXPECT_EQ(form().FStyleCount, 1);
  SaveAs("from-cr.qnf");
  EXPECT_EQ(Bytes("from-cr.qnf"), Bytes("from-crlf.qnf"));
}

TEST_F(TextValues, ALineBreakTypedIntoATextIsSavedAsABlank) {
  designer::TRegion* body = Fixed(form().REPORT, 10, 10);
  TypeText(Text(body, 5, 5), "two\rlines\r\n[REPORT]\nRC9=LABEL");
  TypeText(Text(body, 5, 40), "after");
  SaveAs("breaks.qnf");
  EXPECT_NE(Bytes("breaks.qnf").find("TEXT=two lines  [REPORT] RC9=LABEL\r\n"), std::string::npos);
  Open("breaks.qnf");
  EXPECT_TRUE(dialogs->Messages().empty());
  EXPECT_EQ(Captions(), (Texts{"two lines  [REPORT] RC9=LABEL", "after"}));
  EXPECT_EQ(Object<designer::TRegion>("Region1")->ControlCount(), 3);
}

}  // namespace
}  // namespace tessel_test
