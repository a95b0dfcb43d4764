#include "host/script_checker.h"

#include <string>

#include "host/script_error.h"

namespace host {
namespace {

std::string Arguments(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " argument" : " arguments");
}

}  // namespace

void CheckCalls(const Script& script, const HostDescriptions& descriptions) {
  for (const Statement& statement : script.statements) {
    if (statement.kind != Statement::Kind::Call) continue;
    const Call& call = statement.call;
    const FunctionDescription* function = descriptions.Find(call.function);
    if (function == nullptr) {
      throw ScriptError(statement.line, "unknown function \"" + call.function + "\"");
    }
    if (call.arguments.size() != function->ArgumentCount()) {
      throw ScriptError(statement.line, function->name + " takes " +
                                            Arguments(function->ArgumentCount()) + ", not " +
                                            std::to_string(call.arguments.size()));
    }
  }
}

}  // namespace host
