// The machine's serial ports as verda ports prints them: one line each,
// device path, a tab, and a description a user recognises the port by.
#pragma once

#include <string>
#include <vector>

namespace verda {

// One port as the system's enumeration names it.
struct SerialPortEntry {
  std::string device;        // such as /dev/ttyUSB0
  std::string manufacturer;  // a USB adapter's maker; empty for a built-in port
  std::string product;       // its product name
};

// "maker product", without the maker when the product already starts with
// it; tabs and line ends become spaces so that each port stays one line.
std::string PortDescription(const SerialPortEntry& port);

// Every port sorted by device path: "DEVICE\tDESCRIPTION\n" each.
std::string PortListing(std::vector<SerialPortEntry> ports);

}  // namespace verda
