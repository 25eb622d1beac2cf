#include "audio/RecordingTexts.h"

#include <cmath>
#include <limits>

namespace recording {

QString SampleRateText(int samplesPerSecond, int bitsPerSample) {
  return QStringLiteral("%1 Hz, %2-bit").arg(samplesPerSecond).arg(bitsPerSample);
}

QString ElapsedText(float seconds) { return QString::asprintf("%.1f Seconds", static_cast<double>(seconds)); }

QString SizeText(int bytesPerSecond, float seconds) {
  // Reckoned in single precision, as the clock's seconds are.
  const float size = static_cast<float>(bytesPerSecond) * seconds;
  const double bytes = std::isfinite(size) ? std::trunc(static_cast<double>(size)) : 0.0;
  if (bytes < 1000.0) return QStringLiteral("%1 Bytes").arg(static_cast<long long>(bytes));
  if (bytes < 1000000.0) return QString::asprintf("%.1f KB", bytes / 1000.0);
  return QString::asprintf("%.2f MB", bytes / 1000000.0);
}

}  // namespace recording
