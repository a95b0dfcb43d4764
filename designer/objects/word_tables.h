#pragma once
// The designer's enumerations and the words that stand for them in
// templates and scripts. Words compare with regard to case.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace designer {

enum class TVariableType : uint8_t {
  StringVar, IntegerVar, FloatingPointVar, NumPagesVar, PageNumVar, DateVar, TimeVar, DateTimeVar
};

enum class TRegionType : uint8_t { fixedRegion, repeatRegion, titleRegion };

// The designer numbers the highlight conditions its own way; only the words
// go into templates.
enum class hlType : uint8_t {
  lessThan, greaterThan, equals, notEqual, lessThanEquals, greaterThanEquals, masterHighlighted, none
};

// "string", "integer", "floatingPoint", "# Pages", "Page #", "Date",
// "Time", "DateTime".
std::string VariableTypeWord(TVariableType type);
std::optional<TVariableType> VariableTypeOfWord(std::string_view word);

// "lessThan" ... "none": the enumerators' names.
std::string HighlightWord(hlType when);
std::optional<hlType> HighlightOfWord(std::string_view word);

}  // namespace designer
