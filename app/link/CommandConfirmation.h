// A command the analyzer was sent is done only once its error-code line came
// back with no error; what the windows say about a command follows from that.
#pragma once

#include <QString>

#include "common/WaitCursor.h"

class AnalyzerLink;

struct CommandConfirmation {
  bool done = false;
  int analyzerError = 0;  // the code the analyzer answered with; 0 for none
};

// What became of the command operation whose result was `sent`.
CommandConfirmation ConfirmCommand(AnalyzerLink& link, bool sent);

// Runs the command operation `call` under the wait cursor and learns whether
// the analyzer confirmed it.
template <typename Call>
CommandConfirmation RunCommand(AnalyzerLink& link, Call call) {
  WaitCursor wait;
  const bool sent = call();
  return ConfirmCommand(link, sent);
}

// "The analyzer answered with error N." when it did; empty otherwise.
QString AnalyzerErrorLine(const CommandConfirmation& confirmation);
// `failure` with the analyzer's error on a line under it, when it answered with one.
QString WithAnalyzerError(const QString& failure, const CommandConfirmation& confirmation);
