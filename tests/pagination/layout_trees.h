#pragma once
// Template and instance trees built in code, pages described as text, and a
// fixture that lays them out with every message recorded.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine_state.h"
#include "engine/page_layout.h"
#include "engine/report_model.h"
#include "engine/template_items.h"
#include "platform/drawing/geometry.h"
#include "platform/system/message_box.h"

namespace layout_test {

using engine::InstanceList;
using engine::rcDefItem;
using engine::TemplateList;
using engine::TInstancePair;
using engine::TPage;
using platform::TRect;

// LEFT, TOP, WIDTH, HEIGHT as a template holds them.
struct Box {
  int32_t left = 0, top = 0, width = 0, height = 0;
};

template <class Record>
rcDefItem& AddItem(TemplateList& list, std::string name, uint8_t kind, Record record) {
  auto item = std::make_unique<rcDefItem>();
  item->Name = std::move(name);
  item->ItemType = kind;
  item->Data = std::move(record);
  list.push_back(std::move(item));
  return *list.back();
}

template <class Record>
Record Boxed(const std::string& parent, Box box) {
  Record record;
  record.Left = box.left;
  record.Top = box.top;
  record.Width = box.width;
  record.Height = box.height;
  record.Parent = parent;
  return record;
}

inline rcDefItem& AddReportStyle(TemplateList& list, double placeLeft = 0.5, double placeTop = 0.5,
                                 double width = 8.0, double height = 10.5,
                                 bool landscape = false) {
  engine::rcReport report;
  report.PlaceLeft = placeLeft;
  report.PlaceTop = placeTop;
  report.ReportWidth = width;
  report.ReportHeight = height;
  report.Landscape = landscape;
  return AddItem(list, "Report Style", engine::kReportStyle, report);
}

inline rcDefItem& AddFixed(TemplateList& list, const std::string& name, const std::string& parent,
                           Box box, bool absolute = false) {
  auto record = Boxed<engine::rcFixedRegion>(parent, box);
  record.Flag = absolute;
  return AddItem(list, name, engine::kFixedRegion, std::move(record));
}

inline rcDefItem& AddRepeat(TemplateList& list, const std::string& name,
                            const std::string& parent, Box box, bool multiPage = true) {
  auto record = Boxed<engine::rcRepeatRegion>(parent, box);
  record.Flag = multiPage;
  return AddItem(list, name, engine::kRepeatRegion, std::move(record));
}

inline rcDefItem& AddTitle(TemplateList& list, const std::string& name, const std::string& parent,
                           Box box) {
  return AddItem(list, name, engine::kTitleRegion, Boxed<engine::rcTitleRegion>(parent, box));
}

inline rcDefItem& AddShape(TemplateList& list, const std::string& name, const std::string& parent,
                           Box box) {
  return AddItem(list, name, engine::kShapeRegion, Boxed<engine::rcShapeRegion>(parent, box));
}

inline rcDefItem& AddLabel(TemplateList& list, const std::string& name, const std::string& parent,
                           Box box) {
  return AddItem(list, name, engine::kLabel, Boxed<engine::rcLabel>(parent, box));
}

inline rcDefItem& AddVariable(TemplateList& list, const std::string& name,
                              const std::string& parent, Box box,
                              uint8_t varType = engine::kVarString) {
  auto record = Boxed<engine::rcVariable>(parent, box);
  record.VarType = varType;
  return AddItem(list, name, engine::kVariable, std::move(record));
}

inline rcDefItem& AddImage(TemplateList& list, const std::string& name, const std::string& parent,
                           Box box, bool dynamic) {
  auto record = Boxed<engine::rcGraphicRegion>(parent, box);
  record.Dynamic = dynamic;
  record.FileName = dynamic ? "DYNAMIC" : "logo.bmp";
  return AddItem(list, name, engine::kImageRegion, std::move(record));
}

inline TemplateList& Inside(rcDefItem& container) { return *engine::ChildrenOf(container); }

// An entered region, as BeginRegionInstance makes it.
inline TInstancePair& Enter(InstanceList& list, rcDefItem& region) {
  auto pair = std::make_unique<TInstancePair>();
  pair->item = &region;
  pair->region = std::make_unique<engine::TRegionInstance>();
  pair->region->rect = engine::GetItemRect(region);
  list.push_back(std::move(pair));
  return *list.back();
}

inline InstanceList& Inside(TInstancePair& instance) { return instance.region->children; }

inline TInstancePair& SetValue(TInstancePair& instance, rcDefItem& item, const std::string& text) {
  auto pair = std::make_unique<TInstancePair>();
  pair->item = &item;
  pair->value = std::make_unique<engine::rcVariableData>();
  pair->value->value = engine::Variant(text);
  Inside(instance).push_back(std::move(pair));
  return *Inside(instance).back();
}

inline std::string Describe(const TRect& r) {
  return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ", " +
         std::to_string(r.Right) + ", " + std::to_string(r.Bottom) + ")";
}

// One line per placed item: the name of its template item and its rect.
inline std::vector<std::string> Describe(const TPage& page) {
  std::vector<std::string> lines;
  for (const auto& placed : page) {
    lines.push_back(placed->entry->item->Name + " " + Describe(placed->rect));
  }
  return lines;
}

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { engine::ClearErrorFlag(); }
  void TearDown() override {
    // The pages point into this test's trees.
    engine::FreePageList();
    engine::ClearErrorFlag();
  }

  void Layout() { engine::LayoutReport(templates, instances); }
  size_t PageCount() const { return engine::GetPages().size() - 1; }
  std::vector<std::string> Page(size_t index) const {
    return Describe(*engine::GetPages().at(index));
  }
  std::vector<std::vector<std::string>> AllPages() const {
    std::vector<std::vector<std::string>> pages;
    for (const auto& page : engine::GetPages()) pages.push_back(Describe(*page));
    return pages;
  }

  TemplateList templates;
  InstanceList instances;
  platform::ScopedMessageRecorder messages;
};

}  // namespace layout_test
