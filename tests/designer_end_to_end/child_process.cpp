#include "tests/designer_end_to_end/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace end_to_end {
namespace {

void RedirectTo(int target, const std::string& file) {
  const int fd = file.empty() ? ::open("/dev/null", O_WRONLY) : ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return;
  ::dup2(fd, target);
  ::close(fd);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A file of its own under the temporary folder, removed when the object goes.
class TemporaryFile {
 public:
  TemporaryFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessel-e2e-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw std::runtime_error("mkstemp failed");
    ::close(fd);
    path_ = pattern;
  }
  ~TemporaryFile() { ::unlink(path_.c_str()); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                           const std::string& folder, const std::string& outFile, const std::string& errFile) {
  if (arguments.empty()) throw std::invalid_argument("no program to start");
  const pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ > 0) {
    // Both sides set the group, so that a Stop right after the start
    // already reaches it.
    ::setpgid(pid_, pid_);
    return;
  }
  ::setpgid(0, 0);
  // A test killed at its time limit must not leave the designer or the X
  // server behind.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != parent) ::_exit(127);
  if (!folder.empty() && ::chdir(folder.c_str()) != 0) ::_exit(127);
  RedirectTo(STDOUT_FILENO, outFile);
  RedirectTo(STDERR_FILENO, errFile);
  for (const std::string& entry : environment) {
    const size_t equals = entry.find('=');
    if (equals == std::string::npos) continue;
    const std::string name = entry.substr(0, equals);
    if (equals + 1 == entry.size()) {
      ::unsetenv(name.c_str());
    } else {
      ::setenv(name.c_str(), entry.c_str() + equals + 1, 1);
    }
  }
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::execvp(argv[0], argv.data());
  ::_exit(127);
}

ChildProcess::~ChildProcess() { Stop(); }

bool ChildProcess::Running() {
  if (pid_ <= 0 || status_) return false;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) == pid_) {
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return false;
  }
  return true;
}

std::optional<int> ChildProcess::WaitForExit(Clock::duration timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  while (Running()) {
    if (Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return status_;
}

void ChildProcess::Stop() {
  if (!Running()) return;
  ::kill(-pid_, SIGTERM);
  if (WaitForExit(std::chrono::seconds(3))) {
    ::kill(-pid_, SIGKILL);  // whatever the program started itself
    return;
  }
  ::kill(-pid_, SIGKILL);
  int status = 0;
  ::waitpid(pid_, &status, 0);
  status_ = -1;
}

ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                      Clock::duration timeout) {
  TemporaryFile out, err;
  ProgramRun run;
  {
    ChildProcess child(arguments, environment, "", out.Path(), err.Path());
    if (const std::optional<int> code = child.WaitForExit(timeout)) run.exitCode = *code;
  }
  run.out = ReadAll(out.Path());
  run.err = ReadAll(err.Path());
  return run;
}

std::string FindProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    const std::filesystem::path candidate = std::filesystem::path(folder) / name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return "";
}

}  // namespace end_to_end
