#pragma once
// Runs zbx_host as a child process and captures what it reports, and keeps
// a scratch folder for scripts and output.
#include <filesystem>
#include <string>
#include <vector>

namespace host_test {

struct HostRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path Write(const std::string& name, const std::string& text) const;

 private:
  std::filesystem::path path_;
};

// Runs the program with the arguments; extra environment entries are
// "NAME=value". Output goes through files in the scratch folder.
HostRun RunProgram(const ScratchFolder& scratch, const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment = {});

std::vector<std::string> Lines(const std::string& text);

}  // namespace host_test
