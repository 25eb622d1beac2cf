// The program's audio layer: a recording device that records the analyzer's
// audio output and saves it as a wave file, and plays wave files back. The
// program uses it only through these two interfaces.
#pragma once

#include <QString>
#include <functional>
#include <memory>

enum class WaveStatusItem { SamplesPerSecond, AverageBytesPerSecond, BitsPerSample };
enum class PlayMode { Synchronous, Asynchronous, AsynchronousLooped };

// One recording device for the run of one command.
class WaveAudioDevice {
 public:
  virtual ~WaveAudioDevice() = default;

  // Opens the sound input for a new, unnamed recording; false when there is none.
  virtual bool Open() = 0;
  // Stops any sound Play started, then closes the device.
  virtual void Close() = 0;
  virtual bool Record() = 0;
  // Ends the recording, keeping everything recorded so far.
  virtual bool Stop() = 0;
  // Writes what was recorded as a wave file, whole or not at all.
  virtual bool Save(const QString& path) = 0;
  // The value of one item of the recording's format, 0 when it is not known.
  virtual int Status(WaveStatusItem item) = 0;
  // Plays a wave file, never a default sound instead; false for an empty
  // path or when no wave output exists.
  virtual bool Play(const QString& path, PlayMode mode) = 0;
  // `ended` runs when a recording ends by itself (the input went away); what
  // was recorded until then stays.
  virtual void SetInputEndedHandler(std::function<void()> ended) = 0;
};

// The machine's sound devices.
class AudioSystem {
 public:
  virtual ~AudioSystem() = default;

  virtual bool WaveOutputExists() = 0;
  virtual bool WaveInputExists() = 0;
  virtual std::unique_ptr<WaveAudioDevice> NewDevice() = 0;
};

// The audio layer over Qt Multimedia.
std::unique_ptr<AudioSystem> MakeAudioSystem();
