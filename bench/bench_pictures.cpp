#include "bench/bench_pictures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace bench {
namespace {

// Neighbouring pixels differ a little, as in a scanned photograph.
uint32_t Noise(uint32_t x, uint32_t y) {
  uint32_t value = (x * 73856093u) ^ (y * 19349663u);
  value ^= value >> 13;
  value *= 0x5BD1E995u;
  return value ^ (value >> 15);
}

uint8_t Clamp(double value) { return static_cast<uint8_t>(std::lround(std::fmin(255.0, std::fmax(0.0, value)))); }

// 0xRRGGBB of a photograph: smooth shading with grain.
uint32_t PhotoPixel(uint32_t x, uint32_t y, uint32_t seed) {
  const double grain = static_cast<double>(Noise(x + seed, y) % 17) - 8;
  const double r = 128 + 90 * std::sin((x + seed) / 70.0) * std::cos(y / 90.0) + grain;
  const double g = 120 + 80 * std::cos((x + y) / 110.0) + grain;
  const double b = 110 + 70 * std::sin(y / 50.0 + seed) + grain;
  return static_cast<uint32_t>(Clamp(r)) << 16 | static_cast<uint32_t>(Clamp(g)) << 8 | Clamp(b);
}

// 0xRRGGBB of a screenshot: a title bar, then lines of dark strokes on
// white, as text in a window shows.
uint32_t ScreenPixel(uint32_t x, uint32_t y, uint32_t seed) {
  if (y < 24) return 0x0078D7;
  const uint32_t line = (y - 24) / 16, row = (y - 24) % 16;
  const bool inWord = Noise(x / 7 + seed, line) % 5 != 0 && row >= 3 && row < 13;
  return inWord && Noise(x, y + seed) % 3 == 0 ? 0x000000 : 0xFFFFFF;
}

void WriteBmp(const std::filesystem::path& path, uint32_t width, uint32_t height,
              uint32_t (*pixel)(uint32_t, uint32_t, uint32_t), uint32_t seed) {
  const uint32_t rowBytes = (width * 3 + 3) & ~3u;
  std::string bytes(54 + rowBytes * height, '\0');
  auto put = [&](size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(2, static_cast<uint32_t>(bytes.size()));
  put(10, 54);
  put(14, 40);
  put(18, width);
  put(22, height);
  bytes[26] = 1;
  bytes[28] = 24;
  for (uint32_t y = 0; y < height; ++y) {
    const size_t row = 54 + static_cast<size_t>(height - 1 - y) * rowBytes;
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t colour = pixel(x, y, seed);
      bytes[row + 3 * x] = static_cast<char>(colour & 0xFF);
      bytes[row + 3 * x + 1] = static_cast<char>((colour >> 8) & 0xFF);
      bytes[row + 3 * x + 2] = static_cast<char>((colour >> 16) & 0xFF);
    }
  }
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteJpeg(const std::filesystem::path& path, uint32_t width, uint32_t height, uint32_t seed) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + path.string());
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
  while (cinfo.next_scanline < height) {
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t colour = PhotoPixel(x, cinfo.next_scanline, seed);
      row[3 * x] = static_cast<JSAMPLE>(colour >> 16);
      row[3 * x + 1] = static_cast<JSAMPLE>((colour >> 8) & 0xFF);
      row[3 * x + 2] = static_cast<JSAMPLE>(colour & 0xFF);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  if (std::fclose(file) != 0) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

std::vector<BenchPicture> PicturesOf(BenchPictures pictures) {
  // Beside the page footer, under the body: pictures drawn over the body's
  // rows would push the rows down. A PDF holds each picture at its own size
  // whatever size it is drawn at.
  switch (pictures) {
    case BenchPictures::None: return {};
    case BenchPictures::LogoAndPhoto:
      return {{"Logo", "logo.bmp", 0, 1020, 30, 30}, {"Photo", "photo.jpg", 40, 1020, 40, 30}};
    case BenchPictures::PageOfBitmaps:
      return {{"Photo1", "photo1.bmp", 0, 1020, 40, 30},    {"Photo2", "photo2.bmp", 50, 1020, 40, 30},
              {"Screen1", "screen1.bmp", 100, 1020, 40, 30}, {"Screen2", "screen2.bmp", 150, 1020, 40, 30},
              {"Logo1", "logo1.bmp", 200, 1020, 30, 30},     {"Logo2", "logo2.bmp", 240, 1020, 30, 30}};
    case BenchPictures::LargePhoto: return {{"Header", "header.jpg", 0, 1020, 45, 30}};
  }
  return {};
}

void WriteBenchPictures(const std::filesystem::path& folder, BenchPictures pictures) {
  const std::filesystem::path samples = std::filesystem::path(TESSEL_SAMPLES) / "IMAGES";
  switch (pictures) {
    case BenchPictures::None: return;
    case BenchPictures::LogoAndPhoto:
      std::filesystem::copy_file(samples / "emblem.bmp", folder / "logo.bmp");
      std::filesystem::copy_file(samples / "photo.jpg", folder / "photo.jpg");
      return;
    case BenchPictures::PageOfBitmaps:
      WriteBmp(folder / "photo1.bmp", 640, 480, PhotoPixel, 0);
      WriteBmp(folder / "photo2.bmp", 640, 480, PhotoPixel, 300);
      WriteBmp(folder / "screen1.bmp", 640, 480, ScreenPixel, 0);
      WriteBmp(folder / "screen2.bmp", 640, 480, ScreenPixel, 77);
      std::filesystem::copy_file(samples / "emblem.bmp", folder / "logo1.bmp");
      std::filesystem::copy_file(samples / "logo.bmp", folder / "logo2.bmp");
      return;
    case BenchPictures::LargePhoto: WriteJpeg(folder / "header.jpg", 6000, 4000, 0); return;
  }
}

}  // namespace bench
