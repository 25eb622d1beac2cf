#include "tests/support/FakeAudioSystem.h"

#include <QBuffer>

namespace {

class FakeWaveAudioDevice : public WaveAudioDevice {
 public:
  FakeWaveAudioDevice(FakeAudioScript& scripted, FakeAudioLog& recorded) : script(scripted), log(recorded) {}

  bool Open() override {
    log.calls << QStringLiteral("Open");
    opened = script.openSucceeds;
    return opened;
  }
  void Close() override { log.calls << QStringLiteral("Close"); }
  bool Record() override {
    log.calls << QStringLiteral("Record");
    return opened && script.recordSucceeds;
  }
  bool Stop() override {
    log.calls << QStringLiteral("Stop");
    return opened;
  }
  bool Save(const QString& path) override {
    log.calls << QStringLiteral("Save ") + path;
    QBuffer samples(&script.samples);
    return opened && samples.open(QIODevice::ReadOnly) && WriteWaveFile(path, script.format, samples);
  }
  int Status(WaveStatusItem item) override {
    if (!opened) return 0;
    switch (item) {
      case WaveStatusItem::SamplesPerSecond:
        return script.format.samplesPerSecond;
      case WaveStatusItem::AverageBytesPerSecond:
        return script.format.AverageBytesPerSecond();
      case WaveStatusItem::BitsPerSample:
        return script.format.bitsPerSample;
    }
    return 0;
  }
  bool Play(const QString& path, PlayMode) override {
    log.calls << QStringLiteral("Play ") + path;
    return !path.isEmpty() && script.waveOutputExists;
  }
  void SetInputEndedHandler(std::function<void()> ended) override { log.inputEnded = std::move(ended); }

 private:
  FakeAudioScript& script;
  FakeAudioLog& log;
  bool opened = false;
};

}  // namespace

std::unique_ptr<WaveAudioDevice> FakeAudioSystem::NewDevice() { return std::make_unique<FakeWaveAudioDevice>(script, log); }
