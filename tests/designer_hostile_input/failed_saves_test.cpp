// Saves that cannot be written: a folder its user may not write into, a
// full disk, a name that is a folder. Each ends in "Unable to write to"
// and the file's name, leaves the old template byte for byte and nothing
// beside it, and keeps the design modified, so that nothing is lost and
// the author is asked again before closing. (A file size limit and Save As
// onto a folder are tried in tests/designer_templates.)
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "designer/objects/regions.h"
#include "tests/designer_hostile_input/hostile_designer_fixture.h"

namespace tessel_test {
namespace {

// The user nobody has no right to anything a test makes.
constexpr uid_t kNobody = 65534;

// The process acts as nobody while this exists: the real and saved user
// stay root, so that root's rights come back afterwards. Root writes into
// read-only folders; nobody does not.
class ActingAsNobody {
 public:
  ActingAsNobody() : acting_(geteuid() == 0 && seteuid(kNobody) == 0) {}
  ~ActingAsNobody() {
    if (acting_ && seteuid(0) != 0) std::abort();
  }
  ActingAsNobody(const ActingAsNobody&) = delete;
  ActingAsNobody& operator=(const ActingAsNobody&) = delete;

 private:
  bool acting_;
};

// A file system of 64 KiB mounted on a folder, where root may mount one.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(const std::string& folder) : folder_(folder) {
    std::filesystem::create_directories(folder_);
    mounted_ = mount("tessel-test", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0755") == 0;
  }
  ~SmallFileSystem() {
    if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;
  bool Mounted() const { return mounted_; }

  // Fills the rest of the file system; false when it did not fill up.
  bool Fill() const {
    std::ofstream filler(folder_ + "/filler", std::ios::binary);
    const std::string block(512, 'x');
    for (int i = 0; i < 1024 && filler; ++i) filler.write(block.data(), static_cast<std::streamsize>(block.size()));
    filler.flush();
    return !filler;
  }
  void Empty() const { std::filesystem::remove(folder_ + "/filler"); }

 private:
  std::string folder_;
  bool mounted_ = false;
};

class FailedSaves : public HostileDesigner {
 protected:
  // The design saved under the name, then changed.
  void SavedAndChanged(const std::string& name) {
    ASSERT_EQ(SaveAs(name), Texts{});
    ASSERT_FALSE(form().FModified);
    form().Fixed1Click(nullptr);
    form().FRegionGrabX = 5;
    form().FRegionGrabY = 5;
    ASSERT_NE(form().PlaceObject(form().REPORT), nullptr);
    ASSERT_TRUE(form().FModified);
  }
  // Save through the File menu fails with the file's name and keeps
  // everything as it was.
  void ExpectSaveFails(const std::string& name, const std::string& savedBytes) {
    const std::size_t errors = Errors().size();
    form().Save1->Click();
    ASSERT_EQ(Errors().size(), errors + 1);
    EXPECT_EQ(Errors().back(), "Unable to write to " + WindowsPath(name));
    EXPECT_EQ(Bytes(name), savedBytes);
    EXPECT_TRUE(form().FModified);
    EXPECT_EQ(form().FFileName, WindowsPath(name));
  }
  int FilesIn(const std::string& subfolder) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder() + "/" + subfolder))
      files += entry.is_regular_file() ? 1 : 0;
    return files;
  }
};

