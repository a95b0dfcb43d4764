#pragma once
// The state of the host script generator: one for the program, reset at
// the start of every generation.
#include <cstdint>
#include <string>

namespace designer {

enum class TCodeDialect : uint8_t { AuthorwareUCD = 0, AuthorwareXtra = 1, DirectorLingo = 2 };

struct TScriptState {
  int ScriptLevel = 0;
  // The character code of the last loop variable used; the first is "i".
  int LoopLetter = 104;
  TCodeDialect Dialect = TCodeDialect::AuthorwareUCD;
  // The file last generated (Windows text); the code window reads it.
  std::string ScriptFilePath;
};

}  // namespace designer
