#include <gtest/gtest.h>

#include <string>

#include "host/script_error.h"
#include "host/script_parser.h"

namespace host {
namespace {

// Runs the parser and returns "line N: message" of the error it reports.
std::string ErrorOf(const std::string& text) {
  try {
    ParseScript(text);
  } catch (const ScriptError& error) {
    return "line " + std::to_string(error.Line()) + ": " + error.what();
  }
  return "no error";
}

std::string TermsOf(const Expression& expression) {
  std::string shown;
  for (const Term& term : expression.terms) {
    if (!shown.empty()) shown += " ^ ";
    switch (term.kind) {
      case Term::Kind::Text: shown += "'" + term.text + "'"; break;
      case Term::Kind::Number: shown += "#" + std::to_string(term.number); break;
      case Term::Kind::Variable: shown += "$" + term.text; break;
    }
  }
  return shown;
}

TEST(ScriptParser, ReadsTheGeneratedScriptWithItsPlaceholdersFilled) {
  const Script script = ParseScript(
      "zBxCreateReport(fileLocation^\"sales.qnf\")\r\n"
      "zBxBeginRegion(\"Region1\")\r\n"
      "     zBxSetVariable(\"VAR1\",\"North\")\r\n"
      "     repeat with i:=1 to 3\r\n"
      "     zBxBeginRegion(\"Region2\")\r\n"
      "          zBxSetVariable(\"VAR2\",i)\r\n"
      "     zBxEndRegion()\r\n"
      "     end Repeat\r\n"
      "zBxEndRegion()\r\n"
      "zBxPrintReport()\r\n"
      "zBxFreeReport()\r\n");
  ASSERT_EQ(script.statements.size(), 11u);

  const Statement& create = script.statements[0];
  EXPECT_EQ(create.kind, Statement::Kind::Call);
  EXPECT_EQ(create.line, 1);
  EXPECT_EQ(create.call.function, "zBxCreateReport");
  ASSERT_EQ(create.call.arguments.size(), 1u);
  EXPECT_EQ(TermsOf(create.call.arguments[0]), "$fileLocation ^ 'sales.qnf'");

  const Statement& loop = script.statements[3];
  EXPECT_EQ(loop.kind, Statement::Kind::RepeatBegin);
  EXPECT_EQ(loop.target, "i");
  EXPECT_EQ(TermsOf(loop.value), "#1");
  EXPECT_EQ(TermsOf(loop.last), "#3");
  EXPECT_EQ(loop.partner, 7u);
  EXPECT_EQ(script.statements[7].kind, Statement::Kind::RepeatEnd);
  EXPECT_EQ(script.statements[7].partner, 3u);
  EXPECT_EQ(script.statements[7].line, 8);

  EXPECT_EQ(TermsOf(script.statements[5].call.arguments[1]), "$i");
  EXPECT_TRUE(script.statements[6].call.arguments.empty());
  EXPECT_EQ(script.statements[10].call.function, "zBxFreeReport");
}

TEST(ScriptParser, TakesKeywordsInAnyCaseAndSkipsBlanksAndComments) {
  const Script script = ParseScript(
      "-- a whole-line comment\n"
      "\n"
      "\tREPEAT  WITH  k := -2  TO  n ^ 1   -- the bound is a concatenation\n"
      "x:=\"a -- not a comment\"^k^-7\n"
      "Result := zBxPrintReport( )\n"
      "End   repeat\n");
  ASSERT_EQ(script.statements.size(), 4u);
  EXPECT_EQ(script.statements[0].line, 3);
  EXPECT_EQ(script.statements[0].target, "k");
  EXPECT_EQ(TermsOf(script.statements[0].value), "#-2");
  EXPECT_EQ(TermsOf(script.statements[0].last), "$n ^ #1");
  EXPECT_EQ(script.statements[1].kind, Statement::Kind::Assign);
  EXPECT_EQ(TermsOf(script.statements[1].value), "'a -- not a comment' ^ $k ^ #-7");
  EXPECT_EQ(script.statements[2].kind, Statement::Kind::Call);
  EXPECT_EQ(script.statements[2].target, "Result");
  EXPECT_EQ(script.statements[2].call.function, "zBxPrintReport");
  EXPECT_EQ(script.statements[3].kind, Statement::Kind::RepeatEnd);
  EXPECT_EQ(script.statements[3].line, 6);
}

TEST(ScriptParser, TakesTheWholeIntegerRange) {
  const Script script = ParseScript("a:=-2147483648\nb:=2147483647\nc:=\"\"\n");
  EXPECT_EQ(script.statements[0].value.terms[0].number, INT32_MIN);
  EXPECT_EQ(script.statements[1].value.terms[0].number, INT32_MAX);
  EXPECT_EQ(TermsOf(script.statements[2].value), "''");
}

TEST(ScriptParser, NamesTheLineOfEverySyntaxError) {
  EXPECT_EQ(ErrorOf("zBxEndRegion()\nzBxBeginRegion(\"Region1)\n"),
            "line 2: syntax error: the string is not closed");
  EXPECT_EQ(ErrorOf("zBxEndRegion();\n"), "line 1: syntax error: unexpected \";\"");
  EXPECT_EQ(ErrorOf("\n\nzBxBeginRegion(\"a\"\n"),
            "line 3: syntax error: expected \",\" or \")\" but found the end of the line");
  EXPECT_EQ(ErrorOf("zBxFreeReport\n"),
            "line 1: syntax error: expected \":=\" or \"(\" but found the end of the line");
  EXPECT_EQ(ErrorOf("zBxEndRegion() zBxFreeReport()\n"),
            "line 1: syntax error: expected the end of the line but found \"zBxFreeReport\"");
  EXPECT_EQ(ErrorOf("x:=\"a\"^\n"),
            "line 1: syntax error: expected a string, a number or a variable but found the end "
            "of the line");
  EXPECT_EQ(ErrorOf("repeat i:=1 to 2\n"),
            "line 1: syntax error: expected \"with\" but found \"i\"");
  EXPECT_EQ(ErrorOf("repeat with i=1 to 2\n"), "line 1: syntax error: unexpected \"=\"");
  EXPECT_EQ(ErrorOf("repeat with i:=1 2\nend repeat\n"),
            "line 1: syntax error: expected \"to\" but found \"2\"");
  EXPECT_EQ(ErrorOf("end\n"), "line 1: syntax error: expected \"repeat\" but found the end of the line");
  EXPECT_EQ(ErrorOf("x:=\"\xE9\"\ny:=\x01\n"), "line 2: syntax error: unexpected byte 0x01");
  EXPECT_EQ(ErrorOf(std::string("x:=\"a\0b\"\n", 9)), "line 1: syntax error: a string holds a zero byte");
}

TEST(ScriptParser, PairsRepeatWithEndRepeat) {
  EXPECT_EQ(ErrorOf("zBxEndRegion()\nend Repeat\n"), "line 2: end Repeat without repeat");
  EXPECT_EQ(ErrorOf("repeat with i:=1 to 2\n  repeat with j:=1 to 2\n  end repeat\nx:=1\n"),
            "line 1: repeat without end Repeat");
  EXPECT_EQ(ErrorOf("repeat with i:=1 to 2\nend repeat\nend repeat\n"),
            "line 3: end Repeat without repeat");
}

TEST(ScriptParser, BoundsTheNestingOfLoops) {
  std::string nested;
  for (int depth = 0; depth < kMaxRepeatDepth; ++depth) nested += "repeat with i:=1 to 1\n";
  std::string closed = nested;
  for (int depth = 0; depth < kMaxRepeatDepth; ++depth) closed += "end repeat\n";
  EXPECT_EQ(ParseScript(closed).statements.size(), 2u * kMaxRepeatDepth);
  EXPECT_EQ(ErrorOf(nested + "repeat with i:=1 to 1\n"),
            "line 101: repeat loops nest deeper than 100 levels");
}

TEST(ScriptParser, RefusesNumbersOutOfRangeAndNamesThatCannotBeAssigned) {
  EXPECT_EQ(ErrorOf("x:=2147483648\n"), "line 1: the number 2147483648 is out of range");
  EXPECT_EQ(ErrorOf("x:=-2147483649\n"), "line 1: the number -2147483649 is out of range");
  EXPECT_EQ(ErrorOf("FILELOCATION:=\"/tmp/\"\n"),
            "line 1: the variable fileLocation cannot be assigned");
  EXPECT_EQ(ErrorOf("repeat with fileLocation:=1 to 2\nend repeat\n"),
            "line 1: the variable fileLocation cannot be assigned");
  EXPECT_EQ(ErrorOf("To:=1\n"), "line 1: the reserved word \"To\" cannot name a variable");
}

TEST(ScriptParser, SaysWhenAPlaceholderWasLeftUnfilled) {
  EXPECT_EQ(ErrorOf("zBxBeginRegion(\"Region1\")\n     zBxSetVariable(\"VAR1\",--value--)\n"),
            "line 2: the placeholder --value-- is not filled in");
  EXPECT_EQ(ErrorOf("     repeat with i:=1 to --loop count--\nend Repeat\n"),
            "line 1: the placeholder --loop count-- is not filled in");
}

}  // namespace
}  // namespace host
