// The settings the virtual analyzer keeps between commands: run state,
// note, beeper, clock, battery, measurement settings, macros and stored
// setups. Each reads back as it was last set.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace simanalyzer {

constexpr int kMacroCount = 10;
constexpr int kStoredSetupCount = 8;
constexpr std::size_t kLongestNote = 64;
constexpr std::size_t kLongestSetupName = 7;
// Memory files share this many bytes; what their records do not use is free.
constexpr long kMemoryCapacity = 2097152;

struct MacroSchedule {
  int macro = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct Macros {
  // 0 = no macro under that number, 1 = a macro is defined.
  std::array<int, kMacroCount> state{1, 1, 0, 1, 0, 0, 0, 0, 0, 0};
  std::optional<int> running;
  std::optional<int> recording;
  std::optional<MacroSchedule> schedule;
};

struct StoredSetup {
  std::string name;  // up to 7 characters
  bool used = false;
  std::vector<uint8_t> values;  // as many as the identity's setup count
};

struct Setups {
  std::array<StoredSetup, kStoredSetupCount> stored;
  int boot = 0;
  // The setup the values now in force came from.
  std::vector<uint8_t> current;
  // After "SB n" the next line holds setup n's values.
  std::optional<int> awaitingValuesFor;
};

struct MeasurementSettings {
  int detector = 0;
  std::string timeConstant = "1.00";
  int filter = 0;
  std::array<int, 2> zoom{1, 0};
  std::string calibrationLevel = "94.0";
  std::string millivoltCalibrationLevel = "0.0";
  std::array<int, 2> inputMode{0, 0};
  int autoranging = 0;
  int topOfRange = 3;
  int units = 0;
  int inputRange = 2;
  std::array<int, 2> cursors{10, 20};
  int channel = 1;
  std::array<int, 2> analysisMode{0, 0};  // mode, and a Deodar's second value
  int muxState = 0;
  std::array<int, 6> muxValues{};
  int autostore = 0;
  int levelMeterGraph = 0;
};

struct InstrumentSettings {
  bool running = false;
  int resets = 0;
  int triggers = 0;
  bool poweredOff = false;
  std::string note;
  int beeper = 1;
  // Added to the host's clock to give the analyzer's; set by "CK".
  std::time_t clockOffset = 0;
  std::string batteryVolts = "7.20";
  MeasurementSettings measurement;
  Macros macros;
  Setups setups;
};

// A fresh analyzer's eight setups of `valueCount` values each: setups 0 to
// 2 named and in use, setup 0 the boot setup.
Setups FactorySetups(std::size_t valueCount);

}  // namespace simanalyzer
