// zbx_host <path to libzbx_qn.so> <script>: the host stand-in. It reads the
// library's function descriptions, refuses a library that lacks one, loads
// it and runs the host script, reporting each call and its result.
// Exit status: 0 when the script ran to its end, 1 when the script stopped at
// a faulty line, 2 when the library or the script could not be used at all.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "host/elf_resources.h"
#include "host/engine_library.h"
#include "host/host_descriptions_reader.h"
#include "host/host_error.h"
#include "host/script_checker.h"
#include "host/script_error.h"
#include "host/script_parser.h"
#include "host/script_runner.h"
#include "platform/text/win1252.h"

namespace {

constexpr int kScriptStopped = 1;
constexpr int kCannotStart = 2;
constexpr std::uintmax_t kMaxScriptBytes = 16u << 20;

std::string ReadScript(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) throw host::HostError("cannot read " + path.string() + ": " + error.message());
  if (size > kMaxScriptBytes) throw host::HostError(path.string() + " is too large for a script");
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) throw host::HostError("cannot read " + path.string());
  return text;
}

// The script's folder with a trailing separator, in the engine's code page.
std::string FileLocation(const std::filesystem::path& script) {
  std::string folder = std::filesystem::absolute(script).lexically_normal().parent_path().string();
  if (!folder.ends_with('/')) folder += '/';
  return platform::Utf8ToWin1252(folder);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zbx_host <path to libzbx_qn.so> <script>\n";
    return kCannotStart;
  }
  const std::filesystem::path libraryPath = argv[1];
  const std::filesystem::path scriptPath = argv[2];
  std::string scriptText;
  try {
    scriptText = ReadScript(scriptPath);
  } catch (const std::exception& error) {
    std::cerr << "zbx_host: " << error.what() << "\n";
    return kCannotStart;
  }
  try {
    const host::HostDescriptions descriptions =
        host::ReadHostDescriptions(host::ElfResources::Load(libraryPath));
    const host::Script script = host::ParseScript(scriptText);
    host::CheckCalls(script, descriptions);

    host::EngineLibrary library(libraryPath, descriptions);
    host::ScriptRunner runner(descriptions, library, std::cout, FileLocation(scriptPath));
    runner.Run(script);
    return 0;
  } catch (const host::ScriptError& error) {
    std::cout.flush();
    std::cerr << "zbx_host: " << scriptPath.string() << ", line " << error.Line() << ": "
              << error.what() << "\n";
    return kScriptStopped;
  } catch (const host::HostError& error) {
    std::cerr << "zbx_host: refusing " << libraryPath.string() << ": " << error.what() << "\n";
    return kCannotStart;
  } catch (const std::exception& error) {
    std::cerr << "zbx_host: " << error.what() << "\n";
    return kCannotStart;
  }
}
