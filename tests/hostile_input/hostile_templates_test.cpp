// Templates no designer writes, built here rather than kept as large files:
// each ends within its bound with the engine still working afterwards.
#include <algorithm>
#include <string>

#include "tests/hostile_input/hostile_fixture.h"

namespace tessel_test {
namespace {

int CountCalls(const platform::RecordingPrinter& printer, platform::CanvasCall::Kind kind) {
  int count = 0;
  for (const auto& job : printer.Jobs) {
    for (const auto& page : job.pages) {
      count += static_cast<int>(std::count_if(page.Calls.begin(), page.Calls.end(),
                                              [&](const auto& call) { return call.kind == kind; }));
    }
  }
  return count;
}

std::string Control(int number, std::string_view body) {
  const std::string key = "RC" + std::to_string(number);
  return "[" + key + "]\n" + std::string(body) + "\n";
}

TEST_F(HostileInput, ContainersThatNameAnEnclosingSectionAreRefused) {
  struct Cycle {
    std::string_view text;
    std::string_view message;
  };
  const Cycle cycles[] = {
      {"[REPORT]\nRC1=FIXEDREGION\n[RC1]\nNAME=Report\nWIDTH=100\nHEIGHT=100\n",
       "Tessel: Section \"Report\" is read already; its controls are not read again."},
      {"[REPORT]\nRC1=REPEATREGION\n[RC1]\nNAME=Rows\nWIDTH=100\nHEIGHT=10\n"
       "[Rows]\nRC2=SHAPEREGION\n[RC2]\nNAME=ROWS\nWIDTH=10\nHEIGHT=10\n",
       "Tessel: Section \"ROWS\" is read already; its controls are not read again."},
      {"[REPORT]\nRC1=FIXEDREGION\n[RC1]\nNAME=A\n[A]\nRC2=TITLEREGION\n[RC2]\nNAME=B\n"
       "[B]\nRC3=REPEATREGION\n[RC3]\nNAME=C\n[C]\nRC4=FIXEDREGION\n[RC4]\nNAME=a\n",
       "Tessel: Section \"a\" is read already; its controls are not read again."},
  };
  for (const Cycle& cycle : cycles) {
    const std::size_t before = Messages().size();
    Load("cycle.qnf", std::string(kStyles) + std::string(cycle.text));
    ASSERT_EQ(Messages().size(), before + 1) << cycle.text;
    EXPECT_EQ(Messages().back(), cycle.message);
    EXPECT_TRUE(engine::ErrorFlag());
    // Frozen by the flag: nothing below may print or loop.
    zBxBeginRegion("A");
    zBxPrintReport();
    EXPECT_EQ(Messages().size(), before + 1);
  }
  EXPECT_EQ(quiet_.Printer().JobsEnded(), 0);
}

TEST_F(HostileInput, ManyContainersNamingOneLargeSectionStopAtTheBound) {
  // Read naively, 10,000 regions each holding the same 10,000 labels.
  constexpr int kCount = 10'000;
  std::string text = std::string(kStyles) + "[REPORT]\n";
  for (int n = 1; n <= kCount; ++n) text += "RC" + std::to_string(n) + "=FIXEDREGION\n";
  for (int n = 1; n <= kCount; ++n) text += Control(n, "NAME=Big\nWIDTH=700\nHEIGHT=900");
  text += "[Big]\n";
  for (int n = 1; n <= kCount; ++n) text += "L" + std::to_string(n) + "=LABEL\n";
  for (int n = 1; n <= kCount; ++n) {
    text += "[L" + std::to_string(n) + "]\nNAME=L" + std::to_string(n) + "\nTEXT=x\n";
  }
  Load("shared.qnf", text);
  EXPECT_EQ(Messages(), (Texts{"Tessel: The template names more than 100000 controls and text "
                               "lines; the rest of it is not read."}));
  EXPECT_TRUE(engine::ErrorFlag());
  zBxPrintReport();
  EXPECT_EQ(quiet_.Printer().JobsEnded(), 0);
}

TEST_F(HostileInput, TenThousandSiblingLabelsAllPrint) {
  constexpr int kLabels = 10'000;
  std::string text = std::string(kStyles) + "[REPORT]\n";
  for (int n = 1; n <= kLabels; ++n) text += "RC" + std::to_string(n) + "=LABEL\n";
  for (int n = 1; n <= kLabels; ++n) {
    text += Control(n, "NAME=L" + std::to_string(n) + "\nLEFT=" + std::to_string(n % 50 * 15) +
                        "\nTOP=" + std::to_string(n / 50 * 5) +
                        "\nWIDTH=15\nHEIGHT=5\nPARENT=REPORT\nTEXT=" + std::to_string(n));
  }
  Load("siblings.qnf", text);
  EXPECT_EQ(Messages(), Texts{});
  zBxPrintReport();
  EXPECT_EQ(quiet_.Printer().JobsEnded(), 1);

  platform::RecordingPrinter& printer = RecordPages();
  zBxPrintReport();
  ASSERT_EQ(printer.Jobs.size(), 1u);
  EXPECT_EQ(CountCalls(printer, platform::CanvasCall::Kind::TextOut), kLabels);
  EXPECT_EQ(Messages(), Texts{});
}

TEST_F(HostileInput, FiveHundredDeepNestingStopsAtTheReadersBound) {
  constexpr int kDepth = 500;
  std::string text = std::string(kStyles) + "[REPORT]\nRC1=FIXEDREGION\n";
  for (int n = 1; n <= kDepth; ++n) {
    const std::string name = "R" + std::to_string(n);
    text += "[RC" + std::to_string(n) + "]\nNAME=" + name + "\nLEFT=1\nTOP=1\nWIDTH=" +
            std::to_string(700 - n) + "\nHEIGHT=" + std::to_string(900 - n) + "\n";
    if (n < kDepth) text += "[" + name + "]\nRC" + std::to_string(n + 1) + "=FIXEDREGION\n";
  }
  Load("deep.qnf", text);
  EXPECT_EQ(Messages(), (Texts{"Tessel: Regions are nested deeper than 64 levels; the controls "
                               "of \"R64\" are not read."}));
  EXPECT_TRUE(engine::ErrorFlag());
}

TEST_F(HostileInput, SixtyFourLevelsOfNestingLoadAndPrint) {
  constexpr int kDepth = 64;
  std::string text = std::string(kStyles) + "[REPORT]\nRC1=FIXEDREGION\n";
  for (int n = 1; n <= kDepth; ++n) {
    const std::string name = "R" + std::to_string(n);
    text += "[RC" + std::to_string(n) + "]\nNAME=" + name + "\nLEFT=1\nTOP=1\nWIDTH=" +
            std::to_string(700 - 2 * n) + "\nHEIGHT=" + std::to_string(900 - 2 * n) + "\n";
    if (n < kDepth) text += "[" + name + "]\nRC" + std::to_string(n + 1) + "=FIXEDREGION\n";
  }
  Load("deep.qnf", text);
  EXPECT_EQ(Messages(), Texts{});
  platform::RecordingPrinter& printer = RecordPages();
  zBxPrintReport();
  ASSERT_EQ(printer.Jobs.size(), 1u);
  // The page border and one border per region.
  EXPECT_EQ(CountCalls(printer, platform::CanvasCall::Kind::Rectangle) +
                CountCalls(printer, platform::CanvasCall::Kind::LineTo) / 4,
            kDepth + 1);
}

TEST_F(HostileInput, AbsurdGeometryAndColoursPrintWithinBounds) {
  const std::string text =
      std::string(kStyles) +
      "[RS0]\nSIZE=2147483647\nCOLOR=0xFFFFFFFF\nSTYLE=-1\n"
      "[REPORT]\nRC1=LABEL\nRC2=FIXEDREGION\nRC4=REPEATREGION\nRC6=SHAPEREGION\n"
      "[RC1]\nNAME=Far\nLEFT=2147483647\nTOP=2147483647\nWIDTH=2147483647\nHEIGHT=2147483647\n"
      "TEXT=far away\n"
      "[RC2]\nNAME=Fixed\nLEFT=-2147483648\nTOP=-2147483648\nWIDTH=-5\nHEIGHT=-5\n"
      "BORDERTHICKNESS=2147483647\nBORDERCOLOR=0xFFFFFFFF\n"
      "[Fixed]\nRC3=VARIABLE\n"
      "[RC3]\nNAME=V\nLEFT=2147483647\nTOP=-2147483648\nWIDTH=2147483647\nHEIGHT=-2147483648\n"
      "VARTYPE=integer\nHLWHEN=greaterThan\nHLVALUE=0x7FFFFFFF\n"
      "[RC4]\nNAME=Rows\nLEFT=0\nTOP=0\nWIDTH=2147483647\nHEIGHT=2147483647\n"
      "[Rows]\nRC5=VARIABLE\n"
      "[RC5]\nNAME=Amount\nLEFT=0\nTOP=0\nWIDTH=100\nHEIGHT=20\nVARTYPE=floatingPoint\n"
      "[RC6]\nNAME=Shape\nLEFT=10\nTOP=10\nWIDTH=2147483647\nHEIGHT=-2147483648\nSHAPE=1\n"
      "BORDERTHICKNESS=-2147483648\nFILLCOLOR=0xFFFFFFFF\nFILLPATTERN=2147483647\n";
  Load("absurd.qnf", text);
  EXPECT_EQ(Messages(), Texts{});
  zBxBeginRegion("Fixed");
  zBxSetVariable("V", "2147483647");
  zBxEndRegion();
  for (int row = 0; row < 3; ++row) {
    zBxBeginRegion("Rows");
    zBxSetVariable("Amount", "1e308");
    zBxEndRegion();
  }
  zBxPrintReport();
  zBxPreviewReport();
  zBxPrintWithDialog();
  for (const std::string& message : Messages()) EXPECT_TRUE(message.starts_with("Tessel: "));
  EXPECT_LE(quiet_.Printer().PagesPainted(), 100);
}

TEST_F(HostileInput, UnusablePaperAndReportSizesAreRefused) {
  Load("paper.qnf", "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nPAPERWIDTH=1e308\nPAPERHEIGHT=-1\n"
                    "REPORTWIDTH=0\nPLACELEFT=1e20\n"
                    "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n");
  EXPECT_EQ(Messages(), (Texts{"Tessel: Paper size 1E308 x -1 inches is not usable.",
                               "Tessel: Report size 0 x 10.5 inches is not usable.",
                               "Tessel: Report placement 1E20, 0.5 inches is not usable."}));
  EXPECT_TRUE(engine::ErrorFlag());
}

TEST_F(HostileInput, SizeThatIsNoNumberEndsTheRead) {
  Load("nan.qnf", "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nREPORTWIDTH=nan\n"
                  "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\n");
  EXPECT_EQ(Messages(), Texts{"Tessel: 'nan' is not a valid floating point value"});
  EXPECT_TRUE(engine::ErrorFlag());
}

TEST_F(HostileInput, OneMegabyteValuesAreCutTo1023Characters) {
  const std::string megabyte(1 << 20, 'm');
  const std::string text = std::string(kStyles) + "[REPORT]\nRC1=LABEL\nRC2=FIXEDREGION\n" +
                           "[RC1]\nNAME=Big\nLEFT=0\nTOP=0\nWIDTH=700\nHEIGHT=20\nTEXT=" +
                           megabyte + "\n[" + megabyte + "]\nKEY=value\n" + megabyte + "=x\n" +
                           megabyte + "\n[RC2]\nNAME=Holder\nWIDTH=700\nHEIGHT=100\n" +
                           "[Holder]\nRC3=VARIABLE\n[RC3]\nNAME=Text\nWIDTH=700\nHEIGHT=20\n"
                           "VARTYPE=string\n";
  Load("megabyte.qnf", text);
  EXPECT_EQ(Messages(), Texts{});
  zBxBeginRegion("Holder");
  zBxSetVariable("Text", megabyte.c_str());
  zBxEndRegion();
  zBxPrintReport();
  EXPECT_EQ(quiet_.Printer().JobsEnded(), 1);

  platform::RecordingPrinter& printer = RecordPages();
  zBxPrintReport();
  ASSERT_EQ(printer.Jobs.size(), 1u);
  std::vector<std::size_t> lengths;
  for (const auto& call : printer.Jobs[0].pages[0].Calls) {
    if (call.kind == platform::CanvasCall::Kind::TextOut) lengths.push_back(call.text.size());
  }
  // The label as the template reader saw it; the host's value whole. Both
  // run far past the paper's edge, which each print says once.
  EXPECT_EQ(lengths, (std::vector<std::size_t>{1023, megabyte.size()}));
  const std::string leftOut =
      "Tessel: Some of the report's data did not fit on its pages and was left out.";
  EXPECT_EQ(Messages(), (Texts{leftOut, leftOut}));
}

TEST_F(HostileInput, RichTextSectionOfFiveThousandLinesPrints) {
  constexpr int kLines = 5'000;
  std::string text = std::string(kStyles) +
                     "[REPORT]\nRC1=RICHTEXTREGION\n[RC1]\nNAME=Notes\nLEFT=0\nTOP=0\nWIDTH=700\n"
                     "HEIGHT=900\nPARENT=REPORT\nSTYLE=DEFAULTSTYLE\nRTFFILE=\n";
  std::string expected;
  for (int n = 1; n <= kLines; ++n) {
    text += "LINE" + std::to_string(n) + "=Line " + std::to_string(n) + "\n";
    expected += (n > 1 ? "\n" : "") + ("Line " + std::to_string(n));
  }
  Load("lines.qnf", text);
  EXPECT_EQ(Messages(), Texts{});
  zBxPrintReport();
  EXPECT_EQ(quiet_.Printer().JobsEnded(), 1);

  platform::RecordingPrinter& printer = RecordPages();
  zBxPrintReport();
  ASSERT_EQ(printer.Jobs.size(), 1u);
  const auto& calls = printer.Jobs[0].pages[0].Calls;
  const auto richText = std::find_if(calls.begin(), calls.end(), [](const auto& call) {
    return call.kind == platform::CanvasCall::Kind::FormatRichText;
  });
  ASSERT_NE(richText, calls.end());
  EXPECT_EQ(richText->text, expected);
}

}  // namespace
}  // namespace tessel_test
