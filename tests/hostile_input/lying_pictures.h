#pragma once
// Pictures that lie about their size, for the engine's and the designer's
// hostile-input tests alike.
#include <cstdint>
#include <string>

namespace tessel_test {

// A BMP that claims the given size, with a full colour table when it has
// one and only sixteen bytes of pixels.
std::string BmpClaiming(int32_t width, int32_t height, uint16_t bitCount, uint32_t compression = 0);

// The fuzz seed baseline JPEG (16 x 12) with its frame header claiming
// another size; empty when the seed cannot be read.
std::string JpegClaiming(uint16_t width, uint16_t height);

// A file of the fuzz corpora or kept crashers, by its path under tests/fuzz.
std::string FuzzFile(const std::string& relativePath);

}  // namespace tessel_test
