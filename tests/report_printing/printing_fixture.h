#pragma once
// A recording printer in place of the real one and a page list built by hand:
// a static layer with a header, the page number and the page count, and as
// many pages as a test asks for, each with one body label.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "engine/page_drawing.h"
#include "engine/page_layout.h"
#include "platform/printing/recording_printer.h"
#include "tests/page_drawing_geometry/placed_items.h"

namespace printing_test {

using namespace drawing_test;

class PrintingFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    engine::ClearErrorFlag();
    previous_ = platform::SetPrinter(&printer);
    engine::InitPageList();
    engine::SelectTarget(engine::TargetKind::Printer, nullptr);
    header_ = &Add(items, "Header", engine::kLabel, Label("REPORT", "Header", &style_));
    pageNumber_ = &Add(items, "PageNo", engine::kVariable, Variable("REPORT", engine::kVarPageNumber, &style_));
    pageCount_ = &Add(items, "PageCount", engine::kVariable, Variable("REPORT", engine::kVarPageCount, &style_));
  }
  void TearDown() override {
    // The page list points into this test's items.
    engine::FreePageList();
    engine::SelectTarget(engine::TargetKind::Preview, nullptr);
    platform::SetPrinter(previous_);
    engine::ClearErrorFlag();
  }

  engine::TPage& AddPage() {
    engine::GetPages().push_back(std::make_unique<engine::TPage>());
    return *engine::GetPages().back();
  }
  void AddStaticLayer() {
    engine::TPage& layer = AddPage();
    layer.push_back(Placed(*header_, {50, 50, 300, 70}));
    layer.push_back(Placed(*pageNumber_, {50, 1000, 100, 1020}));
    layer.push_back(Placed(*pageCount_, {150, 1000, 200, 1020}));
  }
  engine::TPage& AddBodyPage(const std::string& text) {
    rcDefItem& body = Add(items, "Body" + text, engine::kLabel, Label("REPORT", text, &style_));
    engine::TPage& page = AddPage();
    page.push_back(Placed(body, {60, 100, 300, 120}));
    return page;
  }
  // Static layer and pages "Body 1" .. "Body n".
  void BuildReport(int pages) {
    AddStaticLayer();
    for (int i = 1; i <= pages; ++i) AddBodyPage("Body " + std::to_string(i));
  }

  static std::vector<std::string> PageTexts(const platform::RecordingCanvas& page) { return TextsOf(page.Calls); }

  platform::RecordingPrinter printer;
  TemplateList items;

 private:
  platform::TPrinter* previous_ = nullptr;
  const engine::rcStyle style_ = Style("Body", "Arial", 10);
  rcDefItem* header_ = nullptr;
  rcDefItem* pageNumber_ = nullptr;
  rcDefItem* pageCount_ = nullptr;
};

}  // namespace printing_test
