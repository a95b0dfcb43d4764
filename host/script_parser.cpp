#include "host/script_parser.h"

#include <cctype>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "host/script_error.h"
#include "platform/text/ansi_text.h"

namespace host {
namespace {

constexpr std::string_view kUnfilledPlaceholders[] = {"--value--", "--loop count--"};
constexpr std::string_view kReservedWords[] = {"repeat", "with", "to", "end"};

struct Token {
  enum class Kind { Identifier, Number, Text, Assign, Caret, LeftParen, RightParen, Comma, End };
  Kind kind = Kind::End;
  std::string text;
  int32_t number = 0;
};

struct TokenizedLine {
  std::vector<Token> tokens;  // always ends with an End token
  std::string_view comment;   // from the "--" on, empty when there is none
};

bool IsIdentifierStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}
bool IsIdentifierPart(char c) {
  return IsIdentifierStart(c) || std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string DescribeCharacter(char c) {
  if (std::isprint(static_cast<unsigned char>(c)) != 0) return "\"" + std::string(1, c) + "\"";
  char hex[16];
  std::snprintf(hex, sizeof hex, "byte 0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
  return hex;
}

int32_t ReadNumber(std::string_view line, std::size_t& position, bool negative, int lineNumber) {
  const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                 : std::numeric_limits<int32_t>::max();
  const std::size_t start = position;
  int64_t magnitude = 0;
  while (position < line.size() && IsDigit(line[position])) {
    magnitude = magnitude * 10 + (line[position] - '0');
    if (magnitude > limit) {
      while (position < line.size() && IsDigit(line[position])) ++position;
      throw ScriptError(lineNumber, "the number " + std::string(negative ? "-" : "") +
                                        std::string(line.substr(start, position - start)) +
                                        " is out of range");
    }
    ++position;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

TokenizedLine Tokenize(std::string_view line, int lineNumber) {
  TokenizedLine result;
  std::size_t position = 0;
  auto add = [&](Token::Kind kind, std::string text = {}, int32_t number = 0) {
    result.tokens.push_back(Token{kind, std::move(text), number});
  };
  while (position < line.size()) {
    const char c = line[position];
    if (IsBlank(c)) {
      ++position;
    } else if (c == '-' && position + 1 < line.size() && line[position + 1] == '-') {
      result.comment = line.substr(position);
      break;
    } else if (c == '-' && position + 1 < line.size() && IsDigit(line[position + 1])) {
      ++position;
      const int32_t value = ReadNumber(line, position, true, lineNumber);
      add(Token::Kind::Number, std::to_string(value), value);
    } else if (IsDigit(c)) {
      const int32_t value = ReadNumber(line, position, false, lineNumber);
      add(Token::Kind::Number, std::to_string(value), value);
    } else if (IsIdentifierStart(c)) {
      const std::size_t start = position;
      while (position < line.size() && IsIdentifierPart(line[position])) ++position;
      add(Token::Kind::Identifier, std::string(line.substr(start, position - start)));
    } else if (c == '"') {
      const std::size_t close = line.find('"', position + 1);
      if (close == std::string_view::npos) {
        throw ScriptError(lineNumber, "syntax error: the string is not closed");
      }
      std::string text(line.substr(position + 1, close - position - 1));
      // The engine takes zero-terminated text; a zero byte would cut it silently.
      if (text.find('\0') != std::string::npos) {
        throw ScriptError(lineNumber, "syntax error: a string holds a zero byte");
      }
      add(Token::Kind::Text, std::move(text));
      position = close + 1;
    } else if (c == ':' && position + 1 < line.size() && line[position + 1] == '=') {
      add(Token::Kind::Assign, ":=");
      position += 2;
    } else if (c == '^') {
      add(Token::Kind::Caret, "^");
      ++position;
    } else if (c == '(') {
      add(Token::Kind::LeftParen, "(");
      ++position;
    } else if (c == ')') {
      add(Token::Kind::RightParen, ")");
      ++position;
    } else if (c == ',') {
      add(Token::Kind::Comma, ",");
      ++position;
    } else {
      throw ScriptError(lineNumber, "syntax error: unexpected " + DescribeCharacter(c));
    }
  }
  add(Token::Kind::End);
  return result;
}

bool IsReservedWord(std::string_view name) {
  for (std::string_view word : kReservedWords) {
    if (platform::SameText(word, name)) return true;
  }
  return false;
}

// One line's tokens turned into one statement.
class LineParser {
 public:
  LineParser(const std::vector<Token>& tokens, int line) : tokens_(tokens), line_(line) {}

  bool Empty() const { return tokens_.front().kind == Token::Kind::End; }

  Statement Parse() {
    Statement statement;
    statement.line = line_;
    const Token& first = Expect(Token::Kind::Identifier, "a statement");
    if (platform::SameText(first.text, "repeat")) {
      ExpectWord("with");
      statement.kind = Statement::Kind::RepeatBegin;
      statement.target = VariableName(Expect(Token::Kind::Identifier, "the loop variable").text);
      Expect(Token::Kind::Assign, "\":=\"");
      statement.value = ParseExpression();
      ExpectWord("to");
      statement.last = ParseExpression();
    } else if (platform::SameText(first.text, "end")) {
      ExpectWord("repeat");
      statement.kind = Statement::Kind::RepeatEnd;
    } else if (Peek().kind == Token::Kind::Assign) {
      Next();
      statement.target = VariableName(first.text);
      if (Peek().kind == Token::Kind::Identifier && Peek(1).kind == Token::Kind::LeftParen) {
        statement.kind = Statement::Kind::Call;
        statement.call = ParseCall(Next().text);
      } else {
        statement.kind = Statement::Kind::Assign;
        statement.value = ParseExpression();
      }
    } else if (Peek().kind == Token::Kind::LeftParen) {
      statement.kind = Statement::Kind::Call;
      statement.call = ParseCall(first.text);
    } else {
      throw Unexpected("\":=\" or \"(\"");
    }
    Expect(Token::Kind::End, "the end of the line");
    return statement;
  }

 private:
  const Token& Peek(std::size_t ahead = 0) const {
    const std::size_t index = position_ + ahead;
    return index < tokens_.size() ? tokens_[index] : tokens_.back();
  }
  const Token& Next() {
    const Token& token = Peek();
    if (position_ + 1 < tokens_.size()) ++position_;
    return token;
  }

  ScriptError Unexpected(const std::string& expected) const {
    const Token& found = Peek();
    std::string description;
    switch (found.kind) {
      case Token::Kind::End: description = "the end of the line"; break;
      case Token::Kind::Text: description = "the string \"" + found.text + "\""; break;
      default: description = "\"" + found.text + "\""; break;
    }
    return ScriptError(line_, "syntax error: expected " + expected + " but found " + description);
  }

  const Token& Expect(Token::Kind kind, const std::string& what) {
    if (Peek().kind != kind) throw Unexpected(what);
    return Next();
  }

  void ExpectWord(std::string_view word) {
    if (Peek().kind != Token::Kind::Identifier || !platform::SameText(Peek().text, word)) {
      throw Unexpected("\"" + std::string(word) + "\"");
    }
    Next();
  }

  std::string VariableName(const std::string& name) const {
    if (IsReservedWord(name)) {
      throw ScriptError(line_, "the reserved word \"" + name + "\" cannot name a variable");
    }
    if (platform::SameText(name, kFileLocationVariable)) {
      throw ScriptError(line_, "the variable " + std::string(kFileLocationVariable) +
                                   " cannot be assigned");
    }
    return name;
  }

  Term ParseTerm() {
    const Token& token = Peek();
    switch (token.kind) {
      case Token::Kind::Text: Next(); return Term{Term::Kind::Text, token.text, 0};
      case Token::Kind::Number: Next(); return Term{Term::Kind::Number, token.text, token.number};
      case Token::Kind::Identifier:
        if (!IsReservedWord(token.text)) {
          Next();
          return Term{Term::Kind::Variable, token.text, 0};
        }
        break;
      default: break;
    }
    throw Unexpected("a string, a number or a variable");
  }

  Expression ParseExpression() {
    Expression expression;
    expression.terms.push_back(ParseTerm());
    while (Peek().kind == Token::Kind::Caret) {
      Next();
      expression.terms.push_back(ParseTerm());
    }
    return expression;
  }

  Call ParseCall(const std::string& function) {
    Call call;
    call.function = function;
    Expect(Token::Kind::LeftParen, "\"(\"");
    if (Peek().kind != Token::Kind::RightParen) {
      call.arguments.push_back(ParseExpression());
      while (Peek().kind == Token::Kind::Comma) {
        Next();
        call.arguments.push_back(ParseExpression());
      }
    }
    Expect(Token::Kind::RightParen, "\",\" or \")\"");
    return call;
  }

  const std::vector<Token>& tokens_;
  int line_;
  std::size_t position_ = 0;
};

// Generated scripts leave these for the author to fill; a run that meets one
// says so rather than reporting the syntax it breaks.
void ReportUnfilledPlaceholder(std::string_view comment, int line) {
  for (std::string_view placeholder : kUnfilledPlaceholders) {
    if (comment.starts_with(placeholder)) {
      throw ScriptError(line, "the placeholder " + std::string(placeholder) + " is not filled in");
    }
  }
}

}  // namespace

Script ParseScript(std::string_view text) {
  Script script;
  std::vector<std::size_t> openRepeats;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;

    const TokenizedLine tokenized = Tokenize(line, lineNumber);
    LineParser parser(tokenized.tokens, lineNumber);
    if (parser.Empty()) continue;
    Statement statement;
    try {
      statement = parser.Parse();
    } catch (const ScriptError&) {
      ReportUnfilledPlaceholder(tokenized.comment, lineNumber);
      throw;
    }

    const std::size_t index = script.statements.size();
    if (statement.kind == Statement::Kind::RepeatBegin) {
      if (static_cast<int>(openRepeats.size()) >= kMaxRepeatDepth) {
        throw ScriptError(lineNumber, "repeat loops nest deeper than " +
                                          std::to_string(kMaxRepeatDepth) + " levels");
      }
      openRepeats.push_back(index);
    } else if (statement.kind == Statement::Kind::RepeatEnd) {
      if (openRepeats.empty()) throw ScriptError(lineNumber, "end Repeat without repeat");
      statement.partner = openRepeats.back();
      script.statements[openRepeats.back()].partner = index;
      openRepeats.pop_back();
    }
    script.statements.push_back(std::move(statement));
  }
  if (!openRepeats.empty()) {
    throw ScriptError(script.statements[openRepeats.back()].line, "repeat without end Repeat");
  }
  return script;
}

}  // namespace host
