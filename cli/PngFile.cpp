#include "PngFile.h"

#include <png.h>

#include <vector>

#include "talvinet/Talvinet.h"
#include "talvinet/WholeFile.h"

namespace verda {
namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

void NoFlush(png_structp) {}

// The whole PNG file in memory; empty when libpng failed.
std::vector<unsigned char> EncodePng(const unsigned char* bitmap) {
  std::vector<unsigned char> out;
  // Everything that owns memory is made before libpng may jump back.
  std::vector<png_bytep> rows(talvinet::kScreenHeight);
  for (int row = 0; row < talvinet::kScreenHeight; ++row) {
    rows[static_cast<std::size_t>(row)] = const_cast<png_bytep>(bitmap + row * talvinet::kBitmapRowBytes);
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return {};
  }
  // libpng reports its failures by jumping back here.
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    out.clear();
    return out;
  }
  png_set_write_fn(png, &out, AppendBytes, NoFlush);
  // In a one-bit grey picture 1 is white, as in the bitmap image.
  png_set_IHDR(png, info, talvinet::kScreenWidth, talvinet::kScreenHeight, 1, PNG_COLOR_TYPE_GRAY,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rows.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace

bool WriteScreenPng(const std::string& path, const unsigned char* bitmap) {
  const std::vector<unsigned char> bytes = EncodePng(bitmap);
  return !bytes.empty() && talvinet::WriteWholeFile(path, bytes.data(), bytes.size());
}

}  // namespace verda