TEST_F(FailedSaves, AReadOnlyFolderKeepsTheOldTemplate) {
  std::filesystem::create_directory(folder() + "/locked");
  SavedAndChanged("locked/t.qnf");
  const std::string saved = Bytes("locked/t.qnf");
  namespace fs = std::filesystem;
  fs::permissions(folder() + "/locked", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                            fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  bool writable = false;
  {
    const ActingAsNobody nobody;
    writable = faccessat(AT_FDCWD, (folder() + "/locked").c_str(), W_OK, AT_EACCESS) == 0;
    if (!writable) ExpectSaveFails("locked/t.qnf", saved);
  }
  if (writable) {
    fs::permissions(folder() + "/locked", fs::perms::owner_all);
    GTEST_SKIP() << "this user writes into read-only folders and cannot act as another";
  }
  EXPECT_EQ(FilesIn("locked"), 1);
  // With the right to write back, the same Save writes.
  fs::permissions(folder() + "/locked", fs::perms::owner_all);
  form().Save1->Click();
  EXPECT_FALSE(form().FModified);
  EXPECT_NE(Bytes("locked/t.qnf"), saved);
}

TEST_F(FailedSaves, AFullDiskKeepsTheOldTemplate) {
  const SmallFileSystem disk(folder() + "/small");
  if (!disk.Mounted()) GTEST_SKIP() << "no file system can be mounted here (" << std::strerror(errno) << ")";
  SavedAndChanged("small/t.qnf");
  const std::string saved = Bytes("small/t.qnf");
  ASSERT_TRUE(disk.Fill());
  ExpectSaveFails("small/t.qnf", saved);
  // Nothing half-written is left beside it.
  EXPECT_EQ(FilesIn("small"), 2);
  disk.Empty();
  form().Save1->Click();
  EXPECT_FALSE(form().FModified);
  EXPECT_NE(Bytes("small/t.qnf"), saved);
  EXPECT_EQ(FilesIn("small"), 1);
}

TEST_F(FailedSaves, ANameThatBecameAFolderIsNotReplaced) {
  SavedAndChanged("t.qnf");
  std::filesystem::remove(folder() + "/t.qnf");
  std::filesystem::create_directories(folder() + "/t.qnf/inside");
  ExpectSaveFails("t.qnf", "");
  EXPECT_TRUE(std::filesystem::is_directory(folder() + "/t.qnf/inside"));
  // The save question of Close saves again, fails again, and so keeps the
  // design.
  modals->Press("NotSavedForm", "Button1");  // Yes
  form().Close1->Click();
  EXPECT_TRUE(form().FModified);
  EXPECT_EQ(Errors().back(), "Unable to write to " + WindowsPath("t.qnf"));
  EXPECT_GT(ObjectCount(), 0);
}

// Fault mended: a template without any write permission, in a folder open
// to writing, was replaced without a word, since a save renames a new file
// over the old. Windows' read-only attribute stops every user, so root is
// refused it too.
TEST_F(FailedSaves, AReadOnlyTemplateIsNotReplaced) {
  namespace fs = std::filesystem;
  SavedAndChanged("t.qnf");
  const std::string saved = Bytes("t.qnf");
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(folder() + "/t.qnf", readOnly);
  const int files = FilesIn(".");
  ExpectSaveFails("t.qnf", saved);
  EXPECT_EQ(fs::status(folder() + "/t.qnf").permissions(), readOnly);
  EXPECT_EQ(FilesIn("."), files) << "nothing is left beside it";

  // Save As onto another read-only template, its overwrite question
  // answered Yes: refused alike, and the design keeps its old name, so
  // that Save cannot write where the caption does not say.
  Write("other.qnf", "[RSTYLES]\r\nRR0=REPORTSTYLE\r\n");
  fs::permissions(folder() + "/other.qnf", readOnly);
  const std::size_t errors = Errors().size();
  EXPECT_EQ(SaveAs("other.qnf"), Texts{"File exists.  Do you want to overwrite it?"});
  ASSERT_EQ(Errors().size(), errors + 1);
  EXPECT_EQ(Errors().back(), "Unable to write to " + WindowsPath("other.qnf"));
  EXPECT_EQ(Bytes("other.qnf"), "[RSTYLES]\r\nRR0=REPORTSTYLE\r\n");
  EXPECT_TRUE(form().FModified);
  EXPECT_EQ(form().FFileName, WindowsPath("t.qnf"));
  EXPECT_EQ(form().Caption(), WindowsPath("t.qnf"));

  // Writable again: the same Save As writes.
  fs::permissions(folder() + "/other.qnf", fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(SaveAs("other.qnf"), Texts{"File exists.  Do you want to overwrite it?"});
  EXPECT_FALSE(form().FModified);
  EXPECT_NE(Bytes("other.qnf").find("[REPORT]"), std::string::npos);
  EXPECT_EQ(Bytes("t.qnf"), saved);
}

// Fault mended: a template of another user, which this user may not write,
// was replaced all the same when the folder let this user rename files.
TEST_F(FailedSaves, ATemplateThisUserMayNotWriteIsNotReplaced) {
  namespace fs = std::filesystem;
  fs::create_directory(folder() + "/shared");
  fs::permissions(folder() + "/shared", fs::perms::all);
  SavedAndChanged("shared/t.qnf");
  const std::string saved = Bytes("shared/t.qnf");
  fs::permissions(folder() + "/shared/t.qnf",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
  bool reachable = false;
  {
    const ActingAsNobody nobody;
    // The folder would let this user put a new file in the template's place.
    reachable = geteuid() == kNobody &&
                faccessat(AT_FDCWD, (folder() + "/shared").c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    if (reachable) ExpectSaveFails("shared/t.qnf", saved);
  }
  if (!reachable) GTEST_SKIP() << "this user cannot act as another";
  EXPECT_EQ(FilesIn("shared"), 1);
  form().Save1->Click();
  EXPECT_FALSE(form().FModified);
  EXPECT_NE(Bytes("shared/t.qnf"), saved);
}

}  // namespace
}  // namespace tessel_test
