// The script the three Generate commands write for a design: its lines in
// each dialect, which regions open, which values the host must give, and
// the loop letters.
#include <string>

#include "designer/script/script_file_path.h"
#include "tests/designer_host_script/script_test_support.h"

namespace tessel_test {
namespace {

using designer::TVariableType;

// Region1 holds VAR1 and the repeat region Region2; Region2 holds VAR2 and
// a page number; Region3 holds only a text label.
void BuildSalesExample(DesignBuilder design) {
  designer::TRegion* region1 = design.Fixed(design.Report(), "Region1");
  designer::TRegion* region3 = design.Fixed(design.Report(), "Region3");
  design.Variable(region1, "VAR1", TVariableType::StringVar);
  designer::TRegion* region2 = design.Repeat(region1, "Region2");
  design.Variable(region2, "VAR2", TVariableType::IntegerVar);
  design.Variable(region2, "VAR3", TVariableType::PageNumVar);
  design.Label(region3, "TEXT1", "Thank you");
}

using ScriptGenerationTest = HostScriptTest;

TEST_F(ScriptGenerationTest, SalesExampleInTheUserCodeDialect) {
  BuildSalesExample(Design());
  EXPECT_EQ(Generate(form().UCD1), CrLfLines({
                                       "zBxCreateReport(fileLocation^\"sales.qnf\")",
                                       "zBxBeginRegion(\"Region1\")",
                                       "     zBxSetVariable(\"VAR1\",--value--)",
                                       "     repeat with i:=1 to --loop count--",
                                       "     zBxBeginRegion(\"Region2\")",
                                       "          zBxSetVariable(\"VAR2\",--value--)",
                                       "     zBxEndRegion()",
                                       "     end Repeat",
                                       "zBxEndRegion()",
                                       "zBxPrintReport()",
                                       "zBxFreeReport()",
                                   }));
  EXPECT_EQ(program().Script.ScriptFilePath, WindowsPath("mycode.txt"));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(ScriptGenerationTest, SalesExampleInTheXtraDialect) {
  BuildSalesExample(Design());
  EXPECT_EQ(Generate(form().Xtra1), CrLfLines({
                                        "object := NewObject(\"zBxTessel\")",
                                        "CallObject(object,\"zBxCreateReport\",fileLocation^\"sales.qnf\")",
                                        "CallObject(object,\"zBxBeginRegion\",\"Region1\")",
                                        "     CallObject(object,\"zBxSetVariable\",\"VAR1\",--value--)",
                                        "     repeat with i:=1 to --loop count--",
                                        "     CallObject(object,\"zBxBeginRegion\",\"Region2\")",
                                        "          CallObject(object,\"zBxSetVariable\",\"VAR2\",--value--)",
                                        "     CallObject(object,\"zBxEndRegion\")",
                                        "     end Repeat",
                                        "CallObject(object,\"zBxEndRegion\")",
                                        "CallObject(object,\"zBxPrintReport\")",
                                        "CallObject(object,\"zBxFreeReport\")",
                                    }));
}

TEST_F(ScriptGenerationTest, SalesExampleInTheLingoDialect) {
  BuildSalesExample(Design());
  EXPECT_EQ(Generate(form().DirectorLingo1), CrLfLines({
                                                 "set object = New(xtra \"zBxTessel\")",
                                                 "zBxCreateReport(object, the pathname&\"sales.qnf\")",
                                                 "zBxBeginRegion(object,\"Region1\")",
                                                 "     zBxSetVariable(object,\"VAR1\",--value--)",
                                                 "     repeat with i=1 to --loop count--",
                                                 "     zBxBeginRegion(object,\"Region2\")",
                                                 "          zBxSetVariable(object,\"VAR2\",--value--)",
                                                 "     zBxEndRegion(object)",
                                                 "     end Repeat",
                                                 "zBxEndRegion(object)",
                                                 "zBxPrintReport(object)",
                                                 "zBxFreeReport(object)",
                                             }));
}

TEST_F(ScriptGenerationTest, ADesignWithoutHostValuesGivesHeaderPrintAndFree) {
  const std::string bare = CrLfLines({"zBxCreateReport(fileLocation^\"sales.qnf\")", "zBxPrintReport()",
                                      "zBxFreeReport()"});
  EXPECT_EQ(Generate(form().UCD1), bare);

  DesignBuilder design = Design();
  designer::TRegion* region = design.Fixed(design.Report(), "Region1");
  design.Label(region, "TEXT1", "Totals");
  design.Variable(region, "Pages", TVariableType::NumPagesVar);
  design.Variable(region, "Page", TVariableType::PageNumVar);
  design.Variable(region, "Today", TVariableType::DateVar);
  design.Variable(region, "Now", TVariableType::TimeVar);
  design.Variable(region, "Stamp", TVariableType::DateTimeVar);
  designer::TRegion* inner = design.Fixed(region, "Region2");
  design.Image(inner, "ImageRegion1", "C:\\pictures\\logo.bmp");
  design.RichText(inner, "RichTextRegion1", "");
  EXPECT_EQ(Generate(form().UCD1), bare);
}

TEST_F(ScriptGenerationTest, AValueThreeLevelsDownOpensEveryRegionOnTheWay) {
  DesignBuilder design = Design();
  designer::TRegion* outer = design.Fixed(design.Report(), "Outer");
  designer::TTitleRegion* title = design.Title(outer, "Heading");
  designer::TShapeRegion* shape = design.Shape(title, "SHAPE1");
  design.Variable(shape, "Customer", TVariableType::FloatingPointVar);
  design.Fixed(outer, "Empty");
  EXPECT_EQ(Generate(form().UCD1), CrLfLines({
                                       "zBxCreateReport(fileLocation^\"sales.qnf\")",
                                       "zBxBeginRegion(\"Outer\")",
                                       "     zBxBeginRegion(\"Heading\")",
                                       "          zBxBeginRegion(\"SHAPE1\")",
                                       "               zBxSetVariable(\"Customer\",--value--)",
                                       "          zBxEndRegion()",
                                       "     zBxEndRegion()",
                                       "zBxEndRegion()",
                                       "zBxPrintReport()",
                                       "zBxFreeReport()",
                                   }));
}

TEST_F(ScriptGenerationTest, ARepeatRegionWithoutHostValuesWritesNoLoop) {
  DesignBuilder design = Design();
  designer::TRegion* region1 = design.Fixed(design.Report(), "Region1");
  design.Variable(region1, "Title", TVariableType::StringVar);
  designer::TRegion* quiet = design.Repeat(region1, "Quiet");
  design.Label(quiet, "TEXT1", "Row");
  design.Variable(quiet, "When", TVariableType::DateVar);
  designer::TRegion* region2 = design.Fixed(design.Report(), "Region2");
  designer::TRegion* rows = design.Repeat(region2, "Rows");
  design.Variable(rows, "Amount", TVariableType::IntegerVar);
  // The quiet region takes no letter: the first loop written is "i".
  EXPECT_EQ(Generate(form().UCD1), CrLfLines({
                                       "zBxCreateReport(fileLocation^\"sales.qnf\")",
                                       "zBxBeginRegion(\"Region1\")",
                                       "     zBxSetVariable(\"Title\",--value--)",
                                       "zBxEndRegion()",
                                       "zBxBeginRegion(\"Region2\")",
                                       "     repeat with i:=1 to --loop count--",
                                       "     zBxBeginRegion(\"Rows\")",
                                       "          zBxSetVariable(\"Amount\",--value--)",
                                       "     zBxEndRegion()",
                                       "     end Repeat",
                                       "zBxEndRegion()",
                                       "zBxPrintReport()",
                                       "zBxFreeReport()",
                                   }));
}

TEST_F(ScriptGenerationTest, ALetterIsNotUsedAgainAfterItsLoopClosed) {
  DesignBuilder design = Design();
  for (const char* name : {"Region1", "Region2"}) {
    designer::TRegion* region = design.Fixed(design.Report(), name);
    designer::TRegion* rows = design.Repeat(region, std::string(name) + "Rows");
    design.Variable(rows, std::string(name) + "Value", TVariableType::StringVar);
  }
  const std::string script = Generate(form().UCD1);
  EXPECT_NE(script.find("     repeat with i:=1 to --loop count--\r\n     zBxBeginRegion(\"Region1Rows\")"),
            std::string::npos);
  EXPECT_NE(script.find("     repeat with j:=1 to --loop count--\r\n     zBxBeginRegion(\"Region2Rows\")"),
            std::string::npos);

  // Every generation starts again at "i".
  const std::string again = Generate(form().Xtra1);
  EXPECT_NE(again.find("repeat with i:=1"), std::string::npos);
  EXPECT_NE(again.find("repeat with j:=1"), std::string::npos);
}

TEST_F(ScriptGenerationTest, AfterZALoopTakesTheFirstLetterNoOpenLoopHolds) {
  // The outer loop holds "i"; the eighteen loops inside take "j" to "z" and
  // then, the nineteenth of the script, "j" again; a loop after the outer
  // one closed takes "i".
  DesignBuilder design = Design();
  designer::TRegion* region = design.Fixed(design.Report(), "Region1");
  designer::TRegion* outer = design.Repeat(region, "Outer");
  for (int n = 1; n <= 18; ++n) {
    designer::TRegion* inner = design.Fixed(outer, "Block" + std::to_string(n));
    designer::TRegion* rows = design.Repeat(inner, "Rows" + std::to_string(n));
    design.Variable(rows, "Value" + std::to_string(n), TVariableType::StringVar);
  }
  designer::TRegion* last = design.Fixed(design.Report(), "Region2");
  designer::TRegion* lastRows = design.Repeat(last, "LastRows");
  design.Variable(lastRows, "LastValue", TVariableType::StringVar);

  const std::string script = Generate(form().DirectorLingo1);
  std::string letters;
  for (std::size_t at = script.find("repeat with "); at != std::string::npos;
       at = script.find("repeat with ", at + 1)) {
    const std::size_t start = at + std::string("repeat with ").size();
    letters += script.substr(start, script.find('=', start) - start) + " ";
  }
  EXPECT_EQ(letters, "i j k l m n o p q r s t u v w x y z j i ");
  EXPECT_EQ(script.find('{'), std::string::npos);
  EXPECT_NE(script.find("               repeat with j=1 to --loop count--\r\n"
                        "               zBxBeginRegion(object,\"Rows18\")\r\n"),
            std::string::npos);
}

TEST_F(ScriptGenerationTest, DynamicImageAndRichTextRegionsAreValuesOfTheHost) {
  DesignBuilder design = Design();
  designer::TRegion* region1 = design.Fixed(design.Report(), "Region1");
  design.Image(region1, "ImageRegion1", "DYNAMIC");
  design.RichText(region1, "RichTextRegion1", "DYNAMIC");
  // A fixed file, the marker in another case, or direct text: nothing.
  designer::TRegion* region2 = design.Fixed(design.Report(), "Region2");
  design.Image(region2, "ImageRegion2", "C:\\pictures\\DYNAMIC");
  design.Image(region2, "ImageRegion3", "dynamic");
  design.RichText(region2, "RichTextRegion2", "C:\\texts\\notes.rtf");
  design.RichText(region2, "RichTextRegion3", "");
  // A value dropped into an image region makes its region dynamic, but the
  // script names nothing inside an image region.
  designer::TRegion* region3 = design.Fixed(design.Report(), "Region3");
  designer::TImageRegion* holder = design.Image(region3, "ImageRegion4", "");
  design.Variable(holder, "Caption", TVariableType::StringVar);

  EXPECT_EQ(Generate(form().UCD1), CrLfLines({
                                       "zBxCreateReport(fileLocation^\"sales.qnf\")",
                                       "zBxBeginRegion(\"Region1\")",
                                       "     zBxSetVariable(\"ImageRegion1\",--value--)",
                                       "     zBxSetVariable(\"RichTextRegion1\",--value--)",
                                       "zBxEndRegion()",
                                       "zBxBeginRegion(\"Region3\")",
                                       "zBxEndRegion()",
                                       "zBxPrintReport()",
                                       "zBxFreeReport()",
                                   }));
}

TEST_F(ScriptGenerationTest, AVariableGoesByItsCaptionInWindows1252) {
  DesignBuilder design = Design();
  designer::TRegion* region = design.Fixed(design.Report(), "Region1");
  design.Variable(region, "VAR1", TVariableType::StringVar)->SetCaption("Total");
  design.Variable(region, "VAR2", TVariableType::StringVar)->SetCaption("Pr\xE9" "cis");
  EXPECT_EQ(Generate(form().UCD1), CrLfLines({
                                       "zBxCreateReport(fileLocation^\"sales.qnf\")",
                                       "zBxBeginRegion(\"Region1\")",
                                       "     zBxSetVariable(\"Total\",--value--)",
                                       "     zBxSetVariable(\"Pr\xE9" "cis\",--value--)",
                                       "zBxEndRegion()",
                                       "zBxPrintReport()",
                                       "zBxFreeReport()",
                                   }));
}

TEST_F(ScriptGenerationTest, EachGenerationReplacesTheWholeFile) {
  WriteFileBytes(ScriptFile(), std::string(5000, 'x'));
  EXPECT_EQ(Generate(form().UCD1), CrLfLines({"zBxCreateReport(fileLocation^\"sales.qnf\")", "zBxPrintReport()",
                                              "zBxFreeReport()"}));
}

TEST_F(ScriptGenerationTest, GeneratingChangesNothingInTheDesign) {
  BuildSalesExample(Design());
  const int before = form().REPORT->ComponentCount();
  Generate(form().UCD1);
  EXPECT_EQ(form().REPORT->ComponentCount(), before);
  EXPECT_FALSE(form().FModified);
  EXPECT_EQ(form().FFileName, WindowsPath("sales.qnf"));
}

TEST(ScriptFilePath, TheScriptGoesIntoTheTemplatesFolder) {
  EXPECT_EQ(designer::ScriptFilePathFor("C:\\Reports\\sales.qnf"), "C:\\Reports\\mycode.txt");
  EXPECT_EQ(designer::ScriptFilePathFor("\\home\\u\\r\\sales.qnf"), "\\home\\u\\r\\mycode.txt");
  // A root folder keeps its backslash and the doubled one is made single.
  EXPECT_EQ(designer::ScriptFilePathFor("C:\\sales.qnf"), "C:\\mycode.txt");
  EXPECT_EQ(designer::ScriptFilePathFor("\\sales.qnf"), "\\mycode.txt");
  EXPECT_EQ(designer::ScriptFilePathFor("C:sales.qnf"), "C:\\mycode.txt");
  EXPECT_EQ(designer::ScriptFilePathFor("sales.qnf"), "\\mycode.txt");
  EXPECT_EQ(designer::TemplateFileName("\\sales.qnf"), "sales.qnf");
  EXPECT_EQ(designer::TemplateFileName("C:\\Reports\\My Sales.qnf"), "My Sales.qnf");
  EXPECT_EQ(designer::TemplateFileName("C:sales.qnf"), "sales.qnf");
}

TEST(ScriptLines, IndentationAndLoopNamesBeyondTheAlphabet) {
  EXPECT_EQ(designer::TScriptState::ScriptIndent(-1), "");
  EXPECT_EQ(designer::TScriptState::ScriptIndent(0), "");
  EXPECT_EQ(designer::TScriptState::ScriptIndent(3), std::string(15, ' '));

  // Twenty-seven loops open at once: "i" to "z", "a" to "h", then two
  // letters; every one is a name a host accepts.
  designer::TScriptState state;
  state.ResetScriptState();
  std::string heads;
  for (int n = 0; n < 27; ++n) {
    const std::string lines = state.BeginRepeatRegionLine("R");
    const std::size_t start = lines.find("repeat with ") + 12;
    heads += lines.substr(start, lines.find(':', start) - start);
  }
  EXPECT_EQ(heads, "ijklmnopqrstuvwxyzabcdefghii");
  EXPECT_EQ(state.ScriptLevel, 27);
  EXPECT_EQ(state.EndRepeatRegionLine(), std::string(26 * 5, ' ') + "zBxEndRegion()\r\n" +
                                             std::string(26 * 5, ' ') + "end Repeat");
  // The two-letter loop has closed, so the next takes it again.
  const std::string next = state.BeginRepeatRegionLine("R");
  EXPECT_NE(next.find("repeat with ii:=1"), std::string::npos);
}

}  // namespace
}  // namespace tessel_test
