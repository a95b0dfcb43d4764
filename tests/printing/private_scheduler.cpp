#include "tests/printing/private_scheduler.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tessel_test {
namespace {

constexpr const char* kCupsd = "/usr/sbin/cupsd";

bool WaitUntil(int milliseconds, const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return done();
}

}  // namespace

bool PrivateScheduler::Installed() { return ::access(kCupsd, X_OK) == 0; }

PrivateScheduler::PrivateScheduler(const std::string& queue)
    : socket_((folder_.Path() / "cups.sock").string()),
      queue_(queue),
      server_("CUPS_SERVER", socket_.c_str()) {
  if (!Installed()) {
    why_ = std::string(kCupsd) + " is not installed (Debian package cups)";
    return;
  }
  const std::string root = folder_.Path().string();
  for (const char* sub : {"spool/tmp", "cache", "state", "log", "out"}) {
    std::filesystem::create_directories(folder_.Path() / sub);
  }
  // The scheduler runs filters as another user, who must write the output.
  ::chmod(root.c_str(), 0755);
  ::chmod((root + "/out").c_str(), 0777);
  output_ = root + "/out/" + queue + ".pdf";
  folder_.Write("conf/cupsd.conf",
            "Listen " + socket_ + "\nLogLevel info\nWebInterface No\nBrowsing No\n"
            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
  folder_.Write("conf/cups-files.conf",
            "FileDevice Yes\nServerRoot " + root + "/conf\nRequestRoot " + root + "/spool\n"
            "TempDir " + root + "/spool/tmp\nCacheDir " + root + "/cache\nStateDir " + root +
            "/state\nErrorLog " + root + "/log/error_log\nAccessLog " + root +
            "/log/access_log\nPageLog " + root + "/log/page_log\n"
            "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\nPrintcap " + root + "/printcap\n");
  child_ = ::fork();
  if (child_ == 0) {
    // A test that dies without its destructor takes the scheduler along.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    const std::string conf = root + "/conf/cupsd.conf";
    const std::string files = root + "/conf/cups-files.conf";
    ::execl(kCupsd, kCupsd, "-f", "-c", conf.c_str(), "-s", files.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  if (child_ < 0) {
    why_ = "cupsd could not be started";
    return;
  }
  if (!WaitUntil(15000, [this] { return Admin("lpstat -r").find("is running") != std::string::npos; })) {
    why_ = "the private cupsd did not come up: " + Log();
    return;
  }
  // A PDF queue whose device is a file: what arrives is what was printed.
  Admin("lpadmin -p " + queue + " -E -v file://" + output_ +
        " -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");
  Admin("lpadmin -d " + queue);
  if (Admin("lpstat -a " + queue).find("accepting") == std::string::npos) {
    why_ = "the private cupsd did not make the queue: " + Log();
  }
}

PrivateScheduler::~PrivateScheduler() {
  if (child_ <= 0) return;
  ::kill(child_, SIGTERM);
  if (!WaitUntil(3000, [this] { return ::waitpid(child_, nullptr, WNOHANG) == child_; })) {
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
  }
}

std::string PrivateScheduler::Admin(const std::string& command) const {
  return CommandOutput("CUPS_SERVER='" + socket_ + "' timeout 20 " + command + " 2>&1");
}

std::string PrivateScheduler::WaitForPrintedFile(int seconds) const {
  const bool done = WaitUntil(seconds * 1000, [this] {
    return Admin("lpstat -o " + queue_).empty() && std::filesystem::exists(output_) &&
           !PdfInfo(output_)["Pages"].empty();
  });
  return done ? output_ : std::string();
}

std::string PrivateScheduler::Log() const {
  return CommandOutput("cat '" + folder_.Path().string() + "/log/error_log' 2>/dev/null");
}

}  // namespace tessel_test
