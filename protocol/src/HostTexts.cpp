#include "talvinet/HostTexts.h"

#include <cstdlib>

#include "talvinet/Talvinet.h"

namespace talvinet {

const char* MacroRefusalText(int status) {
  switch (status) {
    case kRefusedMacroId:
      return "An attempt was made to launch a macro with an invalid ID.";
    case kRefusedMacroRunning:
      return "An attempt was made to launch a macro with another already executing.";
    case kRefusedMacroRecording:
      return "An attempt was made to launch a macro while another was being recorded.";
    default:
      return nullptr;
  }
}

const char* BatteryVerdict(const char* volts) {
  const float voltage = volts != nullptr ? static_cast<float>(std::strtod(volts, nullptr)) : 0.0F;
  if (voltage > 6.8) return " -- OK";
  if (voltage > 6.2) return " -- LOW";
  return " -- CHARGE";
}

}  // namespace talvinet
