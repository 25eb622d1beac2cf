// The machine's serial ports, as the Connect dialog and verda ports offer
// them: each port's device file and a description a user recognises it by.
#pragma once

#include <string>
#include <vector>

namespace serialports {

// One port as the system's enumeration names it.
struct SerialPortEntry {
  std::string device;        // such as /dev/ttyUSB0
  std::string manufacturer;  // a USB adapter's maker; empty for a built-in port
  std::string product;       // its product name
};

// The ports Qt Serial Port finds, sorted by device path. Pseudo-terminals
// are not among them.
std::vector<SerialPortEntry> SystemSerialPorts();

void SortByDevice(std::vector<SerialPortEntry>& ports);

// `text` on one line: tabs and line ends become spaces, outer blanks go.
std::string OneLine(std::string text);

// "maker product", without the maker when the product already starts with
// it; on one line.
std::string PortDescription(const SerialPortEntry& port);

// Every port sorted by device path: "DEVICE\tDESCRIPTION\n" each.
std::string PortListing(std::vector<SerialPortEntry> ports);

}  // namespace serialports
