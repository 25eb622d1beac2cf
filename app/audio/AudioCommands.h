// The "&Record" and "&Playback" commands of the main frame: recording the
// analyzer's audio output into a wave file, and playing a wave file back.
#pragma once

#include <functional>
#include <memory>

#include "audio/WaveAudioDevice.h"

class QWidget;

class AudioCommands {
 public:
  explicit AudioCommands(std::unique_ptr<AudioSystem> audio);

  bool WaveOutputExists() { return audio->WaveOutputExists(); }
  bool WaveInputExists() { return audio->WaveInputExists(); }

  // Records until Stop, RequestStop or the end of the input, then asks where
  // to save the recording. `recording` and `playing` are the frame's flags.
  // A Record while one runs is ignored.
  void Record(QWidget* owner, int& recording, int& playing);
  void Playback(QWidget* owner, int& recording, int& playing);

  bool Recording() const { return static_cast<bool>(stopRecording); }
  // Ends a running recording as its Stop button does; it is still saved.
  void RequestStop();

 private:
  void SaveRecording(QWidget* owner, WaveAudioDevice& device);

  std::unique_ptr<AudioSystem> audio;
  std::function<void()> stopRecording;  // set while a recording runs
};
