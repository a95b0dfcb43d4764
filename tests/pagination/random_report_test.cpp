// Random reports through the exports, printed on a recording printer: nested
// fixed, shape, title and repeat regions, MULTIPAGE on and off, ABSOLUTE
// bands, footers, record counts from none to many. Whatever the layout, each
// value the host set is drawn once, no two records' values share a spot,
// nothing is drawn beyond the sheet, and a message comes exactly when
// something was left out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "engine/page_layout.h"
#include "engine/zbx_qn.h"
#include "platform/drawing/drawn_text_size.h"
#include "platform/printing/recording_printer.h"
#include "platform/system/message_box.h"
#include "tests/pagination/printed_data.h"
#include "tests/template_reading/template_folder.h"

namespace {

using printed_data::Control;
using printed_data::Styles;

constexpr int kDevicePerUnit = 6;  // the recording printer's 600 pixels per inch
// The recording printer's Letter sheet in device pixels, measured from the
// printable area.
constexpr platform::TRect kSheet{-100, -120, 5000, 6480};

struct Value {
  int record = 0;
  int width = 0, height = 0;
};

// One generated report: its template text and the host's calls, played back.
class RandomReport {
 public:
  explicit RandomReport(uint32_t seed) : rng_(seed) {}

  std::string Template() {
    std::string reportKeys;
    if (Chance(0.25)) {
      // A band over the body's first record positions on every page.
      const std::string band = Key("FIXEDREGION", reportKeys);
      sections_ += Control(band, "Band", "REPORT", 0, Pick(5, 60), 800, 30, "ABSOLUTE=TRUE\n");
      std::string bandKeys;
      AddLabel("Band", 300, 5, bandKeys);
      sections_ += "[Band]\n" + bandKeys;
    }
    body_ = Container("Body", "REPORT", Chance(0.5) ? "FIXEDREGION" : "SHAPEREGION", 0,
                      Pick(0, 30), 800, Pick(850, 1000), 0, reportKeys);
    if (Chance(0.3)) {
      // A footer and the page number, on A4 or Legal paper perhaps below
      // the printer's Letter sheet.
      const int top = Pick(950, 1250);
      AddLabel("REPORT", 10, top, reportKeys);
      sections_ += Control(Key("VARIABLE", reportKeys), "PageNo", "REPORT", 600, top, 100, 20,
                           "VARTYPE=Page #\n");
    }
    const int paper = Pick(0, 5);
    return Styles(Chance(0.5) ? "10.0" : "10.5", paper == 4 ? "8.27" : "8.5",
                  paper == 4 ? "11.69" : paper == 5 ? "14" : "11.0") +
           "[REPORT]\n" + reportKeys + sections_;
  }

  // Enters everything through the exports.
  void Fill() { FillContainer(body_); }

  const std::map<std::string, Value>& Values() const { return values_; }

 private:
  struct Region {
    std::string name;
    std::string variable;  // empty when it holds no value of its own
    int varWidth = 150, varHeight = 20;
    bool repeat = false;
    int depth = 0;
    int height = 0;
    int varLeft = 10;
    std::vector<Region> inner;  // the repeat region or container it holds
  };

  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  std::string Key(const std::string& type, std::string& keys) {
    const std::string key = "RC" + std::to_string(++keyCount_);
    keys += key + "=" + type + "\n";
    return key;
  }
  void AddLabel(const std::string& parent, int left, int top, std::string& keys) {
    sections_ += Control(Key("LABEL", keys), "L" + std::to_string(keyCount_), parent, left, top,
                         150, 20, "TEXT=label" + std::to_string(keyCount_) + "\n");
  }
  std::string AddVariable(const std::string& parent, int left, int top, std::string& keys) {
    const std::string name = "V" + std::to_string(keyCount_ + 1);
    sections_ += Control(Key("VARIABLE", keys), name, parent, left, top, 150, 20,
                         "VARTYPE=string\n");
    return name;
  }

