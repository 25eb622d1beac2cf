#include "sim/parallel/EmulatedAnalyzerPort.h"

namespace sim {
namespace {

// The same register conventions as a PC parallel port: status bit 7 and
// control bits 0, 1 and 3 are inverted by the hardware.
constexpr std::uint8_t kStatusInverted = 0x80;
constexpr std::uint8_t kControlInverted = 0x0B;
constexpr std::uint8_t kStrobe = 1u << 2;
constexpr std::uint8_t kDataInput = 1u << 5;
constexpr std::uint8_t kReady = 1u << 5;
constexpr std::uint8_t kAcknowledge = 1u << 6;
constexpr std::uint8_t kNoByte = 1u << 7;

}  // namespace

EmulatedAnalyzerPort::EmulatedAnalyzerPort() {
  access_.context = this;
  access_.readData = [](void* self) {
    auto* port = static_cast<EmulatedAnalyzerPort*>(self);
    return port->HostIsReading() ? port->dataToHost_ : port->dataFromHost_;
  };
  access_.writeData = [](void* self, std::uint8_t value) { static_cast<EmulatedAnalyzerPort*>(self)->dataFromHost_ = value; };
  access_.readStatus = [](void* self) { return static_cast<EmulatedAnalyzerPort*>(self)->ReadStatus(); };
  access_.readControl = [](void* self) { return static_cast<EmulatedAnalyzerPort*>(self)->rawControl_; };
  access_.writeControl = [](void* self, std::uint8_t value) { static_cast<EmulatedAnalyzerPort*>(self)->WriteControl(value); };
}

void EmulatedAnalyzerPort::SetHostByteHandler(std::function<void(unsigned char)> handler) { handler_ = std::move(handler); }

void EmulatedAnalyzerPort::QueueForHost(std::string_view bytes) { toHost_.insert(toHost_.end(), bytes.begin(), bytes.end()); }

std::uint8_t EmulatedAnalyzerPort::LogicalControl() const { return rawControl_ ^ kControlInverted; }

bool EmulatedAnalyzerPort::HostIsReading() const { return (rawControl_ & kDataInput) != 0; }

std::uint8_t EmulatedAnalyzerPort::ReadStatus() {
  ++statusReads_;
  const bool silent = misbehaviour_ == Misbehaviour::Silent;
  std::uint8_t status = 0;
  if (!silent) status |= kReady;
  if (acknowledgeHigh_) status |= kAcknowledge;
  if (silent || toHost_.empty()) status |= kNoByte;
  return status ^ kStatusInverted;
}

void EmulatedAnalyzerPort::WriteControl(std::uint8_t raw) {
  const bool strobeWas = (LogicalControl() & kStrobe) != 0;
  rawControl_ = raw;
  const bool strobeIs = (LogicalControl() & kStrobe) != 0;
  if (strobeWas && !strobeIs) StrobeFell();
  if (!strobeWas && strobeIs) StrobeRose();
}

// The host offers (write direction) or requests (read direction) a byte.
void EmulatedAnalyzerPort::StrobeFell() {
  if (misbehaviour_ == Misbehaviour::Silent || misbehaviour_ == Misbehaviour::NoAcknowledge) return;
  if (HostIsReading()) {
    if (toHost_.empty()) return;
    dataToHost_ = toHost_.front();
    toHost_.pop_front();
    acknowledgeHigh_ = false;
    return;
  }
  acknowledgeHigh_ = false;
  fromHost_.push_back(static_cast<char>(dataFromHost_));
  if (handler_) handler_(dataFromHost_);
}

void EmulatedAnalyzerPort::StrobeRose() {
  if (misbehaviour_ == Misbehaviour::AcknowledgeStuck) return;
  acknowledgeHigh_ = true;
}

}  // namespace sim
