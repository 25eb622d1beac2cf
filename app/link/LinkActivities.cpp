#include "link/LinkActivities.h"

namespace activities {

QString Talking() { return QStringLiteral("Talking to the analyzer…"); }
QString Connecting() { return QStringLiteral("Connecting to the analyzer…"); }
QString Disconnecting() { return QStringLiteral("Disconnecting from the analyzer…"); }
QString Identifying() { return QStringLiteral("Reading the analyzer's identity…"); }
QString Listing() { return QStringLiteral("Listing the analyzer's files…"); }
QString ReadingRecord() { return QStringLiteral("Reading a record from the analyzer…"); }

QString ReadingRecord(const QString& record) {
  return QStringLiteral("Reading record %1 from the analyzer…").arg(record.simplified());
}

QString Downloading(const QString& fileName, int record, int count) {
  const QString name = fileName.trimmed();
  if (count < 1) return QStringLiteral("Downloading %1…").arg(name);
  return QStringLiteral("Downloading %1: record %2 of %3…").arg(name).arg(record).arg(count);
}

QString ReadingKeys() { return QStringLiteral("Reading the analyzer's keys…"); }
QString PressingKey() { return QStringLiteral("Pressing a key on the analyzer…"); }
QString CapturingScreen() { return QStringLiteral("Capturing the analyzer's screen…"); }
QString ReadingStatus() { return QStringLiteral("Reading the analyzer's status…"); }
QString Setting() { return QStringLiteral("Sending settings to the analyzer…"); }
QString TransferringSetup() { return QStringLiteral("Transferring a setup with the analyzer…"); }

}  // namespace activities
