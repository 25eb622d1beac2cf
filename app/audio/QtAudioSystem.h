// The audio layer over Qt Multimedia: the default sound input records into a
// temporary file of raw samples, which Save turns into a wave file.
#pragma once

#include <QAudioFormat>
#include <QTemporaryFile>
#include <memory>

#include "audio/WaveAudioDevice.h"
#include "audio/WaveFile.h"

class QAudioSource;
class QSoundEffect;

class QtWaveAudioDevice final : public WaveAudioDevice {
 public:
  QtWaveAudioDevice();
  ~QtWaveAudioDevice() override;

  bool Open() override;
  void Close() override;
  bool Record() override;
  bool Stop() override;
  bool Save(const QString& path) override;
  int Status(WaveStatusItem item) override;
  bool Play(const QString& path, PlayMode mode) override;
  void SetInputEndedHandler(std::function<void()> ended) override { inputEnded = std::move(ended); }

 private:
  std::unique_ptr<QAudioSource> input;
  WaveFormat format;
  QTemporaryFile samples;
  std::unique_ptr<QSoundEffect> sound;
  std::function<void()> inputEnded;
  bool recording = false;
};

class QtAudioSystem final : public AudioSystem {
 public:
  bool WaveOutputExists() override;
  bool WaveInputExists() override;
  std::unique_ptr<WaveAudioDevice> NewDevice() override { return std::make_unique<QtWaveAudioDevice>(); }
};
