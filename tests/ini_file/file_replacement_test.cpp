// Which files a whole-file write may replace: a template saved through
// UpdateFile, an INI file written key by key, and the two platform calls
// under them. A refused write reports failure and leaves the file, its
// permissions and its folder exactly as they were.
#include "platform/ini/file_replacement.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ini_fixture.h"
#include "platform/ini/ini_file.h"

namespace {

namespace fs = std::filesystem;
using platform::TIniFile;
using Names = std::vector<std::string>;

constexpr char kOldFile[] = "[OLD]\r\nKEEP=me\r\n";
// The user nobody has no right to anything a test makes.
constexpr uid_t kNobody = 65534;

Names FolderListing(const fs::path& folder) {
  Names names;
  for (const auto& item : fs::directory_iterator(folder)) names.push_back(item.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Both ways of writing a file whole, through the INI file that uses them.
bool SavedWhole(const std::string& path) {
  TIniFile ini(path, TIniFile::NewInMemory{});
  ini.WriteString("NEW", "K", "v");
  return ini.UpdateFile();
}
bool WrittenKeyByKey(const std::string& path) {
  TIniFile ini(path);
  const bool written = ini.WriteString("NEW", "K", "v");
  EXPECT_EQ(ini.ReadString("NEW", "K", ""), "v") << "the value stays in memory";
  return written;
}

// Fault mended: a file without any write permission bit was replaced by
// the rename of a save, and overwritten by root key by key.
TEST_F(IniFileTest, AFileWithoutAnyWriteBitIsNeverReplaced) {
  for (const mode_t mode : {0444, 0400, 0000, 0555}) {
    const std::string path = WriteFile("t.qnf", kOldFile);
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    EXPECT_FALSE(platform::MayReplaceFile(path)) << std::oct << mode;
    EXPECT_FALSE(SavedWhole(path)) << std::oct << mode;
    EXPECT_FALSE(WrittenKeyByKey(path)) << std::oct << mode;
    EXPECT_FALSE(platform::ReplaceFileContents(path, "x"));
    EXPECT_FALSE(platform::OverwriteFileContents(path, "x"));
    EXPECT_EQ(ModeOf(path), mode);
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    EXPECT_EQ(ReadFile(path), kOldFile) << std::oct << mode;
    EXPECT_EQ(FolderListing(folder_), (Names{"t.qnf"}));
    fs::remove(path);
  }
  // One write bit is enough; a missing name may be made.
  const std::string path = WriteFile("t.qnf", kOldFile);
  ASSERT_EQ(chmod(path.c_str(), 0644), 0);
  EXPECT_TRUE(platform::MayReplaceFile(path));
  EXPECT_TRUE(SavedWhole(path));
  EXPECT_EQ(ModeOf(path), 0644u);
  EXPECT_TRUE(platform::MayReplaceFile(PathOf("new.qnf")));
  EXPECT_TRUE(WrittenKeyByKey(PathOf("new.qnf")));
}

// Reached through a link, the file the link names decides.
TEST_F(IniFileTest, AReadOnlyFileBehindALinkIsNeverReplaced) {
  const std::string path = WriteFile("t.qnf", kOldFile);
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  fs::create_symlink(path, PathOf("link.qnf"));
  EXPECT_FALSE(SavedWhole(PathOf("link.qnf")));
  EXPECT_FALSE(WrittenKeyByKey(PathOf("link.qnf")));
  EXPECT_TRUE(fs::is_symlink(PathOf("link.qnf")));
  EXPECT_EQ(ReadFile(path), kOldFile);
  EXPECT_EQ(FolderListing(folder_), (Names{"link.qnf", "t.qnf"}));
}

// Fault mended: a save under the name of a pipe put a file in its place.
TEST_F(IniFileTest, APipeIsNeitherReplacedNorWritten) {
  const std::string path = PathOf("pipe.qnf");
  ASSERT_EQ(mkfifo(path.c_str(), 0666), 0);
  EXPECT_FALSE(platform::MayReplaceFile(path));
  EXPECT_FALSE(SavedWhole(path));
  EXPECT_FALSE(WrittenKeyByKey(path));
  EXPECT_TRUE(fs::is_fifo(path));
  EXPECT_EQ(FolderListing(folder_), (Names{"pipe.qnf"}));
}

// Exit codes of the child below.
enum ChildOutcome { kRefused = 0, kReplaced = 1, kOverwritten = 2, kCannotActAsNobody = 3, kFolderClosed = 4 };

// Fault mended: a file of another user, which this user may not write, was
// replaced when its folder let this user rename files.
TEST_F(IniFileTest, AFileThisUserMayNotWriteIsNeverReplaced) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  ASSERT_EQ(chmod(folder_.c_str(), 0755), 0);
  fs::create_directory(PathOf("shared"));
  ASSERT_EQ(chmod(PathOf("shared").c_str(), 0777), 0);
  const std::string path = WriteFile("shared/t.qnf", kOldFile);
  ASSERT_EQ(chmod(path.c_str(), 0644), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(kCannotActAsNobody);
    if (access(PathOf("shared").c_str(), W_OK | X_OK) != 0) _exit(kFolderClosed);
    if (platform::ReplaceFileContents(path, "new")) _exit(kReplaced);
    if (platform::OverwriteFileContents(path, "new")) _exit(kOverwritten);
    // The folder takes a new file from this user all the same.
    _exit(platform::MayReplaceFile(path) || !platform::ReplaceFileContents(path + ".mine", "new") ? kReplaced
                                                                                                 : kRefused);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == kCannotActAsNobody) GTEST_SKIP() << "this process cannot act as nobody";
  EXPECT_EQ(WEXITSTATUS(status), kRefused);
  EXPECT_EQ(ReadFile(path), kOldFile);
  EXPECT_EQ(ModeOf(path), 0644u);
  EXPECT_EQ(FolderListing(PathOf("shared")), (Names{"t.qnf", "t.qnf.mine"}));
}

}  // namespace
