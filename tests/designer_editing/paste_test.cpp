// Copy and Paste: the copy is what the template would hold of its source,
// with fresh inner controls and unique names.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <set>

#include "designer/dialogs/rtf_dir.h"
#include "designer/editing/scratch_pad_form.h"
#include "designer/editing/template_copy.h"
#include "platform/ini/ini_file.h"
#include "platform/text/ansi_text.h"
#include "tests/designer_editing/editing_support.h"

namespace tessel_test {
namespace {

class PasteTest : public PasteSetting {
 protected:
  // Every object of the design with its owner, depth first.
  void Walk(platform::TWinControl* container, std::vector<platform::TControl*>& found) {
    const int first = container == form().REPORT ? 0 : dynamic_cast<designer::TShapeRegion*>(container) ? 2 : 1;
    for (int i = first; i < container->ControlCount(); ++i) {
      platform::TControl* child = container->Controls(i);
      found.push_back(child);
      if (auto* region = dynamic_cast<platform::TWinControl*>(child)) Walk(region, found);
    }
  }
  std::string FragmentOf(platform::TControl* object) { return designer::TemplateTextOf(form(), object); }
};

TEST_F(PasteTest, ACopyOfTEXT4WhileItExistsIsTEXT41ThenTEXT42) {
  designer::TStyledLabel* text = nullptr;
  for (int i = 0; i < 4; ++i) text = Text(source_, 10, 10 + 20 * i);
  ASSERT_EQ(text->Name(), "TEXT4");
  platform::TControl* first = form().DuplicateComponent(text);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Name(), "TEXT41");
  EXPECT_EQ(first->Owner(), form().REPORT);
  EXPECT_EQ(first->Parent(), nullptr) << "placed nowhere yet";
  platform::TControl* second = form().DuplicateComponent(text);
  EXPECT_EQ(second->Name(), "TEXT42");
  EXPECT_EQ(form().FTextCount, 4) << "a copy takes no number of the counter";
  // Inside a pasted region the same rule names the copies.
  CopyObject(source_);
  auto* pasted = dynamic_cast<designer::TRegion*>(PasteInto(target_, 5, 5));
  ASSERT_NE(pasted, nullptr);
  std::vector<std::string> names;
  for (int i = 1; i < pasted->ControlCount(); ++i) names.push_back(pasted->Controls(i)->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"TEXT11", "TEXT21", "TEXT31", "TEXT43"}));
  EXPECT_EQ(pasted->Name(), "Region4") << "the top object is named by placement's counter";
}

TEST_F(PasteTest, APastedLabelGoesToTheMouseWithTheNextNumberAndItsText) {
  designer::TStyledLabel* text = Text(source_, 10, 10);
  text->SetCaption("Total:");
  text->StyleName = "DEFAULTSTYLE";
  CopyObject(text);
  EXPECT_EQ(form().FCopySource.Get(), text);
  EXPECT_EQ(form().FMode, designer::kModeNone);
  EXPECT_FALSE(form().SpeedButton15->Down());
  form().FModified = false;
  auto* copy = dynamic_cast<designer::TStyledLabel*>(PasteInto(target_, 40, 50));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Name(), "TEXT2");
  EXPECT_EQ(copy->Caption(), "Total:");
  EXPECT_EQ(copy->StyleName, "DEFAULTSTYLE");
  EXPECT_EQ(copy->Left(), 40);
  EXPECT_EQ(copy->Top(), 50);
  EXPECT_EQ(copy->Owner(), form().REPORT);
  EXPECT_TRUE(copy->Transparent());
  EXPECT_TRUE(form().FModified);
  // Paste stays chosen: the next click pastes again.
  EXPECT_EQ(form().FMode, designer::kModePaste);
  EXPECT_EQ(form().ModeLabel->Caption(), "Paste");
  EXPECT_TRUE(form().SpeedButton16->Down());
  auto* again = dynamic_cast<designer::TStyledLabel*>(PasteInto(target_, 40, 90));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->Name(), "TEXT3");
  // A copy of a selected label is not selected.
  ShiftClick(text);
  ASSERT_EQ(text->Color(), kAqua);
  form().FRegionGrabY = 130;
  auto* third = dynamic_cast<designer::TStyledLabel*>(form().PlaceObject(target_));
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->Color(), kSilver);
  EXPECT_TRUE(third->Transparent());
  EXPECT_EQ(SelectedNames(), std::vector<std::string>{"TEXT1"});
}

