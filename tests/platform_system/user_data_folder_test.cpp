#include "platform/system/user_data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace {

std::string Backslashed(std::string text) {
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

// Sets a variable for the test's lifetime (unset for nullopt), then puts the
// old value back: the other tests of the program read the same environment.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value->c_str(), 1);
    else unsetenv(name);
  }
  ~ScopedVariable() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class UserDataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessel_user_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::filesystem::path folder_;
};

TEST_F(UserDataFolderTest, UnderXdgDataHomeTheFolderIsMadeButNotTheFile) {
  const ScopedVariable data("XDG_DATA_HOME", (folder_ / "data").string());
  const ScopedVariable home("HOME", (folder_ / "home").string());
  EXPECT_EQ(platform::UserDataFilePath("tessel.ini"), Backslashed((folder_ / "data/tessel/tessel.ini").string()));
  EXPECT_TRUE(std::filesystem::is_directory(folder_ / "data/tessel"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "data/tessel/tessel.ini"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "home"));
  // A second call finds the folder there.
  EXPECT_EQ(platform::UserDataFilePath("recent.ini"), Backslashed((folder_ / "data/tessel/recent.ini").string()));
}

TEST_F(UserDataFolderTest, WithoutXdgDataHomeOrWithARelativeOneHomeDecides) {
  const ScopedVariable home("HOME", folder_.string());
  const std::string expected = Backslashed((folder_ / ".local/share/tessel/tessel.ini").string());
  {
    const ScopedVariable data("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(platform::UserDataFilePath("tessel.ini"), expected);
  }
  {
    const ScopedVariable data("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(platform::UserDataFilePath("tessel.ini"), expected);
  }
  {
    const ScopedVariable data("XDG_DATA_HOME", "");
    EXPECT_EQ(platform::UserDataFilePath("tessel.ini"), expected);
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder_ / ".local/share/tessel"));
  EXPECT_FALSE(std::filesystem::exists("relative"));
}

TEST_F(UserDataFolderTest, AFolderThatCannotBeMadeStillGivesThePath) {
  std::ofstream(folder_ / "plain").put('x');
  const ScopedVariable data("XDG_DATA_HOME", (folder_ / "plain/Данные Łódź").string());
  EXPECT_EQ(platform::UserDataFilePath("Café.ini"), Backslashed((folder_ / "plain/Данные Łódź/tessel/Café.ini").string()));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder_ / "plain"));
}

}  // namespace
