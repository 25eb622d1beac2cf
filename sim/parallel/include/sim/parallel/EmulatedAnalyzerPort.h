// The analyzer's side of the parallel-port handshake, emulated on Lintarra's
// register primitives. Everything happens synchronously inside the register
// reads and writes the host makes: no threads, no clock.
//
// Use:
//   sim::EmulatedAnalyzerPort port;
//   port.SetHostByteHandler([&](unsigned char b) { ... });  // each byte the host sends
//   port.QueueForHost("0\r\n");                             // bytes the host will read
//   lintarra::InstallPortAccess(&port.Access());
//   Init(0x378, 0);
//   ...
//   lintarra::InstallPortAccess(nullptr);
//
// The byte handler runs inside the host's write, as soon as the analyzer has
// latched the byte, and may queue replies with QueueForHost.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "lintarra/PortAccess.h"

namespace sim {

class EmulatedAnalyzerPort {
 public:
  enum class Misbehaviour {
    None,
    Silent,            // never ready to accept, never offers a byte
    NoAcknowledge,     // ready and offering, but ignores the strobe
    AcknowledgeStuck,  // acknowledges a byte, then never releases the acknowledge
  };

  EmulatedAnalyzerPort();
  EmulatedAnalyzerPort(const EmulatedAnalyzerPort&) = delete;
  EmulatedAnalyzerPort& operator=(const EmulatedAnalyzerPort&) = delete;

  // The register primitives to install in Lintarra; valid while this object lives.
  const lintarra::PortAccess& Access() const { return access_; }

  // (a) Called with each byte the host sends.
  void SetHostByteHandler(std::function<void(unsigned char)> handler);
  // (b) Bytes for the host to read, in order.
  void QueueForHost(std::string_view bytes);
  std::size_t PendingForHost() const { return toHost_.size(); }

  void Misbehave(Misbehaviour misbehaviour) { misbehaviour_ = misbehaviour; }

  // Every byte the host has sent, in order.
  const std::string& BytesFromHost() const { return fromHost_; }
  void ClearBytesFromHost() { fromHost_.clear(); }

  // Observations for tests: status reads made, and the control register as
  // the host means it (inversions undone).
  long StatusReads() const { return statusReads_; }
  std::uint8_t LogicalControl() const;
  bool HostIsReading() const;

 private:
  std::uint8_t ReadStatus();
  void WriteControl(std::uint8_t raw);
  void StrobeFell();
  void StrobeRose();

  lintarra::PortAccess access_;
  std::function<void(unsigned char)> handler_;
  std::deque<unsigned char> toHost_;
  std::string fromHost_;
  Misbehaviour misbehaviour_ = Misbehaviour::None;
  std::uint8_t rawControl_ = 0;
  std::uint8_t dataFromHost_ = 0;
  std::uint8_t dataToHost_ = 0;
  bool acknowledgeHigh_ = true;
  long statusReads_ = 0;
};

}  // namespace sim
