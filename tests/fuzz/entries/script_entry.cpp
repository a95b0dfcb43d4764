// A host script through the host stand-in: parsed, its calls checked against
// the thirteen described functions, and run against a stand-in engine that
// answers every call with 0. Any fault must end in a ScriptError that names a
// line of the script.
#include <algorithm>
#include <ostream>
#include <string_view>
#include <vector>

#include "host/function_caller.h"
#include "host/host_descriptions.h"
#include "host/host_descriptions_reader.h"
#include "host/script_checker.h"
#include "host/script_error.h"
#include "host/script_parser.h"
#include "host/script_runner.h"
#include "tests/fuzz/entries/fuzz_entries.h"
#include "tests/fuzz/entries/invariant.h"

namespace tessel_fuzz::script {
namespace {

class AnsweringEngine : public host::FunctionCaller {
 public:
  int32_t Call(const host::FunctionDescription& function,
               const std::vector<host::CallArgument>& arguments) override {
    CheckInvariant(arguments.size() == function.ArgumentCount(),
                   "a call reaches the engine with the described arguments");
    return 0;
  }
};

}  // namespace

int FuzzOne(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
  const host::HostDescriptions descriptions(host::RequiredFunctions());
  try {
    const host::Script script = host::ParseScript(text);
    host::CheckCalls(script, descriptions);
    AnsweringEngine engine;
    std::ostream discarded(nullptr);
    host::ScriptRunner runner(descriptions, engine, discarded, "/scripts/");
    runner.Run(script);
  } catch (const host::ScriptError& error) {
    CheckInvariant(error.Line() >= 1 && error.Line() <= lines,
                   "a script error names a line of the script");
    CheckInvariant(std::string_view(error.what()).size() > 0, "a script error says what is wrong");
  }
  return 0;
}

}  // namespace tessel_fuzz::script
