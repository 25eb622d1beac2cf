// Texts the hosts show for the library's results, shared by every host.
#pragma once

#include <string>

struct DownloadFailureStruct;

namespace talvinet {

// The message for a macro refusal (201 to 203); null for any other status.
const char* MacroRefusalText(int status);

// " -- OK" above 6.8 volts, " -- LOW" above 6.2, else " -- CHARGE"; the
// reading is held in single precision before it is compared.
const char* BatteryVerdict(const char* volts);

// Which step of copying memory file `name` to `output` failed, as a clause
// in lower case without a full stop: "the analyzer has no memory file 'X'",
// "record 2 of 3 did not arrive whole: 10 of 300 bytes after 4.0 s", "the
// folder /data cannot take a new file: Permission denied", "OUT cannot be
// written: No space left on device".
std::string DownloadFailureText(const DownloadFailureStruct& failure, const std::string& name,
                                const std::string& output);

}  // namespace talvinet
