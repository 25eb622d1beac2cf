// What the Send Command window sends and how it lays out a reply.
#pragma once

#include <QByteArray>
#include <QStringList>

inline constexpr int kMaxCommandText = 127;

// The typed text as it is sent: at most 127 characters, upper case.
QString CommandTextFromInput(const QString& typed);
// Transfers and screen reads would flood the window; these are refused.
bool IsBlockedCommand(const QString& commandText);
bool IsQuery(const QString& commandText);
// One "Result" cell per TAB-separated piece of the reply; the trailing TAB
// after the last line starts no further row.
QStringList ResultRows(const QByteArray& reply);
