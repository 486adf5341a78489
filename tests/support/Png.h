#pragma once
// A minimal PNG writer for test screenshots: 24-bit RGB, stored (uncompressed)
// deflate blocks, so no compression library is needed.
#include <cstdint>
#include <string>
#include <vector>

namespace TestSupport {

// rgb holds width * height pixels, three bytes each, top row first.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb);

// Writes the bytes to the file; false when it cannot be written.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace TestSupport
