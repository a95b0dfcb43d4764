#pragma once
// Reads a template written by the test, in the order zBxCreateReport reads
// one, with every message recorded.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/template_reader.h"
#include "platform/system/file_paths.h"
#include "platform/system/locale_settings.h"
#include "platform/system/message_box.h"
#include "tests/template_reading/template_folder.h"

namespace engine {

class TemplateReading : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearErrorFlag();
    platform::SetDecimalSeparator('.');
  }
  void TearDown() override {
    FreeTemplate();
    ClearErrorFlag();
    platform::ResetLocaleSettings();
  }

  TemplateList& Load(std::string_view text) {
    const std::string path = folder_.Write("t.qnf", text);
    TemplateList& root = OpenTemplate(platform::AbsoluteWindowsPath(path));
    ReadTemplateSection(root, "STYLES");
    ReadTemplateSection(root, "RSTYLES");
    EnsureReportItem(root);
    ReadTemplateSection(root, "REPORT");
    return root;
  }

  // Loads a template whose [REPORT] holds one control of the given type
  // word, read from [RC1].
  TemplateList& LoadControl(std::string_view typeWord, std::string_view keys) {
    std::string text(tessel_test::kStylesAndReport);
    text += "[REPORT]\nRC1=" + std::string(typeWord) + "\n[RC1]\n" + std::string(keys);
    return Load(text);
  }

  const rcDefItem& Only(const TemplateList& root, uint8_t itemType) {
    const rcDefItem* found = nullptr;
    for (const auto& item : root) {
      if (item->ItemType == itemType) {
        EXPECT_EQ(found, nullptr) << "more than one item of kind " << int(itemType);
        found = item.get();
      }
    }
    if (found == nullptr) ADD_FAILURE() << "no item of kind " << int(itemType);
    static const rcDefItem kNone;
    return found != nullptr ? *found : kNone;
  }

  const std::vector<std::string>& Messages() const { return messages_.Texts(); }

  tessel_test::TemplateFolder folder_;
  platform::ScopedMessageRecorder messages_;
};

}  // namespace engine
