#pragma once
// Parses a host script: calls "name(args)", optionally as "var:=name(args)",
// assignments "var:=expression", "repeat with var:=a to b" ... "end Repeat"
// (keywords in any case), expressions of string literals, integers and
// variables joined by "^", and "--" comments. Parsing never recurses, and
// loops nest at most kMaxRepeatDepth deep.
#include <string_view>

#include "host/script.h"

namespace host {

inline constexpr int kMaxRepeatDepth = 100;

// The variable that holds the script's folder; scripts may not assign it.
inline constexpr std::string_view kFileLocationVariable = "fileLocation";

// Throws ScriptError naming the first faulty line.
Script ParseScript(std::string_view text);

}  // namespace host
