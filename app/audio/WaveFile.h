// Writing recorded sound as a wave file, through libsndfile.
#pragma once

#include <QString>

class QIODevice;

struct WaveFormat {
  int samplesPerSecond = 0;
  int channels = 0;
  int bitsPerSample = 0;  // 8 (unsigned), 16 or 32 (signed integers)
  bool floatingPoint = false;  // 32-bit float samples instead of integers

  int BytesPerFrame() const { return channels * bitsPerSample / 8; }
  int AverageBytesPerSecond() const { return samplesPerSecond * BytesPerFrame(); }
};

// Writes the raw little-endian samples read from `samples` as a PCM wave file
// at `path`, whole or not at all; a trailing part frame is dropped. False for
// a format the file cannot hold or when the file could not be written.
bool WriteWaveFile(const QString& path, const WaveFormat& format, QIODevice& samples);
