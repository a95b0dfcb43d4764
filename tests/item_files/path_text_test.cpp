#include <gtest/gtest.h>

#include "engine/item_files.h"

namespace engine {
namespace {

TEST(TemplateFolderOf, KeepsTheFolderWithoutItsFinalBackslash) {
  EXPECT_EQ(TemplateFolderOf("C:\\Reports\\a.qnf"), "C:\\Reports");
  EXPECT_EQ(TemplateFolderOf("C:\\a.qnf"), "C:\\");
  EXPECT_EQ(TemplateFolderOf("a.qnf"), "");
  EXPECT_EQ(TemplateFolderOf("C:a.qnf"), "C:");
  EXPECT_EQ(TemplateFolderOf("\\a.qnf"), "\\");
  EXPECT_EQ(TemplateFolderOf("\\\\server\\share\\a.qnf"), "\\\\server\\share");
  EXPECT_EQ(TemplateFolderOf("\\\\a.qnf"), "\\\\");
  EXPECT_EQ(TemplateFolderOf("C:\\Reports\\"), "C:\\Reports");
  EXPECT_EQ(TemplateFolderOf("/home/ann/reports/a.qnf"), "/home/ann/reports");
  EXPECT_EQ(TemplateFolderOf("C:\\Re.ports\\Sub/a.qnf"), "C:\\Re.ports\\Sub");
}

TEST(LowerExtension, TakesTheLastDotOfTheFileNameLowerCased) {
  EXPECT_EQ(LowerExtension("C:\\Reports\\REPORT.QNF"), ".qnf");
  EXPECT_EQ(LowerExtension("C:\\Reports\\report"), "");
  EXPECT_EQ(LowerExtension("report.qnf.bak"), ".bak");
  EXPECT_EQ(LowerExtension("C:\\Re.ports\\report"), "");
  EXPECT_EQ(LowerExtension("/home/a.b/report"), "");
  EXPECT_EQ(LowerExtension("C:.Qnf"), ".qnf");
  EXPECT_EQ(LowerExtension("report."), ".");
  EXPECT_EQ(LowerExtension(""), "");
}

TEST(FileNamePart, IsTheTextAfterTheLastSeparator) {
  EXPECT_EQ(FileNamePart("D:\\pics\\logo.bmp"), "logo.bmp");
  EXPECT_EQ(FileNamePart("pics/logo.bmp"), "logo.bmp");
  EXPECT_EQ(FileNamePart("D:logo.bmp"), "logo.bmp");
  EXPECT_EQ(FileNamePart("logo.bmp"), "logo.bmp");
  EXPECT_EQ(FileNamePart("D:\\pics\\"), "");
}

TEST(ComposeItemPath, RelativeLocationsFollowTheTemplateFolder) {
  const std::string folder = "C:\\Reports\\Sub";
  const std::string name = "D:\\pics\\logo.bmp";
  EXPECT_EQ(ComposeItemPath(folder, "..\\IMAGES", name), "C:\\Reports\\IMAGES\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "IMAGES", name), "C:\\Reports\\Sub\\IMAGES\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "", name), "C:\\Reports\\Sub\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "IMAGES\\", name), "C:\\Reports\\Sub\\IMAGES\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "\\IMAGES", name), "C:\\Reports\\Sub\\IMAGES\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "..", name), "C:\\Reports\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "..\\..\\ART\\Small", name), "C:\\ART\\Small\\logo.bmp");
  // Stepping up stops at the root.
  EXPECT_EQ(ComposeItemPath(folder, "..\\..\\..\\..\\ART", name), "C:\\ART\\logo.bmp");
  EXPECT_EQ(ComposeItemPath("C:\\", "IMAGES", "logo.bmp"), "C:\\IMAGES\\logo.bmp");
  EXPECT_EQ(ComposeItemPath("", "IMAGES", "logo.bmp"), "\\IMAGES\\logo.bmp");
}

TEST(ComposeItemPath, AbsoluteLocationsStandAlone) {
  const std::string folder = "C:\\Reports\\Sub";
  EXPECT_EQ(ComposeItemPath(folder, "E:\\art", "D:\\pics\\logo.bmp"), "E:\\art\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "E:\\art\\", "logo.bmp"), "E:\\art\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "E:", "logo.bmp"), "E:\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "/srv/art", "logo.bmp"), "\\srv\\art\\logo.bmp");
}

TEST(ComposeItemPath, EitherSlashSeparatesOnLinux) {
  const std::string folder = "\\home\\ann\\reports";
  EXPECT_EQ(ComposeItemPath(folder, "../IMAGES", "pics/logo.bmp"), "\\home\\ann\\IMAGES\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "..\\IMAGES", "D:\\pics\\logo.bmp"),
            "\\home\\ann\\IMAGES\\logo.bmp");
  EXPECT_EQ(ComposeItemPath(folder, "img/small", "logo.bmp"),
            "\\home\\ann\\reports\\img\\small\\logo.bmp");
  EXPECT_EQ(ComposeItemPath("\\", "..\\IMAGES", "logo.bmp"), "\\IMAGES\\logo.bmp");
}

TEST(ComposeItemPath, NetworkFolderKeepsItsLeadingPair) {
  EXPECT_EQ(ComposeItemPath("\\\\server\\share\\Sub", "..\\IMAGES", "logo.bmp"),
            "\\\\server\\share\\IMAGES\\logo.bmp");
  EXPECT_EQ(ComposeItemPath("\\\\server\\share", "", "logo.bmp"), "\\\\server\\share\\logo.bmp");
}

}  // namespace
}  // namespace engine
