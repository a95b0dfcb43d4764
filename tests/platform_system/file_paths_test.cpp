#include "platform/system/file_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

std::string Backslashed(std::string text) {
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

TEST(FilePaths, NativePathTurnsBackslashesAndConvertsText) {
  EXPECT_EQ(platform::NativePath("C:\\Reports\\..\\IMAGES\\logo.bmp"), "C:/Reports/../IMAGES/logo.bmp");
  EXPECT_EQ(platform::NativePath("\\home\\a/r.qnf"), "/home/a/r.qnf");
  EXPECT_EQ(platform::NativePath("Caf\xE9\\x.qnf"), "Caf\xC3\xA9/x.qnf");
  EXPECT_EQ(platform::NativePath(""), "");
}

TEST(FilePaths, AbsoluteWindowsPathTakesRelativePathsFromTheCurrentFolder) {
  const std::string current = Backslashed(std::filesystem::current_path().string());
  EXPECT_EQ(platform::AbsoluteWindowsPath("sub/r.qnf"), current + "\\sub\\r.qnf");
  EXPECT_EQ(platform::AbsoluteWindowsPath("..\\r.qnf"), current + "\\..\\r.qnf");
  EXPECT_EQ(platform::AbsoluteWindowsPath("/home/a/r.qnf"), "\\home\\a\\r.qnf");
  EXPECT_EQ(platform::AbsoluteWindowsPath("\\home\\a\\r.qnf"), "\\home\\a\\r.qnf");
  EXPECT_EQ(platform::AbsoluteWindowsPath("C:\\Reports\\a.qnf"), "C:\\Reports\\a.qnf");
  EXPECT_EQ(platform::AbsoluteWindowsPath("C:/Reports/a.qnf"), "C:\\Reports\\a.qnf");
  EXPECT_EQ(platform::AbsoluteWindowsPath(""), "");
}

TEST(FilePaths, FileExistsOnlyForRegularFiles) {
  std::string pattern = (std::filesystem::temp_directory_path() / "tessel_paths_XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder = pattern;
  std::ofstream(folder / "r.qnf") << "[REPORT]\n";

  EXPECT_TRUE(platform::FileExists((folder / "r.qnf").string()));
  EXPECT_TRUE(platform::FileExists(Backslashed((folder / "r.qnf").string())));
  EXPECT_FALSE(platform::FileExists(folder.string()));
  EXPECT_FALSE(platform::FileExists((folder / "none.qnf").string()));
  EXPECT_FALSE(platform::FileExists(""));
  std::filesystem::remove_all(folder);
}

}  // namespace
