#include "PortListing.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>

namespace serialports {
namespace {

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](unsigned char a, unsigned char b) {
           return std::tolower(a) == std::tolower(b);
         });
}

}  // namespace

std::vector<SerialPortEntry> SystemSerialPorts() {
  std::vector<SerialPortEntry> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    ports.push_back({info.systemLocation().toStdString(), info.manufacturer().toStdString(),
                     info.description().toStdString()});
  }
  SortByDevice(ports);
  return ports;
}

void SortByDevice(std::vector<SerialPortEntry>& ports) {
  std::sort(ports.begin(), ports.end(),
            [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.device < b.device; });
}

std::string OneLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
  text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
  return text;
}

std::string PortDescription(const SerialPortEntry& port) {
  const std::string maker = OneLine(port.manufacturer);
  const std::string product = OneLine(port.product);
  if (maker.empty() || StartsWithIgnoringCase(product, maker)) return product;
  if (product.empty()) return maker;
  return maker + ' ' + product;
}

std::string PortListing(std::vector<SerialPortEntry> ports) {
  SortByDevice(ports);
  std::string listing;
  for (const SerialPortEntry& port : ports) listing += OneLine(port.device) + '\t' + PortDescription(port) + '\n';
  return listing;
}

}  // namespace serialports