  // A fixed or shape region: an optional title, its own value, then a repeat
  // region or a further container, and an optional footer.
  Region Container(const std::string& name, const std::string& parent, const std::string& type,
                   int left, int top, int width, int height, int depth,
                   std::string& parentKeys) {
    const std::string more = type == "FIXEDREGION" && Chance(0.3) ? "ABSOLUTE=TRUE\n" : "";
    sections_ += Control(Key(type, parentKeys), name, parent, left, top, width, height, more);
    Region region{name, {}, 150, 20, false, depth, height, 10, {}};
    std::string keys;
    int y = 0;
    if (depth > 0 && Chance(0.35)) {
      const int titleHeight = Pick(20, 50);
      const std::string title = name + "T";
      sections_ += Control(Key("TITLEREGION", keys), title, name, 0, 0, width, titleHeight);
      std::string titleKeys;
      AddLabel(title, 10, 0, titleKeys);
      sections_ += "[" + title + "]\n" + titleKeys;
      y = titleHeight;
    }
    if (Chance(0.6)) {
      // Now and then near the paper's right edge, where a short text still
      // shows whole and a long one does not.
      region.varLeft = Chance(0.2) ? Pick(600, 720) : 10;
      region.variable = AddVariable(name, region.varLeft, y, keys);
      if (Chance(0.3)) AddLabel(name, 420, y, keys);
      y += 20 + Pick(0, 10);
    }
    const bool footer = Chance(0.3);
    const int room = height - y - (footer ? 30 : 0);
    if (depth < 3 && room >= 80) {
      if (Chance(0.75)) {
        region.inner.push_back(Repeat(name + "R", name, y, width, room, depth + 1, keys));
      } else {
        region.inner.push_back(Container(name + "C", name, Chance(0.5) ? "FIXEDREGION" : "SHAPEREGION",
                                         0, y, width, room, depth + 1, keys));
      }
    }
    if (footer) AddLabel(name, 10, height - 25, keys);
    sections_ += "[" + name + "]\n" + keys;
    return region;
  }

  // A repeat region within room: its value on top, optionally nested records
  // (or a container of records) below it.
  Region Repeat(const std::string& name, const std::string& parent, int top, int width, int room,
                int depth, std::string& parentKeys) {
    Region region{name, {}, 150, 20, true, depth, 0, 10, {}};
    std::string keys;
    region.variable = AddVariable(name, 10 + 10 * depth, 0, keys);
    int height = 20 + Pick(0, 30);
    const int nestedTop = 20 + Pick(0, 10);
    const int nestedRoom = std::min(room - nestedTop, 140);
    if (depth < 3 && nestedRoom >= 20 && Chance(0.5)) {
      if (nestedRoom >= 90 && Chance(0.2)) {
        const int inner = Pick(90, nestedRoom);
        region.inner.push_back(Container(name + "C", name, Chance(0.5) ? "FIXEDREGION" : "SHAPEREGION",
                                         0, nestedTop, width, inner, depth + 1, keys));
      } else {
        region.inner.push_back(
            Repeat(name + "R", name, nestedTop, width, nestedRoom, depth + 1, keys));
      }
      height = nestedTop + region.inner.back().height + Pick(0, 10);
    }
    region.height = std::min(height, room);
    sections_ += Control(Key("REPEATREGION", parentKeys), name, parent, 0, top, width,
                         region.height, Chance(0.5) ? "MULTIPAGE=TRUE\n" : "");
    sections_ += "[" + name + "]\n" + keys;
    return region;
  }

  int RecordCount(int depth) {
    static constexpr int kCounts[] = {0, 1, 2, 3, 5, 8, 15, 25, 40, 60};
    const int count = kCounts[Pick(0, depth <= 1 ? 9 : 8)];
    // Deep nesting multiplies; keep one report in the thousands of values.
    return valuesSet_ > 3000 ? std::min(count, 2) : count;
  }

  void SetValue(const Region& region) {
    if (region.variable.empty()) return;
    std::string text = "v" + std::to_string(values_.size() + 1);
    if (region.varLeft > 10 && Chance(0.2)) text += "-" + std::string(45, 'x');
    values_[text] = {records_, region.varWidth, region.varHeight};
    ++valuesSet_;
    zBxSetVariable(region.variable.c_str(), text.c_str());
  }

  void FillContainer(const Region& region) {
    zBxBeginRegion(region.name.c_str());
    ++records_;
    SetValue(region);
    FillInner(region);
    zBxEndRegion();
  }

  void FillInner(const Region& region) {
    for (const Region& inner : region.inner) {
      if (!inner.repeat) {
        FillContainer(inner);
        continue;
      }
      const int count = RecordCount(inner.depth);
      for (int i = 0; i < count; ++i) FillContainer(inner);
    }
  }

