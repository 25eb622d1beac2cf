// Opening, closing and waking the connection.
#include <cstring>

#include "ProtocolTiming.h"
#include "SerialLink.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

Talvinet::Talvinet() : clock(&SteadyClock()), openChannel(OpenTermiosChannel) {
  std::memset(&hardwareSetup, 0, sizeof hardwareSetup);
}

Talvinet::~Talvinet() { CloseConnection(); }

std::string Talvinet::SerialDeviceFile(int port) const {
  const auto mapped = serialDeviceFiles.find(port);
  if (mapped != serialDeviceFiles.end()) return mapped->second;
  return "/dev/ttyS" + std::to_string(port - 1);
}

int Talvinet::OpenConnection(ConnectionStruct* c) {
  errorNumber = kStatusOk;
  openFailure.clear();
  openFoundPortInUse = false;
  if (c == nullptr || link) return 0;
  link = std::make_unique<SerialLink>(c->port, SerialDeviceFile(c->port), *clock);
  link->dataBits = c->dataBits;
  link->stopBits = c->stopBits;
  link->parity = c->parity;
  link->baudRate = c->baudRate;
  link->lastError = 0;
  link->lineFeedOption = true;
  link->noLineFeedOption = true;
  link->rts = 1;
  link->dtr = 1;
  link->timeoutSeconds = timing::kOpenConnectionTimeoutSeconds;
  connectionType = c->type;
  transport = kSerialTransport;
  if (c->type == 0) {
    errorNumber = link->Open(openChannel);
    openFailure = link->openFailure;
    openFoundPortInUse = link->openFoundPortInUse;
    if (errorNumber == kStatusOk) return 1;
  }
  link.reset();
  transport = kNoTransport;
  return 0;
}

int Talvinet::CloseConnection() {
  errorNumber = kStatusOk;
  int result = 0;
  if (transport == kParallelTransport) {
    // A serial link left open when the parallel port was chosen would
    // otherwise block every later OpenConnection.
    link.reset();
    result = 1;
  } else if (transport == kSerialTransport && link && link->isOpen && connectionType == 0) {
    if (link->Close() == 0) {
      link.reset();
      result = 1;
    }
  }
  transport = kNoTransport;
  return result;
}

int Talvinet::WakeUp() {
  if (!HasConnection()) return 0;
  const int result = SendRTACommandString("DDDDD\r\n");
  Wait(timing::kWakeUpMilliseconds);
  return result;
}

bool Talvinet::OnOpenSerialLink() const { return transport == kSerialTransport && link && link->isOpen; }

bool Talvinet::HasConnection() const { return transport == kParallelTransport || OnOpenSerialLink(); }

int Talvinet::IsConnectionOpen() {
  if (transport == kParallelTransport) return 1;
  if (transport == kSerialTransport && link) return link->isOpen;
  return 0;
}

long Talvinet::GetBaudRate() {
  if (transport == kParallelTransport) return timing::kParallelBaudRate;
  if (OnOpenSerialLink()) return link->baudRate;
  return 0;
}

int Talvinet::GetErrno() { return errorNumber; }

const std::string& Talvinet::GetOpenFailure() const { return openFailure; }

LineReportStruct Talvinet::GetLineReport() const {
  if (transport != kSerialTransport || !link || !link->serial) return {};
  return {static_cast<std::uint32_t>(link->serial->BytesHeard()), link->silentReads, link->serial->GetCommError(),
          static_cast<std::uint32_t>(link->heardAtLastSilence)};
}
bool Talvinet::OpenFoundPortInUse() const { return openFoundPortInUse; }
