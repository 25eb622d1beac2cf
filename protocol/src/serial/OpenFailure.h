// Why a serial device file could not be opened, in words a user can act on.
#pragma once

#include <string>

namespace talvinet {

// Why opening `devicePath` failed with `errorNumber` (an errno value; 0 when
// the reason is unknown), as a sentence to follow the device's name, such as
// "no such device". Permission problems name the group that owns the device
// file, whose members may open it. A device another program holds (EBUSY)
// gets a whole sentence, "the serial port DEVICE is in use by another program".
std::string DescribeOpenFailure(const std::string& devicePath, int errorNumber);

}  // namespace talvinet
