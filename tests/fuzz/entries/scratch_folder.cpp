#include "tests/fuzz/entries/scratch_folder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "tests/fuzz/entries/invariant.h"

namespace tessel_fuzz {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tessel-fuzz-XXXXXX").string();
  CheckInvariant(mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::PathOf(std::string_view relativePath) const {
  return (path_ / relativePath).string();
}

std::string ScratchFolder::Write(std::string_view relativePath, std::string_view bytes) const {
  const std::filesystem::path file = path_ / relativePath;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  CheckInvariant(out.good(), "the scratch folder takes the input's files");
  return file.string();
}

void ScratchFolder::CopySamplePictures() const {
  for (const char* file : {"IMAGES/logo.bmp", "IMAGES/emblem.bmp", "IMAGES/photo.jpg",
                           "RTFS/notes.rtf"}) {
    Write(file, SampleBytes(file));
  }
}

std::string SampleBytes(std::string_view relativePath) {
  std::ifstream in(std::filesystem::path(TESSEL_FUZZ_SAMPLES) / relativePath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tessel_fuzz
