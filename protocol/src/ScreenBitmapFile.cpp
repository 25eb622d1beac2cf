// The Windows bitmap file of a captured screen: a 62-byte header with a
// black and a white palette entry, then the rows bottom first.
#include "talvinet/ScreenBitmapFile.h"

#include <algorithm>
#include <cstdint>

#include "talvinet/Talvinet.h"
#include "talvinet/WholeFile.h"

namespace talvinet {

namespace {

constexpr std::uint32_t kPixelDataOffset = 62;
constexpr std::uint32_t kInformationHeaderSize = 40;

class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(unsigned char* out) : out_(out) {}
  void Put(std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) *out_++ = static_cast<unsigned char>(value >> (8 * i));
  }
  void Zeros(int count) { out_ += count; }  // the array starts zeroed

 private:
  unsigned char* out_;
};

}  // namespace

std::array<unsigned char, kScreenBitmapFileSize> ScreenBitmapFileBytes(const unsigned char* bitmap) {
  std::array<unsigned char, kScreenBitmapFileSize> file{};
  LittleEndianWriter header(file.data());
  header.Put('B', 1);
  header.Put('M', 1);
  header.Put(kScreenBitmapFileSize, 4);
  header.Zeros(4);
  header.Put(kPixelDataOffset, 4);
  header.Put(kInformationHeaderSize, 4);
  header.Put(kScreenWidth, 4);
  header.Put(kScreenHeight, 4);
  header.Put(1, 2);  // planes
  header.Put(1, 2);  // bits per pixel
  header.Zeros(4 * 6);  // no compression, and the fields left at 0
  header.Put(0x00000000, 4);  // colour 0: black
  header.Put(0x00FFFFFF, 4);  // colour 1: white
  for (int row = 0; row < kScreenHeight; ++row) {
    const unsigned char* source = bitmap + (kScreenHeight - 1 - row) * kBitmapRowBytes;
    std::copy(source, source + kBitmapRowBytes, file.begin() + kPixelDataOffset + row * kBitmapRowBytes);
  }
  return file;
}

bool WriteScreenBitmapFile(const std::string& path, const unsigned char* bitmap) {
  if (bitmap == nullptr) return false;
  const auto bytes = ScreenBitmapFileBytes(bitmap);
  return WriteWholeFile(path, bytes.data(), bytes.size());
}

}  // namespace talvinet
