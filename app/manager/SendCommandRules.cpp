#include "manager/SendCommandRules.h"

namespace {
const char* const kBlockedCommands[] = {"QQQ", "QSB", "QBB", "QBD", "QCD", "QRD", "QCQ"};
}  // namespace

QString CommandTextFromInput(const QString& typed) { return typed.left(kMaxCommandText).toUpper(); }

bool IsBlockedCommand(const QString& commandText) {
  for (const char* blocked : kBlockedCommands) {
    if (commandText.contains(QLatin1String(blocked))) return true;
  }
  return false;
}

bool IsQuery(const QString& commandText) { return commandText.startsWith(QLatin1Char('Q')); }

QStringList ResultRows(const QByteArray& reply) {
  QStringList rows = QString::fromLatin1(reply).split(QLatin1Char('\t'));
  if (rows.size() > 1 && rows.constLast().isEmpty()) rows.removeLast();
  return rows;
}
