#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/export_table/elf_sections.h"

namespace {

const std::string kLibrary = std::string(TESSEL_BINARY_DIR) + "/engine/libzbx_qn.so";

// In the order of the host's name list.
const std::vector<std::string> kFunctions = {
    "zBxCreateReport",    "zBxFreeReport",  "zBxPreviewReport",    "zBxPrintReport",
    "zBxPrintWithDialog", "zBxBeginRegion", "zBxEndRegion",        "zBxSetVariable",
    "zBxSetHighlight",    "zBxPrintFile",   "zBxPrintGraphicFile", "zBxPrintScreen",
    "zBxPrintWindow"};

std::string Fields(std::initializer_list<std::string> fields) {
  std::string bytes;
  for (const std::string& field : fields) {
    bytes += field;
    bytes += '\0';
  }
  return bytes;
}

TEST(ExportTable, ExactlyTheThirteenFunctionsAreExported) {
  const tessel_test::ElfSections library(kLibrary);
  ASSERT_TRUE(library.Valid()) << kLibrary;
  const std::set<std::string> expected(kFunctions.begin(), kFunctions.end());
  EXPECT_EQ(library.DefinedDynamicSymbols(), expected);
  EXPECT_EQ(library.DefinedDynamicFunctions(), expected);
}

TEST(ExportTable, HostDescriptionsHoldTheExactBytes) {
  const tessel_test::ElfSections library(kLibrary);
  ASSERT_TRUE(library.Valid()) << kLibrary;
  std::map<std::string, std::string> expected;
  std::string names;
  for (const std::string& function : kFunctions) names += Fields({function});
  names += '\0';
  expected[".rsrc.DLL_HEADER.1"] = names;
  const std::map<std::string, std::string> descriptions = {
      {"ZBXCREATEREPORT", Fields({"", "V", "S", "zBxCreateReport(FileName)"})},
      {"ZBXFREEREPORT", Fields({"", "V", "V", "FreeReport()"})},
      {"ZBXPREVIEWREPORT", Fields({"", "V", "V", "Result:=zBxPreviewReport()"})},
      {"ZBXPRINTREPORT", Fields({"", "V", "V", "Result:=zBxPrintReport()"})},
      {"ZBXPRINTWITHDIALOG", Fields({"", "V", "V", "Result:=zBxPrintWithDialog()"})},
      {"ZBXBEGINREGION", Fields({"", "V", "S", "Result:=zBxBeginRegion(regionName)"})},
      {"ZBXENDREGION", Fields({"", "V", "V", "Result:=zBxEndRegion()"})},
      {"ZBXSETVARIABLE", Fields({"", "V", "SS", "Result:=zBxSetVariable(varName,varVal)"})},
      {"ZBXSETHIGHLIGHT",
       Fields({"", "V", "SSS", "Result:=zBxSetHighLight(VarName, NewHLValue , NewHLWhen)"})},
      {"ZBXPRINTFILE", Fields({"", "V", "S", "Result:=zBxPrintFile(FileName)"})},
      {"ZBXPRINTGRAPHICFILE",
       Fields({"", "V", "SIII",
               "Result:=zBxPrintGraphicFile(FileName, Orientation , PrintScale, Position)"})},
      {"ZBXPRINTSCREEN",
       Fields({"", "V", "III", "Result:=zBxPrintScreen(Orientation , PrintScale, Position)"})},
      {"ZBXPRINTWINDOW",
       Fields({"", "V", "LIII",
               "Result:=zBxPrintWindow(WindowHandle,Orientation , PrintScale, Position)"})}};
  for (const auto& [id, bytes] : descriptions) expected[".rsrc.DLL_HEADER." + id] = bytes;

  std::map<std::string, std::string> found;
  for (const auto& [name, bytes] : library.Sections()) {
    if (name.rfind(".rsrc.", 0) == 0) found[name] = bytes;
  }
  EXPECT_EQ(found, expected);
}

TEST(ExportTable, LibraryLoadsAndItsFunctionsAnswer) {
  void* library = dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  for (const std::string& function : kFunctions) {
    EXPECT_NE(dlsym(library, function.c_str()), nullptr) << function;
  }
  EXPECT_EQ(dlsym(library, "_ZN6engine10FreeReportEv"), nullptr);
  using PrintFile = int32_t (*)(const char*);
  const auto printFile = reinterpret_cast<PrintFile>(dlsym(library, "zBxPrintFile"));
  ASSERT_NE(printFile, nullptr);
  EXPECT_EQ(printFile("/nonexistent/tessel/notes.txt"), -1);
  EXPECT_EQ(printFile(nullptr), -1);
  using NoArguments = int32_t (*)();
  const auto printReport = reinterpret_cast<NoArguments>(dlsym(library, "zBxPrintReport"));
  ASSERT_NE(printReport, nullptr);
  EXPECT_EQ(printReport(), 0);
  dlclose(library);
}

}  // namespace
