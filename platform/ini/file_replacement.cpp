#include "platform/ini/file_replacement.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <ctime>

namespace platform {
namespace {

// Growing a file past RLIMIT_FSIZE raises SIGXFSZ, whose default action ends
// the process; a save must fail instead. The signal is held back in this
// thread only, so a handler the host installed stays untouched, and one
// raised meanwhile is taken off before the thread's mask is restored. When
// the caller already blocks it, it is left to the caller.
class FileSizeSignalHeld {
 public:
  FileSizeSignalHeld() {
    sigemptyset(&signal_);
    sigaddset(&signal_, SIGXFSZ);
    sigset_t before;
    held_ = pthread_sigmask(SIG_BLOCK, &signal_, &before) == 0 && sigismember(&before, SIGXFSZ) == 0;
  }
  ~FileSizeSignalHeld() {
    if (!held_) return;
    const timespec noWait{};
    sigtimedwait(&signal_, nullptr, &noWait);
    pthread_sigmask(SIG_UNBLOCK, &signal_, nullptr);
  }
  FileSizeSignalHeld(const FileSizeSignalHeld&) = delete;
  FileSizeSignalHeld& operator=(const FileSizeSignalHeld&) = delete;

 private:
  sigset_t signal_;
  bool held_ = false;
};

// The file the name stands for: a template reached through a link is saved
// where the link points, instead of replacing the link by a file.
std::string FinalTarget(const std::string& path) {
  struct stat status {};
  if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
  char* resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// O_EXCL makes the name ours alone; a name left by an earlier crash is
// passed over. Mode 0666 lets the umask decide, as for any new file.
int CreateTemporary(const std::string& target, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  const std::string stem = target + "." + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = stem + std::to_string(counter.fetch_add(1)) + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Makes the rename itself durable; a folder that cannot be opened or
// flushed leaves the file saved all the same.
void FlushFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Every byte to an open file descriptor, past interrupted writes; false at
// the first write that fails or writes nothing.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool MayReplaceFile(const std::string& nativePath) noexcept {
  struct stat status {};
  if (stat(nativePath.c_str(), &status) != 0) return errno == ENOENT;
  if (!S_ISREG(status.st_mode)) return false;
  if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  // The effective user decides, as for the open that writes.
  return faccessat(AT_FDCWD, nativePath.c_str(), W_OK, AT_EACCESS) == 0;
}

bool ReplaceFileContents(const std::string& nativePath, std::string_view bytes) noexcept {
  try {
    const std::string target = FinalTarget(nativePath);
    if (!MayReplaceFile(target)) return false;
    struct stat existing {};
    const bool replacesFile = stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);

    const FileSizeSignalHeld held;
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return false;
    if (replacesFile) fchmod(fd, existing.st_mode & 07777);
    bool saved = WriteAll(fd, bytes) && fsync(fd) == 0;
    saved = (close(fd) == 0) && saved;
    saved = saved && rename(temporary.c_str(), target.c_str()) == 0;
    if (!saved) {
      unlink(temporary.c_str());
      return false;
    }
    FlushFolder(FolderOf(target));
    return true;
  } catch (...) {
    // Only the paths' strings allocate; without memory there is no save.
    return false;
  }
}

bool OverwriteFileContents(const std::string& nativePath, std::string_view bytes) noexcept {
  if (!MayReplaceFile(nativePath)) return false;
  const FileSizeSignalHeld held;
  // O_NONBLOCK and the check of the open file: a name that became a pipe
  // since the check would wait for a reader for ever, and a device would
  // be sent the file.
  const int fd = open(nativePath.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  struct stat status {};
  const bool written =
      fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ftruncate(fd, 0) == 0 && WriteAll(fd, bytes);
  return (close(fd) == 0) && written;
}

}  // namespace platform