TEST_F(PasteTest, PasteWithoutACopySourceDoesNothing) {
  form().FModified = false;
  form().Paste1Click(nullptr);
  EXPECT_EQ(form().FMode, designer::kModeNone);
  EXPECT_FALSE(form().FModified);
  EXPECT_TRUE(form().SpeedButton16->Down()) << "the button stays down until another tool";
  form().SpeedButton9Click(nullptr);
  EXPECT_FALSE(form().SpeedButton16->Down());
}

TEST_F(PasteTest, ARegionIsCopiedWithEverythingTheTemplateHoldsOfIt) {
  source_->FBorder = designer::TBorderRecord{designer::kSideTop | designer::kSideLeft, 3, 0x0000FF, 2};
  source_->FAbsolute = 1;
  auto* repeat = Region(source_, 5, 5, 200, 60, designer::kModeRepeat);
  repeat->MultiPage = false;
  repeat->FBorder = designer::TBorderRecord{designer::kSideBottom, 1, 0xFF0000, 1};
  designer::TVariableLabel* variable = Variable(repeat, 4, 4);
  variable->SetVariableTypeByName("integer");
  variable->SetHighlightWhenByName("greaterThan");
  variable->HighlightValue = "100";
  variable->HighlightStyle = "DEFAULTSTYLE";
  variable->MasterVariable = 1;
  auto* shape = Place<designer::TShapeRegion>(source_, designer::kModeShape, 5, 80);
  shape->SetShape(designer::kEllipse);
  shape->SetFillColor(0x00FF00);
  shape->SetFillPattern(3);
  shape->SetBorderColor(0x0000FF);
  shape->SetBorderThickness(4);
  shape->SetBorderPattern(2);
  designer::TStyledLabel* inShape = Text(shape, 3, 3);
  auto* image = Place<designer::TImageRegion>(source_, designer::kModeImage, 200, 80);
  image->FImageFile = "DYNAMIC";
  image->FFileLocation = "C:\\Pictures\\";
  auto* richText = Place<designer::TRichTextRegion>(source_, designer::kModeRichText, 5, 130);
  richText->FRtfFile = "";
  richText->FStyleName = "DEFAULTSTYLE";
  richText->FRichEdit->SetLines({"Dear customer,", "thank you."});

  CopyObject(source_);
  auto* copy = dynamic_cast<designer::TRegion*>(PasteInto(target_, 7, 9));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Name(), "Region5");
  EXPECT_EQ(copy->Bounds(), (platform::TBounds{7, 9, 300, 250}));
  EXPECT_EQ(copy->FBorder, source_->FBorder);
  EXPECT_EQ(copy->FAbsolute, 1);
  // The copy's template text is the source's, names and place aside.
  std::string expected = FragmentOf(source_);
  std::string actual = FragmentOf(copy);
  const std::vector<std::pair<std::string, std::string>> renamed = {
      {"NAME=Region5", "NAME=Region2"}, {"[Region5]", "[Region2]"}, {"PARENT=Region5", "PARENT=Region2"},
      {"LEFT=7\r\nTOP=9", "LEFT=20\r\nTOP=30"},   {"Region41", "Region4"},     {"VAR11", "VAR1"},
      {"SHAPE11", "SHAPE1"},                      {"TEXT11", "TEXT1"},         {"ImageRegion11", "ImageRegion1"},
      {"RichTextRegion11", "RichTextRegion1"}};
  for (const auto& [from, to] : renamed)
    for (std::size_t at = actual.find(from); at != std::string::npos; at = actual.find(from, at + to.size()))
      actual.replace(at, from.size(), to);
  // A variable sizes itself to its caption, which is its new name.
  const auto widthOf = [](platform::TControl* object) {
    return "WIDTH=" + std::to_string(object->DesignBounds().Width) + "\r\nHEIGHT=12\r\nPARENT=Region4";
  };
  auto* variableCopy = dynamic_cast<designer::TVariableLabel*>(form().REPORT->FindComponent("VAR11"));
  ASSERT_NE(variableCopy, nullptr);
  if (const std::size_t at = actual.find(widthOf(variableCopy)); at != std::string::npos)
    actual.replace(at, widthOf(variableCopy).size(), widthOf(variable));
  EXPECT_EQ(actual, expected);
  // Every region has fresh inner controls of its own, and no more.
  ASSERT_EQ(copy->ControlCount(), source_->ControlCount());
  EXPECT_NE(copy->FPaintBox, source_->FPaintBox);
  EXPECT_EQ(copy->FPaintBox->Parent(), copy);
  EXPECT_EQ(copy->Controls(0), copy->FPaintBox);
  auto* shapeCopy = dynamic_cast<designer::TShapeRegion*>(form().REPORT->FindComponent("SHAPE11"));
  ASSERT_NE(shapeCopy, nullptr);
  EXPECT_EQ(shapeCopy->Parent(), copy);
  EXPECT_EQ(shapeCopy->FShapeControl->Parent(), shapeCopy);
  EXPECT_EQ(shapeCopy->ControlCount(), shape->ControlCount());
  auto* richCopy = dynamic_cast<designer::TRichTextRegion*>(form().REPORT->FindComponent("RichTextRegion11"));
  ASSERT_NE(richCopy, nullptr);
  EXPECT_NE(richCopy->FRichEdit, richText->FRichEdit);
  EXPECT_EQ(richCopy->FRichEdit->Lines(), richText->FRichEdit->Lines());
  EXPECT_EQ(variableCopy->Caption(), "VAR11");
  EXPECT_EQ(variableCopy->MasterVariable, 1) << "inside a copied region it stays the master of its own";
  EXPECT_EQ(inShape->Parent(), shape);
  // The border of a copy can be drawn at once.
  form().ShowBorders1Click(nullptr);
  EXPECT_FALSE(copy->FPaintBox->Canvas().Calls.empty());
}

