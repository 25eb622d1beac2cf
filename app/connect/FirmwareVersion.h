// The firmware check made after connecting.
#pragma once

#include <QString>

// The decimal number read from the version text's second character on:
// leading digits and one decimal point; no number reads as 0.
double FirmwareNumber(const QString& versionText);
// Firmware older than 5.11 may give inaccurate results.
bool IsFirmwareTooOld(const QString& versionText);
