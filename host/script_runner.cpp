#include "host/script_runner.h"

#include <limits>
#include <map>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "host/script_checker.h"
#include "host/script_error.h"
#include "host/script_parser.h"
#include "platform/text/ansi_text.h"
#include "platform/text/win1252.h"

namespace host {
namespace {

using ScriptValue = std::variant<int32_t, std::string>;

std::string AsText(const ScriptValue& value) {
  if (const auto* number = std::get_if<int32_t>(&value)) return std::to_string(*number);
  return std::get<std::string>(value);
}

// Decimal text with an optional minus sign and nothing else, within 32 bits.
std::optional<int32_t> StrictInteger(std::string_view text) {
  std::size_t position = text.starts_with('-') ? 1 : 0;
  if (position == text.size()) return std::nullopt;
  int64_t magnitude = 0;
  for (; position < text.size(); ++position) {
    const char c = text[position];
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
  }
  const int64_t value = text.starts_with('-') ? -magnitude : magnitude;
  if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::string Shown(const CallArgument& argument) {
  if (const auto* number = std::get_if<int32_t>(&argument)) return std::to_string(*number);
  return "\"" + platform::Win1252ToUtf8(std::get<std::string>(argument)) + "\"";
}

struct LoopFrame {
  std::size_t begin;  // index of the repeat statement
  int32_t current;
  int32_t last;
};

class Execution {
 public:
  Execution(const Script& script, const HostDescriptions& descriptions, FunctionCaller& caller,
            std::ostream& report, const std::string& fileLocation)
      : script_(script), descriptions_(descriptions), caller_(caller), report_(report) {
    variables_[Key(kFileLocationVariable)] = fileLocation;
  }

  void Run() {
    std::size_t index = 0;
    int64_t statementsRun = 0;
    while (index < script_.statements.size()) {
      const Statement& statement = script_.statements[index];
      if (++statementsRun > kMaxStatementsRun) {
        throw ScriptError(statement.line, "the script runs more than " +
                                              std::to_string(kMaxStatementsRun) + " statements");
      }
      index = Step(index, statement);
    }
  }

 private:
  static std::string Key(std::string_view name) { return platform::LowerCase(name); }

  // Runs one statement; returns the index of the next.
  std::size_t Step(std::size_t index, const Statement& statement) {
    switch (statement.kind) {
      case Statement::Kind::Call: {
        const int32_t result = RunCall(statement);
        if (!statement.target.empty()) variables_[Key(statement.target)] = result;
        return index + 1;
      }
      case Statement::Kind::Assign:
        variables_[Key(statement.target)] = Evaluate(statement.value, statement.line);
        return index + 1;
      case Statement::Kind::RepeatBegin: return BeginLoop(index, statement);
      case Statement::Kind::RepeatEnd: return EndLoop(index);
    }
    return index + 1;
  }

  std::size_t BeginLoop(std::size_t index, const Statement& statement) {
    const int32_t first = Integer(Evaluate(statement.value, statement.line), statement.line,
                                  "the first value of the loop");
    const int32_t last = Integer(Evaluate(statement.last, statement.line), statement.line,
                                 "the last value of the loop");
    const int64_t count = int64_t{last} - first + 1;
    if (count <= 0) return statement.partner + 1;
    // Charged when the loop starts, so that an oversized loop runs not once.
    if (count > kMaxLoopIterations - iterations_) {
      throw ScriptError(statement.line, "the loops would run more than " +
                                            std::to_string(kMaxLoopIterations) + " times");
    }
    iterations_ += count;
    loops_.push_back(LoopFrame{index, first, last});
    variables_[Key(statement.target)] = first;
    return index + 1;
  }

  std::size_t EndLoop(std::size_t index) {
    if (loops_.empty()) return index + 1;  // the parser pairs every end with its repeat
    LoopFrame& loop = loops_.back();
    if (loop.current < loop.last) {
      ++loop.current;
      variables_[Key(script_.statements[loop.begin].target)] = loop.current;
      return loop.begin + 1;
    }
    loops_.pop_back();
    return index + 1;
  }

  int32_t RunCall(const Statement& statement) {
    const Call& call = statement.call;
    const FunctionDescription& function = *descriptions_.Find(call.function);
    std::vector<CallArgument> arguments;
    for (std::size_t i = 0; i < call.arguments.size(); ++i) {
      const ScriptValue value = Evaluate(call.arguments[i], statement.line);
      if (function.arguments[i] == 'S') {
        arguments.emplace_back(AsText(value));
      } else {
        arguments.emplace_back(Integer(value, statement.line,
                                       "argument " + std::to_string(i + 1) + " of " + function.name));
      }
    }
    const int32_t result = caller_.Call(function, arguments);

    std::string line = function.name + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      if (i > 0) line += ", ";
      line += Shown(arguments[i]);
    }
    report_ << line << ") = " << result << std::endl;
    return result;
  }

  ScriptValue Evaluate(const Expression& expression, int line) const {
    if (expression.terms.size() == 1) return Value(expression.terms.front(), line);
    std::string text;
    for (const Term& term : expression.terms) {
      text += AsText(Value(term, line));
      if (text.size() > kMaxTextLength) {
        throw ScriptError(line, "the text grows longer than " + std::to_string(kMaxTextLength) +
                                    " characters");
      }
    }
    return text;
  }

  ScriptValue Value(const Term& term, int line) const {
    switch (term.kind) {
      case Term::Kind::Text: return term.text;
      case Term::Kind::Number: return term.number;
      case Term::Kind::Variable: break;
    }
    const auto found = variables_.find(Key(term.text));
    if (found == variables_.end()) {
      throw ScriptError(line, "the variable \"" + term.text + "\" has no value");
    }
    return found->second;
  }

  static int32_t Integer(const ScriptValue& value, int line, const std::string& what) {
    if (const auto* number = std::get_if<int32_t>(&value)) return *number;
    const std::string& text = std::get<std::string>(value);
    if (const auto number = StrictInteger(text)) return *number;
    throw ScriptError(line, what + " is not an integer: \"" + platform::Win1252ToUtf8(text) + "\"");
  }

  const Script& script_;
  const HostDescriptions& descriptions_;
  FunctionCaller& caller_;
  std::ostream& report_;
  std::map<std::string, ScriptValue> variables_;  // by lower-cased name
  std::vector<LoopFrame> loops_;
  int64_t iterations_ = 0;
};

}  // namespace

ScriptRunner::ScriptRunner(const HostDescriptions& descriptions, FunctionCaller& caller,
                           std::ostream& report, std::string fileLocation)
    : descriptions_(descriptions),
      caller_(caller),
      report_(report),
      fileLocation_(std::move(fileLocation)) {}

void ScriptRunner::Run(const Script& script) {
  CheckCalls(script, descriptions_);
  Execution(script, descriptions_, caller_, report_, fileLocation_).Run();
}

}  // namespace host
