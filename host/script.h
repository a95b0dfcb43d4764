#pragma once
// A parsed host script in the Authorware user-code dialect: one statement per
// line, repeat loops as paired statements so that nothing nests in memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct Term {
  enum class Kind { Text, Number, Variable };
  Kind kind = Kind::Text;
  std::string text;    // the literal's text, or the variable's name as written
  int32_t number = 0;  // the literal's value
};

// Terms joined by "^"; a single term keeps its own kind.
struct Expression {
  std::vector<Term> terms;
};

struct Call {
  std::string function;  // as written; the descriptions match it without case
  std::vector<Expression> arguments;
};

struct Statement {
  enum class Kind { Call, Assign, RepeatBegin, RepeatEnd };
  Kind kind = Kind::Call;
  int line = 0;
  // Call: the variable that takes the result, or empty; Assign: the variable;
  // RepeatBegin: the loop variable.
  std::string target;
  Call call;         // Call
  Expression value;  // Assign; RepeatBegin: the first value
  Expression last;   // RepeatBegin: the last value
  std::size_t partner = 0;  // RepeatBegin: index of its end; RepeatEnd: of its begin
};

struct Script {
  std::vector<Statement> statements;
};

}  // namespace host
