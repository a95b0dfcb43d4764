// The folder part of a browsed file, and reals as the page dialogs show
// and read them.
#include <gtest/gtest.h>

#include "designer/dialogs/dialog_numbers.h"
#include "designer/dialogs/folder_of_path.h"
#include "platform/system/locale_settings.h"

namespace tessel_test {
namespace {

TEST(FolderOfPath, KeepsTheRootsSeparatorOnly) {
  EXPECT_EQ(designer::FolderOfPath("C:\\Reports\\Pictures\\logo.bmp"), "C:\\Reports\\Pictures");
  EXPECT_EQ(designer::FolderOfPath("C:\\logo.bmp"), "C:\\");
  EXPECT_EQ(designer::FolderOfPath("\\home\\u\\logo.bmp"), "\\home\\u");
  EXPECT_EQ(designer::FolderOfPath("\\logo.bmp"), "\\");
  EXPECT_EQ(designer::FolderOfPath("\\\\server\\share\\logo.bmp"), "\\\\server\\share");
  EXPECT_EQ(designer::FolderOfPath("C:logo.bmp"), "C:");
  EXPECT_EQ(designer::FolderOfPath("logo.bmp"), "");
}

class RealFieldTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::ResetLocaleSettings(); }
};

TEST_F(RealFieldTest, ShownInGeneralFormatWithTheLocaleSeparator) {
  platform::SetDecimalSeparator('.');
  EXPECT_EQ(designer::RealFieldText(8.0), "8");
  EXPECT_EQ(designer::RealFieldText(8.27), "8.27");
  EXPECT_EQ(designer::RealFieldText(0.1 + 0.2), "0.3");
  platform::SetDecimalSeparator(',');
  EXPECT_EQ(designer::RealFieldText(11.69), "11,69");
}

TEST_F(RealFieldTest, ReadWithEitherSeparator) {
  platform::SetDecimalSeparator(',');
  EXPECT_EQ(designer::ReadRealField("8,5"), 8.5);
  EXPECT_EQ(designer::ReadRealField("8.5"), 8.5);
  // Only the first other separator stands in for the locale's.
  EXPECT_EQ(designer::ReadRealField("1.000.5"), std::nullopt);
  // Text with the locale's separator is read as it stands.
  EXPECT_EQ(designer::ReadRealField("1.5,5"), std::nullopt);
  platform::SetDecimalSeparator('.');
  EXPECT_EQ(designer::ReadRealField("8,25"), 8.25);
  EXPECT_EQ(designer::ReadRealField(" 7 "), 7);
  EXPECT_EQ(designer::ReadRealField(""), std::nullopt);
  EXPECT_EQ(designer::ReadRealField("1e2"), 100);
  EXPECT_EQ(designer::ReadRealField("eight"), std::nullopt);
}

}  // namespace
}  // namespace tessel_test
