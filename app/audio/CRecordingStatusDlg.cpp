#include "audio/CRecordingStatusDlg.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "audio/RecordingTexts.h"

CRecordingStatusDlg::CRecordingStatusDlg(int samplesPerSecond, int bitsPerSample, int bytesPerSecond,
                                         qint64 startClock, QWidget* parent)
    : QDialog(parent),
      start_clock(startClock),
      bytes_per_second(bytesPerSecond),
      samples_per_second(samplesPerSecond),
      bits_per_sample(bitsPerSample) {
  setObjectName(QStringLiteral("recordingStatus"));
  setWindowTitle(QStringLiteral("Recording Status"));
  auto* rateText = new QLabel(recording::SampleRateText(samples_per_second, bits_per_sample), this);
  rateText->setObjectName(QStringLiteral("sampleRateText"));
  elapsedText = new QLabel(QStringLiteral("0 Seconds"), this);
  elapsedText->setObjectName(QStringLiteral("elapsedTimeText"));
  sizeText = new QLabel(QStringLiteral("0 Bytes"), this);
  sizeText->setObjectName(QStringLiteral("fileSizeText"));
  auto* stop = new QPushButton(QStringLiteral("&Stop"), this);
  stop->setObjectName(QStringLiteral("stopButton"));
  stop->setDefault(true);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Sample Rate:"), this), 0, 0);
  layout->addWidget(rateText, 0, 1);
  layout->addWidget(new QLabel(QStringLiteral("Elapsed Time:"), this), 1, 0);
  layout->addWidget(elapsedText, 1, 1);
  layout->addWidget(new QLabel(QStringLiteral("File Size:"), this), 2, 0);
  layout->addWidget(sizeText, 2, 1);
  layout->addWidget(stop, 3, 0, 1, 2, Qt::AlignHCenter);
  layout->setColumnMinimumWidth(1, 140);
  layout->setVerticalSpacing(8);
  layout->setContentsMargins(16, 14, 16, 14);
  stop->setMinimumWidth(90);
  connect(stop, &QPushButton::clicked, this, &CRecordingStatusDlg::RequestStop);
}

void CRecordingStatusDlg::UpdateStatus(qint64 now) {
  const float seconds = static_cast<float>(now - start_clock) / 1000.0f;
  elapsedText->setText(recording::ElapsedText(seconds));
  sizeText->setText(recording::SizeText(bytes_per_second, seconds));
}

void CRecordingStatusDlg::RequestStop() {
  stop_requested = 1;
  emit Stopped();
}

// Closing the window or pressing Escape stops the recording as the button does.
void CRecordingStatusDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
  RequestStop();
}

void CRecordingStatusDlg::reject() { RequestStop(); }
