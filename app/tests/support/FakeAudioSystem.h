// An audio layer without sound hardware: its device "records" scripted
// samples and logs what the program asks of it.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <functional>

#include "audio/WaveAudioDevice.h"
#include "audio/WaveFile.h"

struct FakeAudioScript {
  bool waveOutputExists = true;
  bool waveInputExists = true;
  bool openSucceeds = true;
  bool recordSucceeds = true;
  WaveFormat format{22050, 1, 16, false};
  QByteArray samples = QByteArray(4410, '\x11');  // what a recording holds once stopped
};

struct FakeAudioLog {
  QStringList calls;  // "Open", "Record", "Stop", "Save <path>", "Play <path>", "Close"
  std::function<void()> inputEnded;  // the running recording's handler; call it to pull the plug
};

class FakeAudioSystem : public AudioSystem {
 public:
  FakeAudioSystem(FakeAudioScript& scripted, FakeAudioLog& recorded) : script(scripted), log(recorded) {}

  bool WaveOutputExists() override { return script.waveOutputExists; }
  bool WaveInputExists() override { return script.waveInputExists; }
  std::unique_ptr<WaveAudioDevice> NewDevice() override;

 private:
  FakeAudioScript& script;
  FakeAudioLog& log;
};
