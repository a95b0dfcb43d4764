// Printing through a real CUPS scheduler, the test's own: what the queue
// receives, a queue that refuses jobs, a paused queue, and the real print
// dialog with a CUPS printer in it.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <filesystem>
#include <optional>
#include <sstream>

#include "platform/printing/cups_queue.h"
#include "platform/printing/pdf_printer.h"
#include "platform/printing/printer.h"
#include "platform/printing/system_printer.h"
#include "platform/system/qt_application.h"
#include "tests/printing/private_scheduler.h"
#include "tests/report_calls/report_calls_fixture.h"

namespace engine {
namespace {

using tessel_test::CommandOutput;
using tessel_test::PdfInfo;

constexpr const char* kQueue = "tessel";

// One scheduler for all the tests of a process.
class CupsPrinting : public ReportCalls {
 protected:
  static void SetUpTestSuite() {
    if (tessel_test::PrivateScheduler::Installed()) scheduler_ = new tessel_test::PrivateScheduler(kQueue);
  }
  static void TearDownTestSuite() {
    delete scheduler_;
    scheduler_ = nullptr;
  }

  void SetUp() override {
    ReportCalls::SetUp();
    if (scheduler_ == nullptr) {
      GTEST_SKIP() << "cupsd is not installed (scripts/install-deps.sh test installs it)";
    }
    ASSERT_TRUE(scheduler_->Running()) << scheduler_->Why();
    ForgetPrinted();
    platform::EnsureApplication();
    platform::FollowCupsServer();
    systemPrinter_.emplace(QPrinterInfo::defaultPrinter());
    platform::SetPrinter(&*systemPrinter_);
  }
  void TearDown() override {
    platform::SetPrintDialogDriver(nullptr);
    ReportCalls::TearDown();
    if (scheduler_ != nullptr) {
      scheduler_->Admin(std::string("cupsaccept ") + kQueue);
      scheduler_->Admin(std::string("cupsenable ") + kQueue);
      scheduler_->Admin(std::string("cancel -a ") + kQueue);
    }
  }

  // The pages inside a thick red report frame, small enough for Letter and
  // A4 paper alike: the queue's paper is the machine's default.
  void Load() {
    std::string framed(kPagesTemplate);
    framed.replace(framed.find("[RR0]\n"), 6,
                   "[RR0]\nBORDERCOLOR=255\nBORDERTHICKNESS=120\nPLACELEFT=0.25\nREPORTWIDTH=7.8\n");
    LoadPages(framed);
  }

  // The first amount on each page of a printed file.
  static std::vector<std::string> FirstAmounts(const std::string& path) {
    std::vector<std::string> firsts;
    const int pages = std::stoi(PdfInfo(path)["Pages"]);
    for (int page = 1; page <= pages; ++page) {
      std::istringstream words(PdfPageText(path, page));
      std::string word;
      while (words >> word && word == "Amounts") {
      }
      firsts.push_back(word);
    }
    return firsts;
  }

  // Pixels of the file's first page whose red, green and blue differ.
  static int ColouredPixels(const std::string& path) {
    const std::string image = CommandOutput("pdftoppm -r 20 -f 1 -l 1 '" + path + "' 2>/dev/null");
    std::istringstream header(image);
    std::string magic;
    int width = 0, height = 0, depth = 0;
    header >> magic >> width >> height >> depth;
    const size_t bytes = static_cast<size_t>(width) * height * 3;
    if (magic != "P6" || image.size() < bytes) return -1;
    const std::string pixels = image.substr(image.size() - bytes);
    int coloured = 0;
    for (size_t i = 0; i < bytes; i += 3) {
      if (pixels[i] != pixels[i + 1] || pixels[i + 1] != pixels[i + 2]) ++coloured;
    }
    return coloured;
  }

  std::string Printed() {
    const std::string path = scheduler_->WaitForPrintedFile();
    EXPECT_FALSE(path.empty()) << "nothing printed: " << scheduler_->Admin("lpstat -o") << scheduler_->Log();
    return path;
  }
  static void ForgetPrinted() { std::filesystem::remove(scheduler_->PrintedFile()); }

