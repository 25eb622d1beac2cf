// Every delay and reply-size rule of the analyzer protocol, in one place.
#pragma once

#include <chrono>

namespace talvinet::timing {

using std::chrono::milliseconds;

// How long the analyzer needs after a command or query, by mnemonic.
struct CommandDelay {
  const char* mnemonic;
  unsigned short milliseconds;            // model classes 1 and 2, and before identification
  unsigned short millisecondsModelClass3;  // the Deodar
};

inline constexpr CommandDelay kCommandDelays[] = {
    {"KE", 350, 350},     {"DO", 1400, 1400},   {"DX", 1400, 1400},  {"QSF", 400, 400},
    {"QSM", 200, 200},    {"QLV", 200, 200},    {"QHS", 500, 500},   {"QRG", 500, 500},
    {"QFQ", 500, 500},    {"QMA", 500, 500},    {"QKE", 500, 500},   {"QXM", 500, 500},
    {"QJT", 1950, 1950},  {"QBB", 10, 100},     {"QBD", 10, 100},    {"QFS", 300, 300},
    {"QQQRF", 1400, 2000}, {"QQQRD", 1400, 1600}, {"QWNC", 600, 600},
};
inline constexpr unsigned short kDefaultCommandDelay = 150;
inline constexpr unsigned short kModelClassDeodar = 3;

// Slow serial lines stretch every command delay, in tenths.
struct BaudScaling {
  long baudRate;
  unsigned tenths;
};
inline constexpr BaudScaling kBaudScaling[] = {{1200, 32}, {2400, 22}, {4800, 12}};

// Pause after a command on a slow serial line before its error-code line is read.
struct BaudPacing {
  long baudRate;
  int milliseconds;
};
inline constexpr BaudPacing kCommandPacing[] = {{1200, 200}, {2400, 100}};

// How many reply lines a query produces, by key.
inline constexpr unsigned short kCountedLines = 897;        // first line holds the count of lines that follow
inline constexpr unsigned short kLinesUntilEmptyLine = 898;  // lines until one that is only CR LF
struct ReplyLines {
  const char* key;
  unsigned short lines;
};
inline constexpr const char* kAllKeyNamesQuery = "QKE *";
inline constexpr ReplyLines kReplyLines[] = {
    {"QCL", 3},   {"QHS", 10},  {"QSF", 9},   {"QCB", 897}, {"QDD", 897}, {"QFD", 897},
    {"QJS", 897}, {"QJT", 897}, {"QMA", 897}, {"QRD", 897}, {"QKE *", 898},
};
inline constexpr unsigned short kDefaultReplyLines = 1;
inline constexpr int kMaxLinesUntilEmptyLine = 128;

// Transport time-outs and pauses.
inline constexpr int kLinkTimeoutSeconds = 2;
inline constexpr int kOpenConnectionTimeoutSeconds = 4;
inline constexpr int kMoreOfLineSeconds = 1;
inline constexpr milliseconds kLinePassPause(80);
inline constexpr milliseconds kTransmitPoll(1);
inline constexpr int kWakeUpMilliseconds = 8000;
inline constexpr int kParallelBaudRate = 19200;

}  // namespace talvinet::timing
