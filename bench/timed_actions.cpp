#include "bench/timed_actions.h"

#include <QApplication>

#include "bench/result_table.h"
#include "bench/stopwatch.h"

namespace bench {

double TimeAction(const std::function<void()>& action) {
  Stopwatch clock;
  action();
  QApplication::processEvents();
  return clock.Milliseconds();
}

std::string Verdict(const TimedAction& row) {
  if (row.limitMs <= 0) return "";
  if (row.samples.Max() < row.limitMs) return "met";
  return row.samples.Median() < row.limitMs ? "median met" : "MISSED";
}

std::string TimedActionTable(const std::vector<const TimedAction*>& rows, int decimals) {
  ResultTable table({"action", "count", "median ms", "max ms", "limit ms", ""});
  for (const TimedAction* row : rows) {
    table.AddRow({row->action, std::to_string(row->samples.Count()), Fixed(row->samples.Median(), decimals),
                  Fixed(row->samples.Max(), decimals), row->limitMs > 0 ? "< " + Fixed(row->limitMs, 0) : "",
                  Verdict(*row)});
  }
  return table.Text();
}

}  // namespace bench
