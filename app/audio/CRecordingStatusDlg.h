// The modeless "Recording Status" dialog: the sample format, the time
// recorded and the size the file will have, and the button that stops.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class CRecordingStatusDlg : public QDialog {
  Q_OBJECT

 public:
  CRecordingStatusDlg(int samplesPerSecond, int bitsPerSample, int bytesPerSecond, qint64 startClock,
                      QWidget* parent = nullptr);

  // Shows the time and size at clock reading `now` (milliseconds).
  void UpdateStatus(qint64 now);
  bool StopRequested() const { return stop_requested != 0; }

 signals:
  void Stopped();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void RequestStop();

  qint64 start_clock;
  int bytes_per_second;
  int samples_per_second;
  int bits_per_sample;
  int stop_requested = 0;
  QLabel* elapsedText = nullptr;
  QLabel* sizeText = nullptr;
};
