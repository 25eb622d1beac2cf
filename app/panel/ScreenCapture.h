// The three ways the Capture button keeps the analyzer's screen picture: on
// the clipboard, in a bitmap file, or on paper.
#pragma once

class QImage;
class QPrinter;
class QWidget;

namespace panel {

inline constexpr const char* kBitmapSaveFailed = "An error occured while saving the bitmap image to disk.";
inline constexpr const char* kPrintFailed = "An error occured printing the bitmap.";

void CaptureToClipboard(const QImage& picture);
// Asks for a file name and writes the bitmap file of `bitmap`
// (talvinet::kBitmapImageSize bytes), the same file `verda screen` writes.
void CaptureToBitmapFile(QWidget* parent, const unsigned char* bitmap);
// Shows the print dialog for `printer` and on OK prints one page.
void CaptureToPrinter(QWidget* parent, QPrinter& printer, const QImage& picture, int printSize);

}  // namespace panel
