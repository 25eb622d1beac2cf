#include "audio/AudioCommands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "audio/CRecordingStatusDlg.h"
#include "common/ReplacedFile.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"

namespace {

constexpr int kStatusUpdateMilliseconds = 100;

prompts::FileDialogRequest WaveFileRequest() {
  prompts::FileDialogRequest request;
  request.filter = QStringLiteral("Wave Audio Files (*.wav)|*.wav|All Files (*)|*||");
  request.defaultSuffix = QStringLiteral("*.wav");
  return request;
}

}  // namespace

AudioCommands::AudioCommands(std::unique_ptr<AudioSystem> system) : audio(std::move(system)) {}

void AudioCommands::RequestStop() {
  if (stopRecording) stopRecording();
}

void AudioCommands::Record(QWidget* owner, int& recording, int& playing) {
  if (Recording()) return;
  std::unique_ptr<WaveAudioDevice> device = audio->NewDevice();
  device->Open();
  recording = 1;
  playing = 0;
  QElapsedTimer clock;
  clock.start();
  CRecordingStatusDlg status(device->Status(WaveStatusItem::SamplesPerSecond), device->Status(WaveStatusItem::BitsPerSample),
                             device->Status(WaveStatusItem::AverageBytesPerSecond), clock.elapsed(), owner);
  status.show();
  if (device->Record()) {
    // The window stays alive in this loop until something ends the
    // recording: the Stop button, the frame closing, the program quitting
    // or the input going away.
    QEventLoop loop;
    bool ended = false;
    stopRecording = [&] {
      ended = true;
      loop.quit();
    };
    QObject::connect(&status, &CRecordingStatusDlg::Stopped, &loop, [this] { RequestStop(); });
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &loop, [this] { RequestStop(); });
    device->SetInputEndedHandler([this] { RequestStop(); });
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &status, [&] { status.UpdateStatus(clock.elapsed()); });
    ticker.start(kStatusUpdateMilliseconds);
    if (!ended) loop.exec();
    device->SetInputEndedHandler(nullptr);
    stopRecording = nullptr;
    device->Stop();
    status.hide();
    SaveRecording(owner, *device);
  }
  recording = 0;
  device->Close();
}

// The recording is kept until it is saved or the user drops it: a failed save
// says so and offers another file; Cancel in the file dialog drops it.
void AudioCommands::SaveRecording(QWidget* owner, WaveAudioDevice& device) {
  for (;;) {
    const QString path = prompts::SaveFileName(owner, WaveFileRequest());
    if (path.isEmpty()) return;
    bool saved = false;
    {
      WaitCursor wait;
      saved = device.Save(path);
    }
    if (saved) return;
    const QString failure = files::WithNewFileRefusal(QStringLiteral("The recording could not be saved to %1.").arg(path), path);
    if (prompts::Show(owner, failure + QStringLiteral("\nSave it to another file?"), prompts::Icon::Question) !=
        prompts::Answer::Yes)
      return;
  }
}

void AudioCommands::Playback(QWidget* owner, int& recording, int& playing) {
  playing = 1;
  recording = 0;
  const QString path = prompts::OpenFileName(owner, WaveFileRequest());
  if (!path.isEmpty()) {
    WaitCursor wait;
    std::unique_ptr<WaveAudioDevice> device = audio->NewDevice();
    device->Open();
    device->Play(path, PlayMode::Synchronous);
    device->Close();
  }
  playing = 0;
}
