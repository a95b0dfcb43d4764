// Templates no designer writes, opened through File > Open: cycles through
// PARENT and NAME, names of sections, huge and deep trees, absurd numbers,
// huge values and too many styles, missing and repeated sections. Each
// ends in messages and a clean design, or in the rename error and an empty
// unnamed design, within the fixture's bounds; a clean design saves and
// reads back as saved.
#include <climits>
#include <string>

#include "designer/objects/labels.h"
#include "designer/objects/rich_text_region.h"
#include "designer/objects/shape_region.h"
#include "designer/template_io/control_tree_io.h"
#include "tests/designer_hostile_input/hostile_designer_fixture.h"

namespace tessel_test {
namespace {

std::string Entry(const std::string& section, const std::string& name, const std::string& parent,
                  const std::string& more = "", const std::string& bounds = "LEFT=1\r\nTOP=2\r\nWIDTH=300\r\nHEIGHT=200\r\n") {
  return "[" + section + "]\r\nNAME=" + name + "\r\n" + bounds + "PARENT=" + parent + "\r\n" + more;
}

std::string LabelEntry(const std::string& section, const std::string& parent, const std::string& text) {
  return Entry(section, "L", parent, "TEXT=" + text + "\r\nSTYLE=DEFAULTSTYLE\r\n",
               "LEFT=3\r\nTOP=4\r\nWIDTH=40\r\nHEIGHT=12\r\n");
}

class HostileTemplates : public HostileDesigner {
 protected:
  Texts OpenText(const std::string& text) {
    Write("hostile.qnf", text);
    return Open("hostile.qnf");
  }
  // The design after an open that stopped: nothing, and no name to save
  // it over the file.
  void ExpectEmptyUnnamedDesign() {
    EXPECT_EQ(form().REPORT->ControlCount(), 0);
    EXPECT_EQ(form().FFileName, "");
    EXPECT_EQ(form().Caption(), "");
    EXPECT_FALSE(form().FModified);
  }
};

TEST_F(HostileTemplates, ParentCyclesAreLeftOutAndWhatIsReachableStays) {
  // A names B as its container and B names A; C names itself; D sits in a
  // region that its own section lists again further down.
  const Texts messages = OpenText(
      std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\nRC2=FIXEDREGION\r\nRC3=FIXEDREGION\r\nRC4=FIXEDREGION\r\n" +
      Entry("RC1", "A", "B") + Entry("RC2", "B", "A") + Entry("RC3", "C", "C") + Entry("RC4", "Outer", "REPORT") +
      "[Outer]\r\nRC5=FIXEDREGION\r\nRC6=LABEL\r\n" + Entry("RC5", "Inner", "Outer") +
      "[Inner]\r\nRC7=LABEL\r\nRC8=FIXEDREGION\r\n" + LabelEntry("RC7", "Outer", "into Outer, not Inner") +
      Entry("RC8", "Again", "Inner") + "[Again]\r\n" + LabelEntry("RC6", "Again", "named from Outer"));
  EXPECT_EQ(messages, (Texts{"\"A\" was left out: its container \"B\" is not in the template.",
                             "\"B\" was left out: its container \"A\" is not in the template.",
                             "\"C\" was left out: its container \"C\" is not in the template."}));
  auto* outer = dynamic_cast<designer::TRegion*>(Object("Outer"));
  auto* inner = dynamic_cast<designer::TRegion*>(Object("Inner"));
  auto* again = dynamic_cast<designer::TRegion*>(Object("Again"));
  ASSERT_TRUE(outer && inner && again);
  EXPECT_EQ(inner->Parent(), outer);
  EXPECT_EQ(again->Parent(), inner);
  // The label listed in Inner but naming Outer goes into Outer; the one
  // listed in Outer but naming Again (read later) goes into Again.
  ASSERT_EQ(outer->ControlCount(), 3);
  EXPECT_EQ(static_cast<designer::TStyledLabel*>(outer->Controls(1))->Caption(), "into Outer, not Inner");
  ASSERT_EQ(again->ControlCount(), 2);
  EXPECT_EQ(static_cast<designer::TStyledLabel*>(again->Controls(1))->Caption(), "named from Outer");
  EXPECT_EQ(ObjectCount(), 5);
  ExpectSavedDesignReadsBack();
}

TEST_F(HostileTemplates, ARegionListingItselfStopsAtTheNameItHasAlready) {
  // Loop's own section lists the entry that made Loop: read again, it
  // would be Loop inside Loop, for ever. Its name is taken, so the open
  // stops there with the rename error.
  for (const std::string name : {"Loop", "LOOP"}) {
    const Texts messages = OpenText(std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\n" +
                                    Entry("RC1", "Loop", "REPORT") + "[" + name + "]\r\nRC1=FIXEDREGION\r\n");
    EXPECT_EQ(messages, Texts{}) << name;
    EXPECT_EQ(Errors().back(), "A component named Loop already exists") << name;
    ExpectEmptyUnnamedDesign();
  }
  // Two regions listing each other.
  OpenText(std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\n" + Entry("RC1", "Ping", "REPORT") +
           "[Ping]\r\nRC2=FIXEDREGION\r\n" + Entry("RC2", "Pong", "REPORT") + "[Pong]\r\nRC1=FIXEDREGION\r\n");
  EXPECT_EQ(Errors().back(), "A component named Ping already exists");
  EXPECT_EQ(Errors().size(), 3u);
  ExpectEmptyUnnamedDesign();
}

TEST_F(HostileTemplates, ARegionNamedLikeAnotherSectionStopsTheOpen) {
  // Its children would be listed in that section: in the style list, the
  // head of the file, or the section of another entry.
  std::size_t errors = 0;
  for (const std::string name : {"RS0", "rr0", "STYLES", "RStyles", "Report", "RC2", "rc0007"}) {
    OpenText(std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\nRC2=FIXEDREGION\r\n" + Entry("RC1", "Body", "REPORT") +
             Entry("RC2", name, "REPORT") + "[" + name + "]\r\nRC3=LABEL\r\n" + LabelEntry("RC3", "REPORT", "x"));
    ASSERT_EQ(Errors().size(), ++errors) << name;
    EXPECT_EQ(Errors().back(), "A component named " + name + " already exists");
    ExpectEmptyUnnamedDesign();
  }
}

TEST_F(HostileTemplates, TenThousandSiblingsOpenAndSave) {
  std::string text = std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\n" +
                     Entry("RC1", "Body", "REPORT", "", "LEFT=0\r\nTOP=0\r\nWIDTH=800\r\nHEIGHT=1000\r\n") + "[Body]\r\n";
  std::string entries;
  for (int i = 2; i < 10002; ++i) {
    text += "RC" + std::to_string(i) + "=LABEL\r\n";
    entries += LabelEntry("RC" + std::to_string(i), "REPORT", "label " + std::to_string(i));
  }
  EXPECT_EQ(OpenText(text + entries), Texts{});
  EXPECT_EQ(ObjectCount(), 10001);
  EXPECT_EQ(Object("Body")->Name(), "Body");
  EXPECT_NE(Object("TEXT10000"), nullptr);
  ExpectSavedDesignReadsBack();
}

TEST_F(HostileTemplates, FiveHundredLevelsStopAtSixtyFour) {
  std::string text = std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\n";
  for (int level = 1; level <= 500; ++level) {
    text += Entry("RC" + std::to_string(level), "N" + std::to_string(level), "REPORT");
    text += "[N" + std::to_string(level) + "]\r\nRC" + std::to_string(level + 1) + "=FIXEDREGION\r\n";
  }
  EXPECT_EQ(OpenText(text),
            Texts{"The objects inside \"N64\" were left out: regions are nested deeper than 64 levels."});
  EXPECT_EQ(ObjectCount(), 64);
  EXPECT_EQ(Object("N64")->Parent(), Object("N63"));
  ExpectSavedDesignReadsBack();
}

TEST_F(HostileTemplates, AbsurdNumbersOpenAtEveryZoomAndSave) {
  const std::string huge = std::to_string(INT_MAX);
  const std::string tiny = std::to_string(INT_MIN);
  const std::string text =
      "[RR0]\r\nREPORTWIDTH=1e308\r\nREPORTHEIGHT=-1e308\r\nPAPERWIDTH=2147483648\r\nPAPERHEIGHT=-0.000001\r\n"
      "PLACELEFT=1e-308\r\nPLACETOP=-2147483649\r\nORIENTATION=" + tiny + "\r\nBORDERSTYLE=" + huge +
      "\r\nBORDERTHICKNESS=" + tiny + "\r\nBORDERCOLOR=0xFFFFFFFF\r\nBORDERLINETYPE=" + huge + "\r\n"
      "[STYLES]\r\nRS0=LABELSTYLE\r\n[RS0]\r\nSTYLENAME=DEFAULTSTYLE\r\nSTYLE=" + tiny + "\r\nSIZE=" + huge +
      "\r\nCOLOR=-1\r\nNAME=Arial\r\n"
      "[REPORT]\r\nRC1=FIXEDREGION\r\nRC2=FIXEDREGION\r\n" +
      Entry("RC1", "Far", "REPORT",
            "BORDERSTYLE=-1\r\nBORDERTHICKNESS=" + huge + "\r\nBORDERCOLOR=" + tiny + "\r\nBORDERLINESTYLE=" + huge +
                "\r\nABSOLUTE=" + tiny + "\r\n",
            "LEFT=" + huge + "\r\nTOP=" + tiny + "\r\nWIDTH=" + huge + "\r\nHEIGHT=" + huge + "\r\n") +
      Entry("RC2", "Negative", "REPORT", "", "LEFT=-5\r\nTOP=-7\r\nWIDTH=-300\r\nHEIGHT=" + tiny + "\r\n") +
      "[Far]\r\nRC3=SHAPEREGION\r\nRC4=VARIABLE\r\nRC5=LABEL\r\n" +
      Entry("RC3", "Blot", "REPORT",
            "SHAPE=" + huge + "\r\nFILLCOLOR=" + tiny + "\r\nFILLPATTERN=" + tiny + "\r\nBORDERCOLOR=" + huge +
                "\r\nBORDERTHICKNESS=" + huge + "\r\nBORDERPATTERN=-1\r\n",
            "LEFT=" + tiny + "\r\nTOP=" + huge + "\r\nWIDTH=" + tiny + "\r\nHEIGHT=" + huge + "\r\n") +
      Entry("RC4", "Total", "REPORT",
            "VARTYPE=" + huge + "\r\nHLWHEN=" + tiny + "\r\nMASTERVARIABLE=" + huge + "\r\nSTYLE=DEFAULTSTYLE\r\n",
            "LEFT=" + huge + "\r\nTOP=" + huge + "\r\nWIDTH=" + huge + "\r\nHEIGHT=" + tiny + "\r\n") +
      LabelEntry("RC5", "REPORT", "big");
  EXPECT_EQ(OpenText(text), Texts{});
  EXPECT_EQ(ObjectCount(), 5);
  // What lies beyond some 1.6 km lies there; a page has no negative size.
  constexpr int kFar = 16777215;
  EXPECT_EQ(Object("Far")->DesignBounds(), (platform::TBounds{kFar, -kFar, kFar, kFar}));
  EXPECT_EQ(Object("Negative")->DesignBounds(), (platform::TBounds{-5, -7, -300, -kFar}));
  // Any orientation but 0 is landscape: the report's width goes down.
  EXPECT_EQ(form().REPORT->Width(), 0);
  EXPECT_EQ(form().REPORT->Height(), kFar);
  for (int level : {-4, 4, -1, 1, 0}) form().SetZoom(level);
  form().ShowBorders1->Click();
  form().ShowBorders1->Click();
  ExpectSavedDesignReadsBack();
}

TEST_F(HostileTemplates, NumbersThatAreNoNumbersStopTheOpenWithTheConversionError) {
  for (const std::string value : {"nan", "inf", "-infinity", "1e999", "0x10", ""}) {
    const std::size_t errors = Errors().size();
    OpenText("[RR0]\r\nREPORTWIDTH=" + value + "\r\n[REPORT]\r\nRC1=FIXEDREGION\r\n" + Entry("RC1", "Body", "REPORT"));
    ASSERT_EQ(Errors().size(), errors + 1) << value;
    EXPECT_EQ(Errors().back(), "'" + value + "' is not a valid floating point value");
    ExpectEmptyUnnamedDesign();
  }
}

TEST_F(HostileTemplates, MegabyteValuesAreReadAsTheirFirst1023Characters) {
  const std::string megabyte(1 << 20, 'M');
  const std::string cut(1023, 'M');
  // The region's NAME reads cut, and so names the section of its objects;
  // a megabyte section name, key and line come after.
  const std::string text = std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\n" + Entry("RC1", megabyte, "REPORT") +
                           "[" + cut + "]\r\nRC2=LABEL\r\nRC3=VARIABLE\r\n" + LabelEntry("RC2", "REPORT", megabyte) +
                           Entry("RC3", "V" + megabyte, "REPORT",
                                 "STYLE=" + megabyte + "\r\nHLSTYLE=" + megabyte + "\r\nHLVALUE=" + megabyte + "\r\n") +
                           "[" + megabyte + "]\r\n" + megabyte + "=" + megabyte + "\r\n" + megabyte + "\r\n";
  EXPECT_EQ(OpenText(text), Texts{});
  ASSERT_NE(Object(cut), nullptr);
  auto* label = dynamic_cast<designer::TStyledLabel*>(Object("TEXT1"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), cut);
  EXPECT_NE(Object("V" + cut.substr(1)), nullptr);
  EXPECT_EQ(ObjectCount(), 3);
  ExpectSavedDesignReadsBack();
}

TEST_F(HostileTemplates, FiveThousandLinesOfDirectText) {
  std::string text = std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\n" + Entry("RC1", "Body", "REPORT") +
                     "[Body]\r\nRC2=RICHTEXTREGION\r\n" +
                     Entry("RC2", "Notes", "REPORT", "STYLE=DEFAULTSTYLE\r\nRTFFILE=\r\n");
  for (int line = 1; line <= 5000; ++line)
    text += "LINE" + std::to_string(line) + "=line " + std::to_string(line) + " of the notes\r\n";
  EXPECT_EQ(OpenText(text), Texts{});
  auto* notes = dynamic_cast<designer::TRichTextRegion*>(Object("Notes"));
  ASSERT_NE(notes, nullptr);
  ASSERT_EQ(notes->FRichEdit->Lines().size(), 5000u);
  EXPECT_EQ(notes->FRichEdit->Lines().back(), "line 5000 of the notes");
  ExpectSavedDesignReadsBack();
}

std::string Styles(int count) {
  std::string list = "[STYLES]\r\n";
  std::string sections;
  for (int i = 0; i < count; ++i) {
    list += "RS" + std::to_string(i) + "=LABELSTYLE\r\n";
    sections += "[RS" + std::to_string(i) + "]\r\nSTYLENAME=S" + std::to_string(i) + "\r\nSTYLE=1\r\nSIZE=" +
                std::to_string(8 + i % 20) + "\r\nCOLOR=" + std::to_string(i) + "\r\nNAME=Arial\r\nALIGNMENT=NONE\r\n";
  }
  return list + sections;
}

TEST_F(HostileTemplates, TwelveAndAHundredStylesKeepTheFirstEleven) {
  for (int count : {12, 100}) {
    const Texts messages = OpenText(
        Styles(count) + "[REPORT]\r\nRC1=FIXEDREGION\r\n" + Entry("RC1", "Body", "REPORT") +
        "[Body]\r\nRC2=LABEL\r\nRC3=LABEL\r\n" + LabelEntry("RC2", "REPORT", "first") +
        Entry("RC3", "L", "REPORT", "TEXT=last\r\nSTYLE=S" + std::to_string(count - 1) + "\r\n"));
    EXPECT_EQ(messages, Texts{"The template holds " + std::to_string(count) +
                              " styles; only the first 11 were read, the others were left out."});
    EXPECT_EQ(form().FStyleCount, 11);
    EXPECT_EQ(form().SelectStyle1->Count(), 11);
    EXPECT_EQ(form().SelectStyle1->Items(10)->Caption(), "S10");
    // The labels keep the names of styles left out, and a save writes
    // those styles after the list for the engine, in the default font.
    const std::string last = "S" + std::to_string(count - 1);
    EXPECT_EQ(dynamic_cast<designer::TStyledLabel*>(Object("TEXT2"))->StyleName, last);
    SaveAs("styles.qnf");
    const std::string saved = Bytes("styles.qnf");
    EXPECT_NE(saved.find("RS10=LABELSTYLE\r\nRS11=LABELSTYLE\r\nRS12=LABELSTYLE\r\n[RS0]"), std::string::npos);
    EXPECT_NE(saved.find("[RS11]\r\nSTYLENAME=DEFAULTSTYLE\r\nSTYLE=0\r\nSIZE=8\r\nCOLOR=0\r\nNAME=Arial\r\n"
                         "ALIGNMENT=NONE\r\n[RS12]\r\nSTYLENAME=" + last + "\r\nSTYLE=0\r\nSIZE=8\r\n"),
              std::string::npos);
    EXPECT_EQ(Open("styles.qnf"),
              Texts{"The template holds 13 styles; only the first 11 were read, the others were left out."});
  }
}

TEST_F(HostileTemplates, MissingAndRepeatedSections) {
  // Nothing at all and bytes that are no template: each is said to be no
  // template and leaves a fresh page.
  static constexpr char kNoTemplate[] = "\0\x01\xff[\r\n=\r\n[]\r\n=x\r\n[\r\n";
  std::string noise(4096, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919 + i / 13) % 251);
  for (const std::string& text : {std::string(), std::string(kNoTemplate, sizeof kNoTemplate - 1), noise,
                                  std::string("Dear reader,\r\n[Letter]\r\nTo=you\r\n")}) {
    form().Program().ReportStyle.PaperWidth = 11;
    const std::size_t errors = Errors().size();
    EXPECT_EQ(OpenText(text), Texts{});
    ASSERT_EQ(Errors().size(), errors + 1);
    EXPECT_EQ(Errors().back(), "\"" + WindowsPath("hostile.qnf") + "\" is not a report template.");
    ExpectEmptyUnnamedDesign();
    EXPECT_EQ(form().FStyleCount, 1);
    EXPECT_EQ(form().Program().ReportStyle.PaperWidth, 8.5);
    EXPECT_EQ(form().Program().ReportStyle.PlaceLeft, 0.25);
    EXPECT_EQ(form().REPORT->Bounds(), (platform::TBounds{25, 50, 800, 1000}));
  }
  // The fresh page takes new objects.
  form().Fixed1Click(nullptr);
  EXPECT_NE(form().PlaceObject(form().REPORT), nullptr);
  // No page: a fresh one; no [REPORT]: no objects.
  EXPECT_EQ(OpenText("[REPORT]\r\nRC1=FIXEDREGION\r\n" + Entry("RC1", "Body", "REPORT")), Texts{});
  EXPECT_EQ(form().REPORT->Width(), 800);
  EXPECT_EQ(form().FStyleCount, 0);
  EXPECT_EQ(ObjectCount(), 1);
  EXPECT_EQ(OpenText(std::string(kHead)), Texts{});
  EXPECT_EQ(ObjectCount(), 0);

