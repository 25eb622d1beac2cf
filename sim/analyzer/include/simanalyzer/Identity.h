// Who the virtual analyzer says it is: the model and the ten lines of its
// hardware-setup reply.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace simanalyzer {

enum class Model { Alder, Birch, Cedar, Deodar };

// "Alder", "Birch", "Cedar" or "Deodar", matched without regard to case.
std::optional<Model> ParseModel(std::string_view name);
const char* ModelName(Model model);

// Positions in the 24-character options line.
namespace option {
constexpr int k474849 = 10;
constexpr int kModelBitB = 14;
constexpr int kModelBitA = 15;
constexpr int k30 = 20;
constexpr int kTach = 23;
}  // namespace option

constexpr std::size_t kOptionFlags = 24;

// The reply lines of the hardware-setup query, without their CR LF.
struct Identity {
  std::string setupCount;       // stored setups are setupCount x 3 + 2 bytes long
  std::string systemId;         // up to 8 characters
  std::string line3;            // up to 6 characters each, kept but not interpreted
  std::string firmwareVersion;  // "V" and the version number, 5 characters
  std::string line5;
  std::string line6;
  std::string line7;
  std::string line8;
  std::string options;          // 24 flags, '1' = present
  std::string serialNumber;     // up to 13 characters

  // Sets or clears the flag at `position` (0..23); other positions are ignored.
  void SetOption(int position, bool present);
  bool HasOption(int position) const;
};

// Neither model bit: a Deodar.
inline bool IsDeodar(const Identity& identity) {
  return !identity.HasOption(option::kModelBitA) && !identity.HasOption(option::kModelBitB);
}

// The identity of a factory-fresh analyzer of `model`: its two model bits set
// as the model decoding expects, plus the options that model ships with.
Identity IdentityFor(Model model);

}  // namespace simanalyzer
