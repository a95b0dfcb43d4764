#include "designer/objects/word_tables.h"

#include <array>

namespace designer {
namespace {

constexpr std::array<std::string_view, 8> kTypeWords = {"string", "integer", "floatingPoint", "# Pages",
                                                         "Page #", "Date",    "Time",          "DateTime"};
// The order in which a word is looked for, as the designer tests them.
constexpr std::array<TVariableType, 8> kTypeSearchOrder = {
    TVariableType::StringVar, TVariableType::IntegerVar, TVariableType::FloatingPointVar,
    TVariableType::PageNumVar, TVariableType::NumPagesVar, TVariableType::DateVar,
    TVariableType::TimeVar,   TVariableType::DateTimeVar};

constexpr std::array<std::string_view, 8> kHighlightWords = {
    "lessThan", "greaterThan", "equals", "notEqual", "lessThanEquals", "greaterThanEquals",
    "masterHighlighted", "none"};

}  // namespace

std::string VariableTypeWord(TVariableType type) {
  const auto index = static_cast<std::size_t>(type);
  return index < kTypeWords.size() ? std::string(kTypeWords[index]) : std::string();
}

std::optional<TVariableType> VariableTypeOfWord(std::string_view word) {
  for (TVariableType type : kTypeSearchOrder)
    if (kTypeWords[static_cast<std::size_t>(type)] == word) return type;
  return std::nullopt;
}

std::string HighlightWord(hlType when) {
  const auto index = static_cast<std::size_t>(when);
  return index < kHighlightWords.size() ? std::string(kHighlightWords[index]) : std::string();
}

std::optional<hlType> HighlightOfWord(std::string_view word) {
  for (std::size_t i = 0; i < kHighlightWords.size(); ++i)
    if (kHighlightWords[i] == word) return static_cast<hlType>(i);
  return std::nullopt;
}

}  // namespace designer
