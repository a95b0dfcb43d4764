#pragma once
// The figures one benchmark child sends back to its parent: a single line
// "measured key=value key=value ..." on standard output. Values are numbers
// written in their shortest exact form, so they come back unchanged.
#include <map>
#include <optional>
#include <string>

namespace bench {

class Measurement {
 public:
  void Set(const std::string& key, double value);
  // Throws std::out_of_range when the child did not send the key.
  double Get(const std::string& key) const;
  bool Has(const std::string& key) const { return values_.count(key) != 0; }

  // The line, without its line break.
  std::string Line() const;
  // The first "measured" line of a child's output. nullopt when there is
  // none, or when it holds a token that is not key=number, or a key twice.
  static std::optional<Measurement> Find(const std::string& output);

 private:
  std::map<std::string, double> values_;
};

}  // namespace bench
