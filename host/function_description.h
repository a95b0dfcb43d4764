#pragma once
// One function as the library describes it to its host.
#include <string>

namespace host {

struct FunctionDescription {
  std::string name;        // the plain export name, as in the name list
  std::string result;      // the result type letter
  std::string arguments;   // one letter per argument ("S", "I", "L"), or "V" for none
  std::string prototype;   // the prototype text, possibly followed by free text

  // "V" stands for an empty argument list.
  std::size_t ArgumentCount() const { return arguments == "V" ? 0 : arguments.size(); }
};

}  // namespace host
