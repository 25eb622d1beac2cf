// What the status bar says the analyzer is doing while a call of the link runs.
#pragma once

#include <QString>

namespace activities {

QString Talking();
QString Connecting();
QString Disconnecting();
QString Identifying();
QString Listing();
QString ReadingRecord();
// "Reading record Leq 1 from the analyzer…", with the record as the tree names it.
QString ReadingRecord(const QString& record);
// "Downloading DEMO: record 2 of 4…"; the file alone while `count` is 0.
QString Downloading(const QString& fileName, int record, int count);
QString ReadingKeys();
QString PressingKey();
QString CapturingScreen();
QString ReadingStatus();
QString Setting();
QString TransferringSetup();

}  // namespace activities