  std::mt19937 rng_;
  int keyCount_ = 0;
  std::string sections_;
  Region body_;
  std::map<std::string, Value> values_;
  int records_ = 0;
  int valuesSet_ = 0;
};

bool Overlap(const platform::TRect& a, const platform::TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// A text as far as its characters reach; a line, frame or shape its points.
bool OnSheet(const platform::CanvasCall& call) {
  platform::TRect drawn = call.rect;
  if (call.kind == platform::CanvasCall::Kind::TextOut) {
    const platform::TPoint size = platform::DrawnTextSize(call.font, call.text, 600);
    drawn.Right += size.X;
    drawn.Bottom += size.Y;
  }
  return drawn.Left >= kSheet.Left && drawn.Top >= kSheet.Top && drawn.Right <= kSheet.Right &&
         drawn.Bottom <= kSheet.Bottom;
}

// The rules one printed report broke, by name.
std::set<std::string> BrokenRules(const std::map<std::string, Value>& values,
                                  const platform::RecordingPrinter::Job& job,
                                  const std::vector<std::string>& messages) {
  std::set<std::string> broken;
  std::map<std::string, int> drawnCount;
  bool offSheet = false;
  for (const platform::RecordingCanvas& page : job.pages) {
    // Each value's spot: its box at the place it was drawn.
    std::vector<std::pair<int, platform::TRect>> spots;
    for (const platform::CanvasCall& call : page.Calls) {
      if (!OnSheet(call)) offSheet = true;
      const auto value = values.find(call.text);
      if (call.kind != platform::CanvasCall::Kind::TextOut || value == values.end()) continue;
      if (++drawnCount[call.text] > 1) broken.insert("drawn twice");
      const int x = call.rect.Left, y = call.rect.Top;
      const platform::TRect spot{x, y, x + value->second.width * kDevicePerUnit,
                                 y + value->second.height * kDevicePerUnit};
      for (const auto& [record, other] : spots) {
        if (record != value->second.record && Overlap(spot, other)) broken.insert("records share a spot");
      }
      spots.emplace_back(value->second.record, spot);
    }
  }
  const bool missing = drawnCount.size() < values.size();
  if (missing && messages.empty()) broken.insert("lost without a message");
  if (offSheet && messages.empty()) broken.insert("beyond the sheet without a message");
  if (!missing && !offSheet && !messages.empty()) broken.insert("message with nothing lost");
  return broken;
}

class RandomReports : public ::testing::Test {
 protected:
  void SetUp() override {
    engine::ClearErrorFlag();
    zBxFreeReport();
    engine::ClearErrorFlag();
    previous_ = platform::SetPrinter(&printer_);
  }
  void TearDown() override {
    engine::ClearErrorFlag();
    zBxFreeReport();
    engine::ClearErrorFlag();
    platform::SetPrinter(previous_);
  }

  tessel_test::TemplateFolder folder_;
  platform::ScopedMessageRecorder messages_;
  platform::RecordingPrinter printer_;
  platform::TPrinter* previous_ = nullptr;
};

TEST_F(RandomReports, EveryValueOnceInItsOwnSpotOrAMessageSaysWhatWasNot) {
  // TESSEL_REPORT_SEED=n replays one report and shows its template.
  const char* only = std::getenv("TESSEL_REPORT_SEED");
  const uint32_t first = only ? static_cast<uint32_t>(std::stoul(only)) : 1;
  const uint32_t last = only ? first : 400;
  std::map<std::string, std::vector<uint32_t>> failures;
  for (uint32_t seed = first; seed <= last; ++seed) {
    RandomReport report(seed);
    const std::string text = report.Template();
    const std::string path = folder_.Write("random.qnf", text);
    messages_.Clear();
    printer_.Jobs.clear();
    engine::ClearErrorFlag();
    zBxCreateReport(path.c_str());
    report.Fill();
    ASSERT_EQ(messages_.Texts(), std::vector<std::string>{}) << "seed " << seed;
    zBxPrintReport();
    ASSERT_EQ(printer_.Jobs.size(), 1u) << "seed " << seed;
    for (const std::string& rule : BrokenRules(report.Values(), printer_.Jobs[0], messages_.Texts())) {
      failures[rule].push_back(seed);
    }
    if (only) {
      std::cout << text;
      for (const std::string& message : messages_.Texts()) std::cout << message << "\n";
      for (size_t page = 0; page < engine::GetPages().size(); ++page) {
        for (const auto& placed : *engine::GetPages()[page]) {
          const platform::TRect& r = placed->rect;
          std::cout << "page " << page << " " << placed->entry->item->Name << " " << r.Left << ","
                    << r.Top << "," << r.Right << "," << r.Bottom << "\n";
        }
      }
    }
    zBxFreeReport();
  }
  std::ostringstream summary;
  for (const auto& [rule, seeds] : failures) {
    summary << rule << ": " << seeds.size() << " reports, seeds";
    for (size_t i = 0; i < seeds.size() && i < 8; ++i) summary << " " << seeds[i];
    summary << "\n";
  }
  EXPECT_TRUE(failures.empty()) << summary.str();
}

}  // namespace
