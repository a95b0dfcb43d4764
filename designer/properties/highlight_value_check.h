#pragma once
// Whether the engine can read a highlight value for a variable of its type.
// The engine stops reading a template at a value it cannot convert, and
// then prints nothing at all, so the designer refuses such a value.
#include <optional>
#include <string>

#include "designer/objects/word_tables.h"

namespace designer {

// The message that refuses the value; nothing when the engine reads it.
// An empty value is read as 0 and so always taken.
std::optional<std::string> HighlightValueRefusal(TVariableType type, const std::string& value);

}  // namespace designer
