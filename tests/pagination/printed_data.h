#pragma once
// Templates written by the tests, filled through the exports and printed to a
// PDF file, whose pages are read back as words; every message recorded.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/zbx_qn.h"
#include "platform/printing/pdf_printer.h"
#include "platform/system/message_box.h"
#include "tests/printing/pdf_tools.h"
#include "tests/template_reading/template_folder.h"

namespace printed_data {

using Texts = std::vector<std::string>;
using tessel_test::CommandOutput;

inline const std::string kLeftOut =
    "Tessel: Some of the report's data did not fit on its pages and was left out.";

// A report 8 inches wide placed half an inch from the paper's top-left
// corner, on Letter paper unless told.
inline std::string Styles(std::string_view reportHeight, std::string_view paperWidth = "8.5",
                          std::string_view paperHeight = "11.0") {
  return "[RSTYLES]\nRR0=REPORTSTYLE\n[RR0]\nREPORTWIDTH=8.0\nREPORTHEIGHT=" +
         std::string(reportHeight) + "\nPAPERWIDTH=" + std::string(paperWidth) +
         "\nPAPERHEIGHT=" + std::string(paperHeight) +
         "\nPLACELEFT=0.5\nPLACETOP=0.5\nBORDERSTYLE=0\n"
         "[STYLES]\nRS0=LABELSTYLE\n[RS0]\nSTYLENAME=DEFAULTSTYLE\nNAME=Arial\nSIZE=10\n";
}

// One control section: its key's section with the common keys.
inline std::string Control(std::string_view key, std::string_view name, std::string_view parent,
                           int left, int top, int width, int height,
                           std::string_view more = {}) {
  return "[" + std::string(key) + "]\nNAME=" + std::string(name) + "\nPARENT=" +
         std::string(parent) + "\nLEFT=" + std::to_string(left) + "\nTOP=" + std::to_string(top) +
         "\nWIDTH=" + std::to_string(width) + "\nHEIGHT=" + std::to_string(height) + "\n" +
         std::string(more);
}

inline std::string Variable(std::string_view key, std::string_view name,
                            std::string_view parent, int left, int top) {
  return Control(key, name, parent, left, top, 200, 20, "VARTYPE=string\n");
}

class PrintedData : public ::testing::Test {
 protected:
  void SetUp() override {
    Unload();
    previous_ = platform::SetPrinter(&printer_);
  }
  void TearDown() override {
    Unload();
    platform::SetPrinter(previous_);
  }
  static void Unload() {
    engine::ClearErrorFlag();
    zBxFreeReport();
    engine::ClearErrorFlag();
  }

  void Load(const std::string& text) {
    const std::string path = folder_.Write("report.qnf", text);
    zBxCreateReport(path.c_str());
    ASSERT_EQ(messages_.Texts(), Texts{});
  }
  static void Record(const char* region, const char* variable, const std::string& value) {
    zBxBeginRegion(region);
    zBxSetVariable(variable, value.c_str());
  }

  // Prints the report and gives the words of each page.
  std::vector<Texts> PrintedPages() {
    zBxPrintReport();
    return PdfPages();
  }

  // The words of each page of the last print.
  std::vector<Texts> PdfPages() const {
    std::vector<Texts> pages;
    const int count = std::stoi(tessel_test::PdfInfo(pdf_)["Pages"]);
    for (int page = 1; page <= count; ++page) {
      const std::string number = std::to_string(page);
      std::istringstream words(
          CommandOutput("pdftotext -f " + number + " -l " + number + " '" + pdf_ + "' -"));
      pages.emplace_back();
      for (std::string word; words >> word;) pages.back().push_back(word);
    }
    return pages;
  }

  // How often each word that begins with prefix stands on the pages, and
  // how many such words each page holds.
  static std::map<std::string, int> Count(const std::vector<Texts>& pages,
                                          std::string_view prefix, std::vector<int>* perPage) {
    std::map<std::string, int> counts;
    for (const Texts& page : pages) {
      int onPage = 0;
      for (const std::string& word : page) {
        if (!word.starts_with(prefix)) continue;
        ++counts[word];
        ++onPage;
      }
      if (perPage != nullptr) perPage->push_back(onPage);
    }
    return counts;
  }

  const Texts& Messages() const { return messages_.Texts(); }

  tessel_test::TemplateFolder folder_;
  const std::string pdf_ = (folder_.Path() / "printed.pdf").string();
  tessel_test::ScopedEnvironment printTo_{"ZBX_PRINT_TO", pdf_.c_str()};
  platform::ScopedMessageRecorder messages_;
  platform::PdfPrinter printer_;
  platform::TPrinter* previous_ = nullptr;
};

}  // namespace printed_data
