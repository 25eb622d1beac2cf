#include "talvinet/ScreenBitmapFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "talvinet/Talvinet.h"

namespace talvinet {
namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> BitmapOf(const std::vector<unsigned char>& screen) {
  std::vector<unsigned char> bitmap(kBitmapImageSize);
  Talvinet::CreateBitmapFromData(bitmap.data(), screen.data());
  return bitmap;
}

TEST(ScreenBitmapFileTest, HeaderPaletteAndRowsBottomFirst) {
  const std::vector<unsigned char> header = {
      'B', 'M', 0x3E, 0x1E, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,                         // file header
      40, 0, 0, 0, 0xE0, 0x01, 0, 0, 128, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0,       // size, width, height, planes, bits
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                // fields left at 0
      0, 0, 0, 0, 255, 255, 255, 0};                                              // black, white
  std::vector<unsigned char> screen(kScreenBufferSize, 0);
  const auto unlit = ScreenBitmapFileBytes(BitmapOf(screen).data());
  ASSERT_EQ(unlit.size(), 7742u);
  EXPECT_EQ(std::vector<unsigned char>(unlit.begin(), unlit.begin() + 62), header);
  EXPECT_EQ(std::vector<unsigned char>(unlit.begin() + 62, unlit.end()), std::vector<unsigned char>(7680, 0xFF));

  screen[0] = 0x80;  // the top-left pixel lies in the file's last row
  const auto one = ScreenBitmapFileBytes(BitmapOf(screen).data());
  std::vector<unsigned char> pixels(7680, 0xFF);
  pixels[127 * 60] = 0x7F;
  EXPECT_EQ(std::vector<unsigned char>(one.begin() + 62, one.end()), pixels);

  const auto lit = ScreenBitmapFileBytes(BitmapOf(std::vector<unsigned char>(kScreenBufferSize, 0xFF)).data());
  EXPECT_EQ(std::vector<unsigned char>(lit.begin() + 62, lit.end()), std::vector<unsigned char>(7680, 0));
}

TEST(ScreenBitmapFileTest, WrittenWholeOrNotAtAll) {
  const fs::path folder = fs::temp_directory_path() / ("screen-bitmap-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::vector<unsigned char> bitmap(kBitmapImageSize, 0xA5);
  ASSERT_TRUE(WriteScreenBitmapFile((folder / "shot.bmp").string(), bitmap.data()));
  std::ifstream in(folder / "shot.bmp", std::ios::binary);
  const std::vector<unsigned char> written((std::istreambuf_iterator<char>(in)), {});
  const auto expected = ScreenBitmapFileBytes(bitmap.data());
  EXPECT_EQ(written, std::vector<unsigned char>(expected.begin(), expected.end()));
  EXPECT_FALSE(WriteScreenBitmapFile((folder / "missing" / "shot.bmp").string(), bitmap.data()));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace talvinet