  static tessel_test::PrivateScheduler* scheduler_;
  std::optional<platform::SystemPrinter> systemPrinter_;
};

tessel_test::PrivateScheduler* CupsPrinting::scheduler_ = nullptr;

// Fault mended: a queue that refused every job was reported as success by
// every print call; nothing printed, no message, later calls went on.
TEST_F(CupsPrinting, AQueueThatRefusesJobsIsAPrinterErrorAndAPausedOneHoldsTheJob) {
  Load();
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_TRUE(Messages().empty());
  const std::string printed = Printed();
  ASSERT_FALSE(printed.empty());
  EXPECT_EQ(FirstAmounts(printed), (std::vector<std::string>{"1", "11", "21"}));
  EXPECT_GT(ColouredPixels(printed), 0);
  ForgetPrinted();

  scheduler_->Admin(std::string("cupsreject ") + kQueue);
  const std::string refused = "Tessel: The printer tessel did not take the job: Destination \"tessel\" "
                              "is not accepting jobs.";
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_EQ(Messages(), Texts{refused});
  EXPECT_TRUE(ErrorFlag());
  zBxPrintReport();  // stopped by the error flag
  EXPECT_EQ(Messages().size(), 1u);
  messages_.Clear();

  Load();
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_EQ(Messages(), Texts{"Tessel: Printer error found in ZbxPrintwithDialog.  "});
  EXPECT_TRUE(ErrorFlag());
  messages_.Clear();

  // The direct prints say so too, and leave the flag alone.
  ClearErrorFlag();
  const std::string text = Write("note.txt", "A note to print\r\n");
  EXPECT_EQ(zBxPrintFile(text.c_str()), 0);
  EXPECT_EQ(Messages(), Texts{refused});
  EXPECT_FALSE(ErrorFlag());
  EXPECT_FALSE(std::filesystem::exists(scheduler_->PrintedFile()));
  messages_.Clear();

  // A paused queue takes the job and holds it: no error.
  scheduler_->Admin(std::string("cupsaccept ") + kQueue);
  scheduler_->Admin(std::string("cupsdisable ") + kQueue);
  Load();
  EXPECT_EQ(zBxPrintReport(), 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(ErrorFlag());
  EXPECT_NE(scheduler_->Admin(std::string("lpstat -o ") + kQueue).find("tessel-"), std::string::npos);
  scheduler_->Admin(std::string("cupsenable ") + kQueue);
  EXPECT_FALSE(Printed().empty());
}

// The choices the dialog lets a person make, as they stand: shown (on
// whichever tab) and enabled.
std::vector<std::string> Offered(QPrintDialog& dialog) {
  auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabs"));
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text().contains(QStringLiteral("Options")) && !tabs->isVisibleTo(&dialog)) button->click();
  }
  std::vector<std::string> offered;
  for (const char* name : {"printers", "filename", "copies", "collate", "reverse", "grayscale", "printAll",
                           "printRange", "pagesRadioButton", "printCurrentPage", "printSelection",
                           "pageSetCombo", "duplexLong", "duplexShort", "properties"}) {
    auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(name));
    if (widget == nullptr) continue;
    for (int tab = 0; tabs != nullptr && tab < tabs->count(); ++tab) {
      if (tabs->widget(tab)->isAncestorOf(widget)) tabs->setCurrentIndex(tab);
    }
    if (widget->isVisibleTo(&dialog) && widget->isEnabled()) offered.push_back(name);
  }
  return offered;
}

QComboBox& Printers(QPrintDialog& dialog) {
  return *dialog.findChild<QComboBox*>(QStringLiteral("printers"));
}

// Faults mended: the dialog offered page ranges, odd or even pages, reverse
// order and grey that never reached the job; and with ZBX_PRINT_TO set it
// opened on the CUPS printer, so Print pressed unchanged sent the job there
// and wrote no file.
TEST_F(CupsPrinting, TheDialogOffersOnlyWhatReachesTheJobAndStartsAtThePrintToFile) {
  const std::string printTo = (folder_.Path() / "print-to.pdf").string();
  const tessel_test::ScopedEnvironment target("ZBX_PRINT_TO", printTo.c_str());
  platform::SetPrintDialogAnswer(nullptr);
  // The printer a process makes when ZBX_PRINT_TO is set.
  platform::PdfPrinter pdf;
  platform::SetPrinter(&pdf);
  Load();
  const std::string completedBefore = scheduler_->Admin("lpstat -W completed -o");

  std::vector<std::string> toFile, toQueue;
  platform::SetPrintDialogDriver([&](QPrintDialog& dialog) {
    EXPECT_EQ(Printers(dialog).currentIndex(), Printers(dialog).count() - 1);
    EXPECT_EQ(Printers(dialog).currentText().toStdString(), "Print to File (PDF)");
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("filename"))->text().toStdString(), printTo);
    toFile = Offered(dialog);
    Printers(dialog).setCurrentIndex(Printers(dialog).findText(QString::fromLatin1(kQueue)));
    toQueue = Offered(dialog);
    Printers(dialog).setCurrentIndex(Printers(dialog).count() - 1);
    dialog.accept();
  });
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_EQ(toFile, (std::vector<std::string>{"printers", "filename", "copies", "collate", "reverse",
                                               "grayscale"}));
  EXPECT_EQ(toQueue, (std::vector<std::string>{"printers", "copies", "collate", "reverse", "grayscale"}));
  EXPECT_EQ(PdfInfo(printTo)["Pages"], "3");
  EXPECT_EQ(scheduler_->Admin("lpstat -W completed -o"), completedBefore);

  // Reverse and Grayscale ticked for the CUPS printer, then for a file.
  platform::SetPrintDialogDriver([](QPrintDialog& dialog) {
    Printers(dialog).setCurrentIndex(Printers(dialog).findText(QString::fromLatin1(kQueue)));
    dialog.findChild<QCheckBox*>(QStringLiteral("reverse"))->setChecked(true);
    dialog.findChild<QRadioButton*>(QStringLiteral("grayscale"))->setChecked(true);
    dialog.accept();
  });
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  const std::string printed = Printed();
  ASSERT_FALSE(printed.empty());
  EXPECT_EQ(FirstAmounts(printed), (std::vector<std::string>{"21", "11", "1"}));
  EXPECT_EQ(ColouredPixels(printed), 0);

  const std::string grey = (folder_.Path() / "grey.pdf").string();
  platform::SetPrintDialogDriver([&grey](QPrintDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("filename"))->setText(QString::fromStdString(grey));
    dialog.findChild<QCheckBox*>(QStringLiteral("reverse"))->setChecked(true);
    dialog.findChild<QRadioButton*>(QStringLiteral("grayscale"))->setChecked(true);
    dialog.accept();
  });
  EXPECT_EQ(zBxPrintWithDialog(), 0);
  EXPECT_EQ(FirstAmounts(grey), (std::vector<std::string>{"21", "11", "1"}));
  EXPECT_EQ(ColouredPixels(grey), 0);
  EXPECT_GT(ColouredPixels(printTo), 0);
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace engine
