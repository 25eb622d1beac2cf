#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "AnalyzerSession.h"
#include "PngFile.h"
#include "talvinet/ScreenBitmapFile.h"

namespace verda {
namespace {

enum class PictureFormat { Bitmap, Png };

std::optional<PictureFormat> FormatOf(const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower.ends_with(".bmp")) return PictureFormat::Bitmap;
  if (lower.ends_with(".png")) return PictureFormat::Png;
  return std::nullopt;
}

int RunScreen(std::vector<std::string> arguments) {
  if (arguments.size() != 1) return UsageError(kScreenCommand, "expects one output file");
  const std::string& path = arguments[0];
  const std::optional<PictureFormat> format = FormatOf(path);
  if (!format) return UsageError(kScreenCommand, "the output file ends in .bmp or .png, not '" + path + "'");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  // The capture's delay depends on the model.
  if (analyzer.InitHardwareInfo(0) == 0) return Fail(kExitFailure, "the analyzer did not tell its hardware setup");
  std::array<unsigned char, talvinet::kScreenBufferSize> screen{};
  if (analyzer.GetDisplayData(talvinet::kFullCapture, screen.data(), 0, 0) == 0 ||
      analyzer.LastCaptureComplete() == 0) {
    return Fail(kExitFailure, "the analyzer did not send its whole screen");
  }
  std::array<unsigned char, talvinet::kBitmapImageSize> bitmap{};
  Talvinet::CreateBitmapFromData(bitmap.data(), screen.data());
  const bool written = *format == PictureFormat::Bitmap ? talvinet::WriteScreenBitmapFile(path, bitmap.data())
                                                        : WriteScreenPng(path, bitmap.data());
  if (!written) return Fail(kExitFailure, WriteFailure(path, "could not write '" + path + "'"));
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kScreenCommand = {
    "screen", "OUT.bmp|OUT.png",
    "Captures the analyzer's whole screen and writes it as a 480 x 128 picture,\n"
    "lit pixels black on white: a Windows bitmap file for .bmp, a PNG file\n"
    "for .png.",
    RunScreen};

}  // namespace verda