TEST_F(PasteTest, APastedVariableKeepsItsCopyNameTypeAndHighlightButIsNoMaster) {
  designer::TVariableLabel* variable = Variable(source_, 4, 4);
  variable->SetVariableTypeByName("floatingPoint");
  variable->SetHighlightWhenByName("lessThan");
  variable->HighlightValue = "2.5";
  variable->MasterVariable = 1;
  CopyObject(variable);
  form().FVariableTypeWord = "string";
  auto* copy = dynamic_cast<designer::TVariableLabel*>(PasteInto(source_, 60, 4));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Name(), "VAR11");
  EXPECT_EQ(copy->Caption(), "VAR11");
  EXPECT_EQ(copy->VariableTypeName(), "floatingPoint");
  EXPECT_EQ(copy->HighlightWhenName(), "lessThan");
  EXPECT_EQ(copy->HighlightValueText(), "2.5");
  EXPECT_EQ(copy->MasterVariable, 0) << "one master to a container";
  EXPECT_EQ(form().FVarCount, 2);
}

TEST_F(PasteTest, ARepeatRegionKeepsItsPagesSettingAndTheOneRepeatRuleHolds) {
  auto* repeat = Region(source_, 5, 5, 100, 60, designer::kModeRepeat);
  repeat->MultiPage = false;
  CopyObject(repeat);
  auto* copy = dynamic_cast<designer::TRegion*>(PasteInto(target_, 5, 5));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->RegionType, designer::TRegionType::repeatRegion);
  EXPECT_FALSE(copy->MultiPage);
  // Pasting a region ends the mode, as placing one does.
  EXPECT_EQ(form().FMode, designer::kModeNone);
  EXPECT_EQ(form().ModeLabel->Caption(), "");
  EXPECT_FALSE(form().SpeedButton16->Down());
  // No second one in the same container, and no retrying.
  dialogs->ReplyButton(platform::mrOk);
  const int before = target_->ControlCount();
  form().Paste1Click(nullptr);
  PlainClick(target_, 100, 100);
  EXPECT_EQ(target_->ControlCount(), before);
  EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{"Only one Repeat Region allowed"});
  EXPECT_EQ(form().FMode, designer::kModeNone);
  EXPECT_EQ(form().FCopySource.Get(), repeat) << "Paste can be chosen again";
}

TEST_F(PasteTest, ATitleRegionPastesAsATitleRegionButNotIntoOne) {
  auto* title = Region(source_, 5, 5, 100, 60, designer::kModeTitle);
  CopyObject(title);
  auto* copy = dynamic_cast<designer::TTitleRegion*>(PasteInto(target_, 5, 5));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(form().ControlTypeName(copy), "TITLEREGION");
  EXPECT_EQ(PasteInto(copy, 5, 5), nullptr);
  EXPECT_EQ(copy->ControlCount(), 1);
}

