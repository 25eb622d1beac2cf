#include "audio/WaveFile.h"

#include <QSaveFile>
#include <array>
#include <sndfile.h>

#include "common/ReplacedFile.h"

namespace {

// libsndfile's virtual I/O over the file being written, so that the wave
// file appears only once it is complete.
sf_count_t Length(void* device) { return static_cast<QSaveFile*>(device)->size(); }
sf_count_t Seek(sf_count_t offset, int whence, void* data) {
  auto* file = static_cast<QSaveFile*>(data);
  const qint64 base = whence == SEEK_CUR ? file->pos() : whence == SEEK_END ? file->size() : 0;
  return file->seek(base + offset) ? file->pos() : -1;
}
sf_count_t Read(void*, sf_count_t, void*) { return 0; }
sf_count_t Write(const void* bytes, sf_count_t count, void* device) {
  return static_cast<QSaveFile*>(device)->write(static_cast<const char*>(bytes), count);
}
sf_count_t Tell(void* device) { return static_cast<QSaveFile*>(device)->pos(); }

int SampleFormat(const WaveFormat& format) {
  if (format.floatingPoint) return format.bitsPerSample == 32 ? SF_FORMAT_FLOAT : 0;
  switch (format.bitsPerSample) {
    case 8:
      return SF_FORMAT_PCM_U8;
    case 16:
      return SF_FORMAT_PCM_16;
    case 32:
      return SF_FORMAT_PCM_32;
    default:
      return 0;
  }
}

}  // namespace

bool WriteWaveFile(const QString& path, const WaveFormat& format, QIODevice& samples) {
  const int sampleFormat = SampleFormat(format);
  if (sampleFormat == 0 || format.channels < 1 || format.samplesPerSecond < 1) return false;
  QSaveFile file(path);
  if (!files::OpenReplacing(file)) return false;
  SF_INFO info{};
  info.samplerate = format.samplesPerSecond;
  info.channels = format.channels;
  info.format = SF_FORMAT_WAV | sampleFormat;
  SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
  SNDFILE* wave = sf_open_virtual(&io, SFM_WRITE, &info, &file);
  if (!wave) return false;
  // Whole frames only: the raw bytes are copied in blocks of whole frames.
  const int frameBytes = format.BytesPerFrame();
  std::array<char, 65536> block{};
  const qint64 blockBytes = static_cast<qint64>(block.size()) / frameBytes * frameBytes;
  bool written = true;
  QByteArray pending;
  while (written) {
    const qint64 got = samples.read(block.data(), blockBytes - pending.size());
    if (got <= 0) break;
    pending.append(block.data(), got);
    const qint64 whole = pending.size() / frameBytes * frameBytes;
    written = sf_write_raw(wave, pending.constData(), whole) == whole;
    pending.remove(0, whole);
  }
  written = sf_close(wave) == 0 && written;
  return written && file.commit();
}
