#include "bench/measurement.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace bench {
namespace {

constexpr const char* kTag = "measured";

bool ValidKey(const std::string& key) {
  return !key.empty() && key.find_first_of("= \t\r\n") == std::string::npos;
}

std::optional<double> ParseNumber(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Counts read better as plain integers than in the shortest form ("1e+05");
// both come back as the same double.
std::string NumberText(double value) {
  char number[64];
  const bool whole = std::trunc(value) == value && std::fabs(value) < 1e15;
  const auto [end, error] = whole ? std::to_chars(number, number + sizeof number,
                                                  static_cast<long long>(value))
                                  : std::to_chars(number, number + sizeof number, value);
  return std::string(number, error == std::errc() ? end : number);
}

std::optional<Measurement> ParseLine(const std::string& line) {
  std::istringstream tokens(line);
  std::string token;
  tokens >> token;  // the tag
  Measurement measurement;
  while (tokens >> token) {
    const size_t equals = token.find('=');
    if (equals == std::string::npos) return std::nullopt;
    const std::string key = token.substr(0, equals);
    const auto value = ParseNumber(token.substr(equals + 1));
    if (!ValidKey(key) || !value || measurement.Has(key)) return std::nullopt;
    measurement.Set(key, *value);
  }
  return measurement;
}

}  // namespace

void Measurement::Set(const std::string& key, double value) {
  if (!ValidKey(key)) throw std::invalid_argument("bad measurement key \"" + key + "\"");
  values_[key] = value;
}

double Measurement::Get(const std::string& key) const {
  const auto found = values_.find(key);
  if (found == values_.end()) throw std::out_of_range("no measurement \"" + key + "\"");
  return found->second;
}

std::string Measurement::Line() const {
  std::string line = kTag;
  for (const auto& [key, value] : values_) line += " " + key + "=" + NumberText(value);
  return line;
}

std::optional<Measurement> Measurement::Find(const std::string& output) {
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind(std::string(kTag) + " ", 0) == 0 || line == kTag) return ParseLine(line);
  }
  return std::nullopt;
}

}  // namespace bench
