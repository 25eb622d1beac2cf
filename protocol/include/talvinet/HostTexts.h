// Texts the hosts show for the library's results, shared by every host.
#pragma once

namespace talvinet {

// The message for a macro refusal (201 to 203); null for any other status.
const char* MacroRefusalText(int status);

// " -- OK" above 6.8 volts, " -- LOW" above 6.2, else " -- CHARGE"; the
// reading is held in single precision before it is compared.
const char* BatteryVerdict(const char* volts);

}  // namespace talvinet
