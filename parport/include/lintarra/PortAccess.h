// The register primitives through which Lintarra reaches a parallel port.
// The handshake is written only against this table, so an emulated analyzer
// port can stand in for the hardware.
#pragma once

#include <cstdint>
#include <string>

namespace lintarra {

// Raw register values as the port hardware holds them; Lintarra applies the
// status and control inversions itself.
struct PortAccess {
  void* context = nullptr;
  std::uint8_t (*readData)(void* context) = nullptr;
  void (*writeData)(void* context, std::uint8_t value) = nullptr;
  std::uint8_t (*readStatus)(void* context) = nullptr;
  // Control bits 0-3 drive the lines; bit 5 is the data direction
  // (1: the data register is an input, the analyzer drives the data lines).
  std::uint8_t (*readControl)(void* context) = nullptr;
  void (*writeControl)(void* context, std::uint8_t value) = nullptr;
};

// Makes Init() use `access` instead of opening the host's port; nullptr goes
// back to the host's port. The table must outlive its use.
void InstallPortAccess(const PortAccess* access);

// Empty while the port given to Init() is reachable; otherwise why it is not.
std::string PortAccessProblem();

}  // namespace lintarra
