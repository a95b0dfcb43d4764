#pragma once
// A recording canvas and a template of the test's own, drawn on through the
// same item drawing the pages use.
#include <gtest/gtest.h>

#include "engine/item_drawing.h"
#include "engine/job_pictures.h"
#include "platform/drawing/recording_canvas.h"
#include "tests/page_drawing_geometry/placed_items.h"

namespace drawing_test {

class DrawingFixture : public ::testing::Test {
 protected:
  engine::ItemDrawingContext Context(engine::DeviceTransform transform = {}) {
    return {canvas, transform, templateItems, pictures, nullptr, 100, 100, pageNumber, pageCount};
  }
  engine::ItemResult Draw(const engine::TPlacedItem& placed, engine::DeviceTransform transform = {}) {
    return engine::DrawPlacedItem(Context(transform), placed);
  }

  platform::RecordingCanvas canvas;
  TemplateList templateItems;
  engine::JobPictures pictures;
  int32_t pageNumber = 1;
  int32_t pageCount = 1;
};

}  // namespace drawing_test
