// The texts of the "Recording Status" dialog.
#pragma once

#include <QString>

namespace recording {

// "%d Hz, %d-bit".
QString SampleRateText(int samplesPerSecond, int bitsPerSample);
// "%.1f Seconds".
QString ElapsedText(float seconds);
// The size the file will have after `seconds`: "%d Bytes" below 1000,
// "%.1f KB" below 1,000,000, "%.2f MB" from there up.
QString SizeText(int bytesPerSecond, float seconds);

}  // namespace recording