TEST_F(PasteTest, PastingTheReportAreaDoesNothing) {
  CopyObject(form().REPORT);
  EXPECT_EQ(form().FCopySource.Get(), form().REPORT);
  const int before = target_->ControlCount();
  EXPECT_EQ(PasteInto(target_, 5, 5), nullptr);
  EXPECT_EQ(target_->ControlCount(), before);
  EXPECT_EQ(form().DuplicateComponent(form().REPORT), nullptr);
}

TEST_F(PasteTest, ACutObjectPastesAndNamesStayUniqueAfterUndo) {
  Text(source_, 10, 10);
  Variable(source_, 10, 40);
  Region(source_, 100, 100, 80, 80);
  // Cut the region, paste it twice, give the original back.
  CutObject(source_);
  ASSERT_EQ(source_->Parent(), program().ScratchPadForm);
  ASSERT_NE(PasteInto(target_, 5, 5), nullptr);
  ASSERT_NE(PasteInto(outer_, 10, 400), nullptr);
  form().Undo1Click(nullptr);
  ASSERT_EQ(source_->Parent(), outer_);
  std::vector<platform::TControl*> objects;
  Walk(form().REPORT, objects);
  EXPECT_EQ(objects.size(), 4u * 3u + 2u) << "the original, two copies, and the target with the outer region";
  std::set<std::string> names;
  for (platform::TControl* object : objects) {
    EXPECT_TRUE(names.insert(platform::UpperCase(object->Name())).second) << "twice: " << object->Name();
    EXPECT_EQ(object->Owner(), form().REPORT) << object->Name();
  }
}

TEST_F(PasteTest, TheClipboardTextOfACutIsItsTemplateFragment) {
  designer::TStyledLabel* text = Text(source_, 10, 10);
  CutObject(source_);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  const std::string bytes = data->data("application/x-tessel-template").toStdString();
  EXPECT_EQ(bytes.rfind("[REPORT]\r\nRC1=FIXEDREGION\r\n\r\n[RC1]\r\nNAME=Region2\r\nLEFT=20\r\nTOP=30\r\n", 0), 0u)
      << bytes;
  EXPECT_NE(bytes.find("PARENT=REPORT\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("[Region2]\r\nRC2=LABEL\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("NAME=" + text->Name() + "\r\n"), std::string::npos);
  EXPECT_EQ(data->text().toStdString(), bytes);
}


TEST_F(PasteTest, ADirectTextRegionKeepsItsFolderAlsoInsideACopiedRegion) {
  auto* richText = Place<designer::TRichTextRegion>(source_, designer::kModeRichText, 5, 130);
  richText->FRichEdit->SetLines({"Dear customer,"});
  program().CurrentObject = richText;
  modals->On("RTFDir", [this](platform::TForm&) {
    program().RTFDir->Edit1->SetText("D:\\Letters");
    program().RTFDir->BitBtn1->Click();
  });
  form().FileLocation2Click(nullptr);
  ASSERT_EQ(richText->FFileLocation, "D:\\Letters");
  ASSERT_EQ(program().ReportStyle.RtfDirectory, "RTFS");

  CopyObject(richText);
  auto* copy = dynamic_cast<designer::TRichTextRegion*>(PasteInto(target_, 5, 5));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->FFileLocation, "D:\\Letters");
  EXPECT_EQ(copy->FRichEdit->Lines(), richText->FRichEdit->Lines());
  CopyObject(source_);
  auto* regionCopy = dynamic_cast<designer::TRegion*>(PasteInto(outer_, 20, 400));
  ASSERT_NE(regionCopy, nullptr);
  ASSERT_EQ(regionCopy->ControlCount(), 2);
  auto* heldCopy = dynamic_cast<designer::TRichTextRegion*>(regionCopy->Controls(1));
  ASSERT_NE(heldCopy, nullptr);
  EXPECT_EQ(heldCopy->FFileLocation, "D:\\Letters");

  // The folder the template gets once the copy's text comes from a file.
  WriteFileBytes(folder() + "/letter.txt", "Dear customer,\r\n");
  program().CurrentObject = copy;
  dialogs->ReplyFile(WindowsPath("letter.txt"));
  form().FromFile1Click(nullptr);
  SaveAs("letters.qnf");
  const std::string section = SavedSections("letters.qnf").at(copy->Name());
  EXPECT_EQ(platform::TIniFile(folder() + "/letters.qnf").ReadString(section, "FILELOCATION", ""), "D:\\Letters");
}

}  // namespace
}  // namespace tessel_test
