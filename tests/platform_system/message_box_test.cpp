#include "platform/system/message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/system/print_dialog.h"

namespace {

using Texts = std::vector<std::string>;

TEST(MessageBox, RecorderTakesTextsInOrderAndNestedRecordersRestore) {
  platform::ScopedMessageRecorder outer;
  platform::ShowErrorMessage("Tessel: first  ");
  {
    platform::ScopedMessageRecorder inner;
    platform::ShowErrorMessage("Tessel: Could not perform ZbxEndRegion.  ");
    platform::ShowErrorMessage("Caf\xE9");
    EXPECT_EQ(inner.Texts(), (Texts{"Tessel: Could not perform ZbxEndRegion.  ", "Caf\xE9"}));
  }
  platform::ShowErrorMessage("Tessel: last");
  EXPECT_EQ(outer.Texts(), (Texts{"Tessel: first  ", "Tessel: last"}));
  outer.Clear();
  EXPECT_TRUE(outer.Texts().empty());
}

TEST(MessageBox, PlainRecorderCanBeSetAndCleared) {
  Texts seen;
  platform::SetMessageRecorder([&seen](const std::string& text) { seen.push_back(text); });
  platform::ShowErrorMessage("one");
  platform::SetMessageRecorder({});
  testing::internal::CaptureStderr();
  platform::ShowErrorMessage("two");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(seen, (Texts{"one"}));
}

TEST(MessageBox, WithoutDisplayTheTextIsOneUtf8LineOnStandardError) {
  testing::internal::CaptureStderr();
  platform::ShowErrorMessage("Tessel: File not loaded: \"C:\\Caf\xE9.qnf\"  \r\nsecond\nthird");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Tessel: File not loaded: \"C:\\Caf\xC3\xA9.qnf\"    second third\n");
}

TEST(PrintDialog, HookAnswersAndHeadlessDefaultIsOk) {
  const platform::PrintSettings proposed{"Office", 2, true, {}};
  platform::PrintSettings settings = proposed;
  platform::SetPrintDialogAnswer([] { return false; });
  EXPECT_FALSE(platform::RunPrintDialog(settings));
  int asked = 0;
  platform::SetPrintDialogAnswer([&asked] { return ++asked > 0; });
  EXPECT_TRUE(platform::RunPrintDialog(settings));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(settings, proposed);

  platform::SetPrintDialogAnswer([](platform::PrintSettings& chosen) {
    EXPECT_EQ(chosen.printerName, "Office");
    chosen = {{}, 3, false, "/tmp/chosen.pdf"};
    return true;
  });
  EXPECT_TRUE(platform::RunPrintDialog(settings));
  EXPECT_EQ(settings, (platform::PrintSettings{{}, 3, false, "/tmp/chosen.pdf"}));

  platform::SetPrintDialogAnswer({});
  settings = proposed;
  EXPECT_TRUE(platform::RunPrintDialog(settings));
  EXPECT_EQ(settings, proposed);
}

}  // namespace
