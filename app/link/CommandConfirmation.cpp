#include "link/CommandConfirmation.h"

#include "link/AnalyzerLink.h"

CommandConfirmation ConfirmCommand(AnalyzerLink& link, bool sent) {
  const CommandOutcomeStruct outcome = link.GetLastCommandOutcome();
  const int code = outcome.codeLineCame != 0 ? outcome.code : 0;
  return {sent && outcome.codeLineCame != 0 && code == 0, code};
}

QString AnalyzerErrorLine(const CommandConfirmation& confirmation) {
  if (confirmation.analyzerError == 0) return {};
  return QStringLiteral("The analyzer answered with error %1.").arg(confirmation.analyzerError);
}

QString WithAnalyzerError(const QString& failure, const CommandConfirmation& confirmation) {
  const QString line = AnalyzerErrorLine(confirmation);
  return line.isEmpty() ? failure : failure + QLatin1Char('\n') + line;
}
