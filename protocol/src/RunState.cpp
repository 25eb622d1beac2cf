// Running and stopping the measurement, resetting its data, triggering it
// by hand, and switching the analyzer off.
#include <cstring>

#include "RemoteBracket.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr int kRunStateRoom = 128;
constexpr char kRunningReply[] = "RUN";

}  // namespace

int Talvinet::SetRunState(unsigned short state, int remote) {
  if (state != kRunStateRun && state != kRunStateStop && state != kRunStateToggle) return 0;
  RemoteBracket bracket(*this, remote);
  // A toggle runs unless the analyzer says it is running.
  if (state == kRunStateToggle) state = GetRunState(0) == kRunning ? kRunStateStop : kRunStateRun;
  return SendRTACommandString(state == kRunStateRun ? "RN\r\n" : "SP\r\n");
}

unsigned short Talvinet::GetRunState(int remote) {
  RemoteBracket bracket(*this, remote);
  char line[kRunStateRoom + 1] = {};
  if (!QueryLine("QRS\r\n", line, kRunStateRoom)) return 0;
  return std::strncmp(line, kRunningReply, std::strlen(kRunningReply)) == 0 ? kRunning : kStopped;
}

int Talvinet::ResetData(unsigned short n, int remote) {
  return n != 0 ? SendFormattedCommand(remote, "RT %d\r\n", n) : SendFormattedCommand(remote, "RT\r\n");
}

int Talvinet::ManualTrigger(int remote) { return SendFormattedCommand(remote, "MT\r\n"); }

int Talvinet::PowerOff(int remote) { return SendFormattedCommand(remote, "TO\r\n"); }