  // Cut short: the entries whose sections never came are told once.
  const std::string whole = std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\n" + Entry("RC1", "Body", "REPORT") +
                            "[Body]\r\nRC2=LABEL\r\nRC3=FIXEDREGION\r\nRC4=LABEL\r\n" + LabelEntry("RC2", "Body", "x") +
                            Entry("RC3", "Inner", "Body") + LabelEntry("RC4", "Body", "y");
  EXPECT_EQ(OpenText(whole.substr(0, whole.find("[RC3]"))),
            Texts{"The template is cut short: the sections [RC3] and [RC4] are missing from it, so their 2 objects "
                  "were left out."});
  EXPECT_EQ(ObjectCount(), 2);
  EXPECT_EQ(OpenText(whole.substr(0, whole.find("PARENT=Body", whole.find("[RC4]")))),
            Texts{"The template is cut short: the section [RC4] is missing from it, so its object was left out."});
  EXPECT_EQ(ObjectCount(), 3);
  EXPECT_EQ(form().FFileName, WindowsPath("hostile.qnf"));

  // Repeated sections and keys: the first answers, as with the Windows
  // profile functions, and the first section's keys are the list.
  const Texts messages = OpenText(
      std::string(kHead) + "[RR0]\r\nREPORTWIDTH=1\r\n[REPORT]\r\nRC1=FIXEDREGION\r\nRC1=TITLEREGION\r\nRC2=FIXEDREGION\r\n" +
      Entry("RC1", "First", "REPORT") + Entry("RC1", "Second", "REPORT") + "[REPORT]\r\nRC3=FIXEDREGION\r\n" +
      Entry("RC2", "Other", "REPORT") + Entry("RC3", "Unlisted", "REPORT"));
  // The second RC1 line reads the first RC1 again: the same name twice.
  EXPECT_EQ(messages, Texts{});
  EXPECT_EQ(Errors().back(), "A component named First already exists");
  ExpectEmptyUnnamedDesign();
  EXPECT_EQ(OpenText(std::string(kHead) + "[REPORT]\r\nRC1=FIXEDREGION\r\n" + Entry("RC1", "First", "REPORT") +
                     "[RC1]\r\nNAME=Second\r\n[First]\r\n[First]\r\nRC2=LABEL\r\n" + LabelEntry("RC2", "REPORT", "x")),
            Texts{});
  EXPECT_EQ(ObjectCount(), 1);
  EXPECT_EQ(form().REPORT->Width(), 800);
  ExpectSavedDesignReadsBack();
}

TEST_F(HostileTemplates, ValuesReadAsTheReadingRulesSayAndSurviveASave) {
  // A carriage return alone ends a line, as with the private-profile
  // functions: what follows it on the same line of an editor is a line of
  // its own (no key here, having no "="). Of a text in two pairs of quotes
  // one pair is dropped; single quotes count as quotes. A style is known by
  // the name the files can hold. What was read then survives a save and an
  // open unchanged.
  const std::string text =
      "[RSTYLES]\r\nRR0=REPORTSTYLE\r\n[RR0]\r\nREPORTWIDTH=8\r\nREPORTHEIGHT=10\r\n[STYLES]\r\nRS0=LABELSTYLE\r\n"
      "RS1=LABELSTYLE\r\n[RS0]\r\nSTYLENAME=DEFAULTSTYLE\r\nSIZE=8\r\nNAME=Arial\r\n[RS1]\r\n"
      "STYLENAME=\"\" Quoted \"\"\r\nSIZE=12\r\nNAME=Times\rNew\r\n"
      "[REPORT]\r\nRC1=FIXEDREGION\r\n" + Entry("RC1", "Body", "REPORT") +
      "[Body]\r\nRC2=LABEL\r\nRC3=LABEL\r\nRC4=LABEL\r\n" +
      Entry("RC2", "L", "REPORT", "TEXT=two\rlines\r\nSTYLE=\"\" Quoted \"\"\r\n") +
      Entry("RC3", "L", "REPORT", "TEXT=\"\"quoted\"\"\r\nSTYLE=Quoted\r\n") +
      Entry("RC4", "L", "REPORT", "TEXT=  ' single '  \r\nSTYLE=Quoted\r\n");
  EXPECT_EQ(OpenText(text), Texts{});
  EXPECT_EQ(form().Program().StyleList[1]->Name, "Quoted");
  EXPECT_EQ(form().Program().StyleList[1]->FontName, "Times");
  const auto caption = [this](const char* name) {
    const auto* label = dynamic_cast<designer::TStyledLabel*>(Object(name));
    return label ? label->Caption() : std::string("(none)");
  };
  EXPECT_EQ(caption("TEXT1"), "two");
  EXPECT_EQ(dynamic_cast<designer::TStyledLabel*>(Object("TEXT1"))->StyleName, "Quoted");
  EXPECT_EQ(caption("TEXT2"), "\"quoted\"");
  EXPECT_EQ(caption("TEXT3"), " single ");

  SaveAs("first.qnf");
  EXPECT_NE(Bytes("first.qnf").find("TEXT=\"\"quoted\"\"\r\n"), std::string::npos);
  EXPECT_NE(Bytes("first.qnf").find("TEXT=\" single \"\r\n"), std::string::npos);
  EXPECT_EQ(Open("first.qnf"), Texts{});
  EXPECT_EQ(caption("TEXT1"), "two");
  EXPECT_EQ(caption("TEXT2"), "\"quoted\"");
  EXPECT_EQ(caption("TEXT3"), " single ");
  ExpectSavedDesignReadsBack();
}

}  // namespace
}  // namespace tessel_test
