#include "audio/QtAudioSystem.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <sndfile.h>

namespace {

// The analyzer's audio output is one channel; 16 bits at 22,050 Hz keeps
// its band and the files small.
constexpr int kPreferredRate = 22050;
// Play waits this much longer than the file lasts before giving up on an
// output that never reports the end.
constexpr int kPlayGraceMilliseconds = 2000;

QAudioFormat RecordingFormat(const QAudioDevice& device) {
  QAudioFormat format;
  format.setSampleRate(kPreferredRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  if (device.isFormatSupported(format)) return format;
  format = device.preferredFormat();
  if (format.sampleFormat() == QAudioFormat::Unknown) format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

WaveFormat WaveFormatOf(const QAudioFormat& format) {
  WaveFormat wave;
  wave.samplesPerSecond = format.sampleRate();
  wave.channels = format.channelCount();
  wave.bitsPerSample = format.bytesPerSample() * 8;
  wave.floatingPoint = format.sampleFormat() == QAudioFormat::Float;
  return wave;
}

// How long the wave file at `path` plays, or -1 when it is no wave file.
qint64 PlayingMilliseconds(const QString& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
  if (!file) return -1;
  sf_close(file);
  if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV || info.samplerate <= 0) return -1;
  return info.frames * 1000 / info.samplerate;
}

}  // namespace

std::unique_ptr<AudioSystem> MakeAudioSystem() { return std::make_unique<QtAudioSystem>(); }

bool QtAudioSystem::WaveOutputExists() { return !QMediaDevices::audioOutputs().isEmpty(); }
bool QtAudioSystem::WaveInputExists() { return !QMediaDevices::audioInputs().isEmpty(); }

QtWaveAudioDevice::QtWaveAudioDevice() = default;

QtWaveAudioDevice::~QtWaveAudioDevice() { Close(); }

bool QtWaveAudioDevice::Open() {
  const QAudioDevice device = QMediaDevices::defaultAudioInput();
  if (device.isNull() || !samples.open()) return false;
  const QAudioFormat chosen = RecordingFormat(device);
  input = std::make_unique<QAudioSource>(device, chosen);
  format = WaveFormatOf(chosen);
  QObject::connect(input.get(), &QAudioSource::stateChanged, [this](QAudio::State state) {
    // A recording that stops without being told to lost its input.
    if (state == QAudio::StoppedState && recording) {
      recording = false;
      if (inputEnded) inputEnded();
    }
  });
  return true;
}

void QtWaveAudioDevice::Close() {
  if (sound) sound->stop();
  sound.reset();
  recording = false;
  input.reset();
}

bool QtWaveAudioDevice::Record() {
  if (!input) return false;
  recording = true;
  input->start(&samples);
  if (input->error() == QAudio::NoError) return true;
  recording = false;
  return false;
}

bool QtWaveAudioDevice::Stop() {
  if (!input) return false;
  recording = false;
  input->stop();
  return true;
}

bool QtWaveAudioDevice::Save(const QString& path) {
  if (!input || !samples.seek(0)) return false;
  return WriteWaveFile(path, format, samples);
}

int QtWaveAudioDevice::Status(WaveStatusItem item) {
  if (!input) return 0;
  switch (item) {
    case WaveStatusItem::SamplesPerSecond:
      return format.samplesPerSecond;
    case WaveStatusItem::AverageBytesPerSecond:
      return format.AverageBytesPerSecond();
    case WaveStatusItem::BitsPerSample:
      return format.bitsPerSample;
  }
  return 0;
}

bool QtWaveAudioDevice::Play(const QString& path, PlayMode mode) {
  if (path.isEmpty() || QMediaDevices::audioOutputs().isEmpty()) return false;
  const qint64 length = PlayingMilliseconds(path);
  if (length < 0) return false;
  sound = std::make_unique<QSoundEffect>();
  sound->setSource(QUrl::fromLocalFile(path));
  sound->setLoopCount(mode == PlayMode::AsynchronousLooped ? QSoundEffect::Infinite : 1);
  sound->play();
  if (mode != PlayMode::Synchronous) return sound->status() != QSoundEffect::Error;
  QEventLoop loop;
  bool started = false;
  auto watch = [&] {
    started = started || sound->isPlaying();
    if (sound->status() == QSoundEffect::Error || (started && !sound->isPlaying())) loop.quit();
  };
  QObject::connect(sound.get(), &QSoundEffect::playingChanged, &loop, watch);
  QObject::connect(sound.get(), &QSoundEffect::statusChanged, &loop, watch);
  QTimer::singleShot(length + kPlayGraceMilliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  return started && sound->status() != QSoundEffect::Error;
}
