#include "designer/script/script_state.h"

#include <algorithm>

#include "designer/script/script_file_path.h"

namespace designer {
namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr int kBlanksPerLevel = 5;
constexpr int kLettersInAlphabet = 26;

// The letters in the order loops take them: "i" to "z", then "a" to "h".
char LoopLetterAt(int index) { return static_cast<char>('a' + (index + 8) % kLettersInAlphabet); }

// Names in the loops' order: the single letters, then two letters and so
// on, so that a name is free however deeply loops nest.
std::string LoopVariableAt(int index) {
  std::string name;
  for (int rest = index; rest >= 0; rest = rest / kLettersInAlphabet - 1)
    name.insert(name.begin(), LoopLetterAt(rest % kLettersInAlphabet));
  return name;
}

bool IsOpen(const std::vector<std::string>& openLoops, const std::string& name) {
  return std::find(openLoops.begin(), openLoops.end(), name) != openLoops.end();
}

// Up to "z" every loop takes the next letter and none is used twice. The
// character after "z" is no variable name in any host, so from then on a
// loop takes the first letter that no loop around it holds.
std::string NextLoopVariable(int& loopLetter, const std::vector<std::string>& openLoops) {
  ++loopLetter;
  if (loopLetter <= 'z') return std::string(1, static_cast<char>(loopLetter));
  for (int index = 0;; ++index) {
    std::string name = LoopVariableAt(index);
    if (!IsOpen(openLoops, name)) return name;
  }
}

std::string BeginRegionCall(TCodeDialect dialect, const std::string& name) {
  switch (dialect) {
    case TCodeDialect::AuthorwareUCD: return "zBxBeginRegion(\"" + name + "\")";
    case TCodeDialect::AuthorwareXtra: return "CallObject(object,\"zBxBeginRegion\",\"" + name + "\")";
    case TCodeDialect::DirectorLingo: return "zBxBeginRegion(object,\"" + name + "\")";
  }
  return {};
}

std::string EndRegionCall(TCodeDialect dialect) {
  switch (dialect) {
    case TCodeDialect::AuthorwareUCD: return "zBxEndRegion()";
    case TCodeDialect::AuthorwareXtra: return "CallObject(object,\"zBxEndRegion\")";
    case TCodeDialect::DirectorLingo: return "zBxEndRegion(object)";
  }
  return {};
}

std::string LoopHead(TCodeDialect dialect, const std::string& variable) {
  // Lingo assigns with "=", the Authorware dialects with ":=".
  const char* assign = dialect == TCodeDialect::DirectorLingo ? "=" : ":=";
  return "repeat with " + variable + assign + "1 to --loop count--";
}

}  // namespace

std::string TScriptState::ScriptIndent(int level) {
  if (level <= 0) return {};
  return std::string(static_cast<std::size_t>(level) * kBlanksPerLevel, ' ');
}

void TScriptState::ResetScriptState() {
  ScriptLevel = 0;
  LoopLetter = 104;
  OpenLoopVariables.clear();
  Text.clear();
}

std::string TScriptState::ScriptHeaderLines(const std::string& templatePath) const {
  const std::string file = TemplateFileName(templatePath);
  switch (Dialect) {
    case TCodeDialect::AuthorwareUCD: return "zBxCreateReport(fileLocation^\"" + file + "\")";
    case TCodeDialect::AuthorwareXtra:
      return std::string("object := NewObject(\"zBxTessel\")") + kLineBreak +
             "CallObject(object,\"zBxCreateReport\",fileLocation^\"" + file + "\")";
    case TCodeDialect::DirectorLingo:
      return std::string("set object = New(xtra \"zBxTessel\")") + kLineBreak +
             "zBxCreateReport(object, the pathname&\"" + file + "\")";
  }
  return {};
}

std::string TScriptState::BeginRegionLine(const std::string& name) {
  std::string line = ScriptIndent(ScriptLevel) + BeginRegionCall(Dialect, name);
  ++ScriptLevel;
  return line;
}

std::string TScriptState::BeginRepeatRegionLine(const std::string& name) {
  std::string variable = NextLoopVariable(LoopLetter, OpenLoopVariables);
  const std::string indent = ScriptIndent(ScriptLevel);
  std::string lines = indent + LoopHead(Dialect, variable) + kLineBreak + indent + BeginRegionCall(Dialect, name);
  OpenLoopVariables.push_back(std::move(variable));
  ++ScriptLevel;
  return lines;
}

std::string TScriptState::EndRegionLine() {
  --ScriptLevel;
  return ScriptIndent(ScriptLevel) + EndRegionCall(Dialect);
}

std::string TScriptState::EndRepeatRegionLine() {
  --ScriptLevel;
  if (!OpenLoopVariables.empty()) OpenLoopVariables.pop_back();
  const std::string indent = ScriptIndent(ScriptLevel);
  return indent + EndRegionCall(Dialect) + kLineBreak + indent + "end Repeat";
}

std::string TScriptState::SetVariableLine(const std::string& name) const {
  std::string call;
  switch (Dialect) {
    case TCodeDialect::AuthorwareUCD: call = "zBxSetVariable(\"" + name + "\",--value--)"; break;
    case TCodeDialect::AuthorwareXtra:
      call = "CallObject(object,\"zBxSetVariable\",\"" + name + "\",--value--)";
      break;
    case TCodeDialect::DirectorLingo: call = "zBxSetVariable(object,\"" + name + "\",--value--)"; break;
  }
  return ScriptIndent(ScriptLevel) + call;
}

std::string TScriptState::PrintReportLine() const {
  switch (Dialect) {
    case TCodeDialect::AuthorwareUCD: return "zBxPrintReport()";
    case TCodeDialect::AuthorwareXtra: return "CallObject(object,\"zBxPrintReport\")";
    case TCodeDialect::DirectorLingo: return "zBxPrintReport(object)";
  }
  return {};
}

std::string TScriptState::FreeReportLine() const {
  switch (Dialect) {
    case TCodeDialect::AuthorwareUCD: return "zBxFreeReport()";
    case TCodeDialect::AuthorwareXtra: return "CallObject(object,\"zBxFreeReport\")";
    case TCodeDialect::DirectorLingo: return "zBxFreeReport(object)";
  }
  return {};
}

void TScriptState::WriteLine(const std::string& line) {
  Text += line;
  Text += kLineBreak;
}

}  // namespace designer
