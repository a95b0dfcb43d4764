#include "platform/ini/ini_file.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ini_fixture.h"

namespace {

using platform::TIniFile;
using Names = std::vector<std::string>;

constexpr std::string_view kOldFile = "[OLD]\r\nKEEP=me\r\n";

Names FolderListing(const std::filesystem::path& folder) {
  Names names;
  for (const auto& item : std::filesystem::directory_iterator(folder)) names.push_back(item.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A template whose saved form is known byte for byte.
void WriteSmallDesign(TIniFile& ini) {
  ini.WriteString("RSTYLES", "RR0", "REPORTSTYLE");
  ini.WriteString("RR0", "PAPERWIDTH", "8,5");
  ini.WriteInteger("RR0", "ORIENTATION", -1);
  ini.WriteString("RC1", "NAME", "Header");
}

constexpr std::string_view kSmallDesign =
    "[RSTYLES]\r\nRR0=REPORTSTYLE\r\n[RR0]\r\nPAPERWIDTH=8,5\r\nORIENTATION=-1\r\n[RC1]\r\nNAME=Header\r\n";

TEST_F(IniFileTest, NewInMemoryStartsEmptyAndSavesOnlyOnUpdateFile) {
  const std::string path = WriteFile("t.qnf", std::string(kOldFile));
  TIniFile ini(path, TIniFile::NewInMemory{});
  EXPECT_TRUE(ini.ReadSections().empty());
  EXPECT_FALSE(ini.ValueExists("OLD", "KEEP"));

  EXPECT_TRUE(ini.WriteString("RSTYLES", "RR0", "REPORTSTYLE"));
  EXPECT_TRUE(ini.WriteString("RR0", "PAPERWIDTH", "8,5"));
  EXPECT_TRUE(ini.WriteInteger("RR0", "ORIENTATION", -1));
  EXPECT_TRUE(ini.WriteString("GONE", "X", "1"));
  EXPECT_TRUE(ini.WriteString("RR0", "DROPPED", "1"));
  EXPECT_TRUE(ini.WriteString("rr0", "paperwidth", "11"));
  EXPECT_TRUE(ini.DeleteKey("RR0", "DROPPED"));
  EXPECT_TRUE(ini.EraseSection("gone"));
  EXPECT_TRUE(ini.WriteString("RR0", "IMAGEFILELOCATION", ""));
  EXPECT_EQ(ReadFile(path), kOldFile);

  EXPECT_TRUE(ini.UpdateFile());
  EXPECT_EQ(ReadFile(path),
            "[RSTYLES]\r\nRR0=REPORTSTYLE\r\n"
            "[RR0]\r\nPAPERWIDTH=11\r\nORIENTATION=-1\r\nIMAGEFILELOCATION=\r\n");
  EXPECT_EQ(FolderListing(folder_), (Names{"t.qnf"}));
  const TIniFile back(path);
  EXPECT_EQ(back.ReadString("RR0", "PAPERWIDTH", ""), "11");
  EXPECT_FALSE(back.ValueExists("OLD", "KEEP"));
}

TEST_F(IniFileTest, UpdateFileKeepsPermissionsAndWritesThroughALink) {
  const std::string path = WriteFile("t.qnf", std::string(kOldFile));
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  std::filesystem::create_symlink(path, PathOf("link.qnf"));
  TIniFile ini(PathOf("link.qnf"), TIniFile::NewInMemory{});
  WriteSmallDesign(ini);
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_TRUE(std::filesystem::is_symlink(PathOf("link.qnf")));
  EXPECT_EQ(ReadFile(path), kSmallDesign);
  struct stat status {};
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(FolderListing(folder_), (Names{"link.qnf", "t.qnf"}));
}

TEST_F(IniFileTest, UpdateFileOfAReadFileKeepsItsOtherLines) {
  const std::string path = WriteFile("t.qnf", "; by hand\n[A]\nK=1\n\n[B]\nX=y\n");
  TIniFile ini(path, TIniFile::NewInMemory{});
  TIniFile read(path);
  EXPECT_TRUE(read.UpdateFile());
  EXPECT_EQ(ReadFile(path), "; by hand\r\n[A]\r\nK=1\r\n\r\n[B]\r\nX=y\r\n");
  // An empty design saves an empty file.
  EXPECT_TRUE(ini.UpdateFile());
  EXPECT_EQ(ReadFile(path), "");
}

TEST_F(IniFileTest, UpdateFileFailsAndKeepsTheOldFileInAReadOnlyFolder) {
  const std::string path = WriteFile("t.qnf", std::string(kOldFile));
  ASSERT_EQ(chmod(folder_.c_str(), 0555), 0);
  struct WritableAgain {
    std::string folder;
    ~WritableAgain() { chmod(folder.c_str(), 0755); }
  } restore{folder_.string()};
  if (access(folder_.c_str(), W_OK) == 0) GTEST_SKIP() << "the folder stays writable (running as root)";
  TIniFile ini(path, TIniFile::NewInMemory{});
  WriteSmallDesign(ini);
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_EQ(ReadFile(path), kOldFile);
  EXPECT_EQ(FolderListing(folder_), (Names{"t.qnf"}));
}

TEST_F(IniFileTest, UpdateFileFailsOnAFolderOfTheSameNameOrAMissingFolder) {
  std::filesystem::create_directory(PathOf("t.qnf"));
  WriteFile("t.qnf/inside", "x");
  TIniFile ini(PathOf("t.qnf"), TIniFile::NewInMemory{});
  WriteSmallDesign(ini);
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_TRUE(std::filesystem::is_directory(PathOf("t.qnf")));
  EXPECT_EQ(ReadFile(PathOf("t.qnf/inside")), "x");
  EXPECT_EQ(FolderListing(folder_), (Names{"t.qnf"}));

  TIniFile nowhere(PathOf("no/such/t.qnf"), TIniFile::NewInMemory{});
  WriteSmallDesign(nowhere);
  EXPECT_FALSE(nowhere.UpdateFile());
  EXPECT_EQ(FolderListing(folder_), (Names{"t.qnf"}));
}

// Exit codes of the child below.
enum ChildOutcome { kFailedCleanly = 0, kClaimedSuccess = 1, kSignalLeftBlocked = 2 };

TEST_F(IniFileTest, UpdateFilePastTheFileSizeLimitFailsWithoutEndingTheProcess) {
  const std::string path = WriteFile("t.qnf", std::string(kOldFile));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The default action of SIGXFSZ ends the process; the save must not.
    signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    TIniFile ini(path, TIniFile::NewInMemory{});
    for (int i = 0; i < 100; ++i) ini.WriteInteger("BIG", "KEY" + std::to_string(i), i);
    const bool saved = ini.UpdateFile();
    sigset_t mask;
    sigprocmask(SIG_BLOCK, nullptr, &mask);
    _exit(saved ? kClaimedSuccess : sigismember(&mask, SIGXFSZ) ? kSignalLeftBlocked : kFailedCleanly);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), kFailedCleanly);
  EXPECT_EQ(ReadFile(path), kOldFile);
  EXPECT_EQ(FolderListing(folder_), (Names{"t.qnf"}));
}

TEST_F(IniFileTest, KeyIndexStaysRightThroughDeletesAndErasedSections) {
  const std::string path = WriteFile("t.qnf", "[A]\nK=1\nL=2\nk=3\nM=4\n\n; closing\n[B]\nX=1\n[C]\nY=2\n");
  TIniFile ini(path, TIniFile::NewInMemory{});
  TIniFile read(path);
  EXPECT_TRUE(read.DeleteKey("A", "k"));
  EXPECT_EQ(read.ReadString("A", "L", ""), "2");
  EXPECT_EQ(read.ReadString("A", "M", ""), "4");
  EXPECT_TRUE(read.DeleteKey("A", "M"));
  // The new last key follows L, the last one left, not the deleted M.
  EXPECT_TRUE(read.WriteString("A", "N", "5"));
  EXPECT_TRUE(read.EraseSection("B"));
  EXPECT_EQ(read.ReadString("C", "Y", ""), "2");
  EXPECT_TRUE(read.WriteString("C", "Z", "3"));
  EXPECT_EQ(ReadFile(path), "[A]\r\nL=2\r\nN=5\r\n\r\n; closing\r\n[C]\r\nY=2\r\nZ=3\r\n");
  EXPECT_FALSE(read.SectionExists("B"));
  EXPECT_TRUE(read.DeleteKey("C", "Y"));
  EXPECT_TRUE(read.DeleteKey("C", "Z"));
  EXPECT_FALSE(read.SectionExists("C"));
}

// A design of 2,000 objects and one container of 100,000 children. Found by
// a walk along the section's lines, each write would cost a hundred thousand
// name comparisons and the whole test minutes, past the suite's time limit;
// through the index it takes well under a second, a few under the sanitizers.
// The limit, not a clock read here, catches that: a busy machine slows both.
TEST_F(IniFileTest, LargeDesignIsWrittenSavedAndReadBack) {
  constexpr int kObjects = 2000;
  constexpr int kChildren = 100000;
  const std::string path = PathOf("big.qnf");
  {
    TIniFile ini(path, TIniFile::NewInMemory{});
    for (int i = 0; i < kObjects; ++i) {
      const std::string name = "RC" + std::to_string(i);
      ini.WriteString("REPORT", name, "LABEL");
      for (const char* key : {"NAME", "LEFT", "TOP", "WIDTH", "HEIGHT", "TEXT", "FONT", "COLOR"})
        ini.WriteString(name, key, name + key);
    }
    for (int i = 0; i < kChildren; ++i) ini.WriteInteger("CONTAINER", "C" + std::to_string(i), i);
    for (int i = 0; i < kChildren; i += 10) ini.WriteInteger("container", "c" + std::to_string(i), -i);
    ASSERT_TRUE(ini.UpdateFile());
  }
  const TIniFile back(path);
  for (int i = 0; i < kChildren; ++i)
    ASSERT_EQ(back.ReadInteger("CONTAINER", "C" + std::to_string(i), 1), i % 10 ? i : -i);
  EXPECT_EQ(back.ReadString("RC1999", "COLOR", ""), "RC1999COLOR");
  EXPECT_EQ(back.ReadSections().size(), kObjects + 2u);
  const Names children = back.ReadSection("CONTAINER");
  ASSERT_EQ(children.size(), static_cast<std::size_t>(kChildren));
  EXPECT_EQ(children[kChildren - 1], "C" + std::to_string(kChildren - 1));
}

}  // namespace
