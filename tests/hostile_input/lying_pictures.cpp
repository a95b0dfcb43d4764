#include "tests/hostile_input/lying_pictures.h"

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tessel_test {
namespace {

void PutLe(std::string& bytes, std::size_t at, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

}  // namespace

std::string BmpClaiming(int32_t width, int32_t height, uint16_t bitCount, uint32_t compression) {
  const std::size_t colours = bitCount <= 8 ? (std::size_t{1} << bitCount) : 0;
  const std::size_t pixelsAt = 14 + 40 + 4 * colours;
  std::string bytes(pixelsAt + 16, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutLe(bytes, 2, static_cast<uint32_t>(bytes.size()), 4);
  PutLe(bytes, 10, static_cast<uint32_t>(pixelsAt), 4);
  PutLe(bytes, 14, 40, 4);
  PutLe(bytes, 18, static_cast<uint32_t>(width), 4);
  PutLe(bytes, 22, static_cast<uint32_t>(height), 4);
  PutLe(bytes, 26, 1, 2);
  PutLe(bytes, 28, bitCount, 2);
  PutLe(bytes, 30, compression, 4);
  for (std::size_t i = 0; i < colours; ++i) PutLe(bytes, 54 + 4 * i, 0x010101u * static_cast<uint32_t>(i), 4);
  return bytes;
}

std::string FuzzFile(const std::string& relativePath) {
  std::ifstream in(std::filesystem::path(TESSEL_FUZZ_DIR) / relativePath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string JpegClaiming(uint16_t width, uint16_t height) {
  std::string bytes = FuzzFile("corpus/jpeg/baseline.jpg");
  const std::size_t frame = bytes.find("\xFF\xC0");
  if (frame == std::string::npos || frame + 9 > bytes.size()) return {};
  bytes[frame + 5] = static_cast<char>(height >> 8);
  bytes[frame + 6] = static_cast<char>(height);
  bytes[frame + 7] = static_cast<char>(width >> 8);
  bytes[frame + 8] = static_cast<char>(width);
  return bytes;
}

}  // namespace tessel_test
