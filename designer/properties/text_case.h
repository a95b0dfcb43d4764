#pragma once
// The Caps commands' case rules: only the ASCII letters change.
#include <string>

namespace designer {

// Every character after a blank, and the first, in upper case; the others
// as they are ("two  words here" gives "Two  Words Here").
std::string InitialCaps(std::string text);

}  // namespace designer
