#include "bench/result_table.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace bench {
namespace {

std::string Padded(const std::string& cell, size_t width, bool leftAligned) {
  const std::string fill(width - std::min(width, cell.size()), ' ');
  return leftAligned ? cell + fill : fill + cell;
}

std::string TrimmedRight(std::string line) {
  line.erase(line.find_last_not_of(' ') + 1);
  return line;
}

}  // namespace

ResultTable::ResultTable(std::vector<std::string> headings) : headings_(std::move(headings)) {}

void ResultTable::AddRow(std::vector<std::string> cells) {
  if (cells.size() > headings_.size()) {
    throw std::invalid_argument("a table row with more cells than headings");
  }
  cells.resize(headings_.size());
  rows_.push_back(std::move(cells));
}

std::string ResultTable::Text() const {
  std::vector<size_t> widths;
  for (const std::string& heading : headings_) widths.push_back(heading.size());
  for (const auto& row : rows_) {
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  }
  auto lineOf = [&](const std::vector<std::string>& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) line += "  ";
      line += Padded(cells[i], widths[i], i == 0);
    }
    return TrimmedRight(line) + "\n";
  };
  std::string text = lineOf(headings_);
  std::vector<std::string> rule;
  for (size_t width : widths) rule.emplace_back(width, '-');
  text += lineOf(rule);
  for (const auto& row : rows_) text += lineOf(row);
  return text;
}

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace bench
