#pragma once
// The state of the host script generator: one for the program, reset at
// the start of every generation. The line builders give the script's lines
// in the dialect chosen and keep the nesting level and the loop letters;
// the script is built here whole and written out in one piece at the end.
#include <cstdint>
#include <string>
#include <vector>

namespace designer {

enum class TCodeDialect : uint8_t { AuthorwareUCD = 0, AuthorwareXtra = 1, DirectorLingo = 2 };

struct TScriptState {
  int ScriptLevel = 0;
  // The character code of the last loop variable used; the first is "i".
  int LoopLetter = 104;
  TCodeDialect Dialect = TCodeDialect::AuthorwareUCD;
  // The file last generated (Windows text); the code window reads it.
  std::string ScriptFilePath;
  // The variables of the loops open at this point, outermost first.
  std::vector<std::string> OpenLoopVariables;
  // The script so far, every line ended by CR LF.
  std::string Text;

  // Five blanks a level; nothing at level 0 or below.
  static std::string ScriptIndent(int level);
  // Level 0, loop letter before "i", no open loop, no text; the dialect
  // stays as set.
  void ResetScriptState();

  // Each builder gives one line, or two joined by CR LF; none adds to Text.
  std::string ScriptHeaderLines(const std::string& templatePath) const;
  std::string BeginRegionLine(const std::string& name);
  std::string BeginRepeatRegionLine(const std::string& name);
  std::string EndRegionLine();
  std::string EndRepeatRegionLine();
  std::string SetVariableLine(const std::string& name) const;
  std::string PrintReportLine() const;
  std::string FreeReportLine() const;

  // Adds the line and its CR LF to Text.
  void WriteLine(const std::string& line);
};

}  // namespace designer
