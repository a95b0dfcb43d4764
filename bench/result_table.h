#pragma once
// A plain text table for the benchmark reports: the first column left
// aligned, the others right aligned, two blanks between columns and a rule
// under the headings.
#include <string>
#include <vector>

namespace bench {

class ResultTable {
 public:
  explicit ResultTable(std::vector<std::string> headings);

  // Short rows are padded with empty cells; extra cells are an error
  // (std::invalid_argument).
  void AddRow(std::vector<std::string> cells);
  std::string Text() const;

 private:
  std::vector<std::string> headings_;
  std::vector<std::vector<std::string>> rows_;
};

// value with that many decimals ("12.35" for 12.345, 2).
std::string Fixed(double value, int decimals);

}  // namespace bench
