#include "connect/FirmwareVersion.h"

double FirmwareNumber(const QString& versionText) {
  QString number;
  bool pointSeen = false;
  for (qsizetype i = 1; i < versionText.size(); ++i) {
    const QChar c = versionText[i];
    if (c == QLatin1Char('.') && !pointSeen) {
      pointSeen = true;
    } else if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
      break;
    }
    number += c;
  }
  bool ok = false;
  const double value = number.toDouble(&ok);
  return ok ? value : 0.0;
}

bool IsFirmwareTooOld(const QString& versionText) {
  return FirmwareNumber(versionText) < QStringLiteral("5.11").toDouble();
}
